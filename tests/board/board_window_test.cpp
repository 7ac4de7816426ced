// The board window over its controller, on the offscreen platform.
#include "board/board_view.h"
#include "board/board_window.h"
#include "board/exchange_pawn.h"
#include "foundation/press_label.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skinned_button.h"

#include "../rules/board_builder.h"
#include "board_mouse.h"
#include "board_window_fixture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
#include <QTextLayout>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <atomic>

using namespace BoardSupport;
using namespace BoardTests;

namespace {

class BoardWindowTest : public BoardWindowFixture {
protected:
    std::unique_ptr<Board> Open(int gameId, bool simpleUI, const TempDataFolder* folder = nullptr,
                                bool returnToGameList = true)
    {
        auto board = std::make_unique<Board>(host, (folder ? *folder : data).Folder());
        BoardOptions options;
        options.request.gameId = gameId;
        options.simpleUI = simpleUI;
        options.returnToGameList = returnToGameList;
        loaded = board->Form_Load(options);
        return board;
    }
};

TEST_F(BoardWindowTest, OpensAStoredGameSkinnedAndPlain)
{
    struct Case {
        bool simpleUI;
        QSize window;
        QRect board;
    };
    const Case cases[] = {
        {false, QSize(720, 520), QRect(122, 37, 400, 400)},
        {true, QSize(603, 488), QRect(76, 26, 400, 400)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.simpleUI);
        const std::unique_ptr<Board> board = Open(1, c.simpleUI);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(board->size(), c.window);
        EXPECT_EQ(board->View().Squares()->geometry(), c.board);
        EXPECT_EQ(board->windowTitle(), QStringLiteral("Marrowdale - Awaiting your move"));
        // Skinned, the caption stands on the picture's title band; plain,
        // the platform's frame shows it.
        EXPECT_EQ(TestSupport::TitleCaptionFault(*board),
                  c.simpleUI ? QStringLiteral("no caption label") : QString());
        EXPECT_EQ(board->View().PlayersTag()->text(), QStringLiteral("You are playing Bob"));
        ASSERT_EQ(board->View().MoveList()->rowCount(), 4);
        EXPECT_EQ(board->View().MoveList()->item(1, 2)->text(), QStringLiteral("e5"));
        EXPECT_EQ(board->View().MoveList()->item(3, 1)->text(), QStringLiteral("4"));
        EXPECT_TRUE(board->View().MoveList()->isColumnHidden(0));
        EXPECT_TRUE(board->View().MoveList()->isColumnHidden(3));
        // The bottom-left square is a1 in White's view: a dark square with a rook.
        EXPECT_EQ(board->View().Squares()->SquareAt(QPoint(10, 390)), (Square{1, 1}));
        EXPECT_EQ(board->Game().Display().CellAt(Square{1, 1}), 9);
    }
}

TEST_F(BoardWindowTest, TheMoveListSelectionReplaysAndAPressRemovesTheMarks)
{
    const std::unique_ptr<Board> board = Open(1, false);
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(board->Game().Marks().Squares().empty());
    board->View().MoveList()->selectRow(1);
    EXPECT_EQ(board->Game().History().SelectedRow(), 2);
    EXPECT_EQ(board->View().OpponentComment()->text(), QStringLiteral("Bob said: Your move"));
    // Browsing the history leaves the caption of the game's own turn.
    EXPECT_EQ(board->windowTitle(), QStringLiteral("Marrowdale - Awaiting your move"));
    EXPECT_EQ(board->Game().History().Current().squares(7, 1), MoveValidation::WhiteKnight);
    QTest::mousePress(board->View().Squares(), Qt::LeftButton, {}, QPoint(25, 25));
    QTest::mouseRelease(board->View().Squares(), Qt::LeftButton, {}, QPoint(25, 25));
    EXPECT_TRUE(board->Game().Marks().Squares().empty());
    EXPECT_FALSE(board->Game().Marks().Shown());
    board->View().SelectLastMove();
    EXPECT_EQ(board->Game().History().SelectedRow(), 4);
    EXPECT_EQ(board->windowTitle(), QStringLiteral("Marrowdale - Awaiting your move"));
}

// A notation that ends in a draw is the longest the list shows: it stands
// whole in its column, with and without the list's scroll bar, in both
// layouts.
TEST_F(BoardWindowTest, EveryNotationStandsWholeInTheMoveColumn)
{
    // Game 9 ends at once in stalemate; game 10 shuffles knights first, so
    // that the list scrolls and its column narrows.
    TempDataFolder drawn;
    const std::string start =
        BoardSupport::FormatPositionString(TestBoards::Squares("Kh1 Nb1 Pa4 kf2 qf5 nb8 pa5"));
    ::MoveList shuffled;
    const char* knights[][2] = {{"2133", "Nc3"}, {"2836", "Nc6"}, {"3321", "Nb1"}, {"3628", "Nb8"}};
    for (int i = 0; i < 20; ++i)
        shuffled.push_back(MoveRecord{i + 1, knights[i % 4][0], knights[i % 4][1], ""});
    shuffled.push_back(MoveRecord{21, "8182", "Kh2", ""});
    shuffled.push_back(MoveRecord{22, "6563", "Qf3 1/2-1/2", ""});
    ASSERT_TRUE(Store(drawn.Folder(), Game(9, true, "Alice", "Bob", 1, start.c_str()),
                      Entries({{"8182", "Kh2"}, {"6563", "Qf3 1/2-1/2"}})));
    ASSERT_TRUE(Store(drawn.Folder(), Game(10, true, "Alice", "Bob", 1, start.c_str()), shuffled));
    // The desktop's own font, whatever it is: sizes and faces whose lines
    // have leading, and one that is larger than the list was drawn for.
    const QFont desktopFont = QApplication::font();
    const auto restoreFont = qScopeGuard([&desktopFont] { QApplication::setFont(desktopFont); });
    struct Face {
        const char* family;
        int pointSize;
    };
    const Face faces[] = {
        {"", 0}, {"Nimbus Sans", 10}, {"URW Bookman", 9}, {"DejaVu Serif", 10}, {"C059", 10}};
    for (const Face& face : faces) {
        SCOPED_TRACE(face.family);
        QFont font = desktopFont;
        if (face.pointSize > 0) {
            font.setFamily(QString::fromLatin1(face.family));
            font.setPointSize(face.pointSize);
        }
        QApplication::setFont(font);
        for (const bool simpleUI : {false, true}) {
            SCOPED_TRACE(simpleUI ? "plain" : "skinned");
            for (const int gameId : {9, 10}) {
                SCOPED_TRACE(gameId);
                const std::unique_ptr<Board> board = Open(gameId, simpleUI, &drawn);
                ASSERT_TRUE(loaded);
                board->show();
                QApplication::processEvents();
                ASSERT_EQ(board->View().MoveList()->rowCount(), gameId == 9 ? 2 : 22);
                EXPECT_EQ(board->View().MoveList()->verticalScrollBar()->isVisible(), gameId == 10);
                // Laid out as the style paints a wrapped cell: its lines, at the
                // cell's width less the text margins, within the cell's height
                // (a text that does not fit is painted with "...").
                const QTableWidget* list = board->View().MoveList();
                const int margin =
                    list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
                for (int row = 0; row < list->rowCount(); ++row) {
                    const QTableWidgetItem* item = list->item(row, 2);
                    const QRect cell = list->visualItemRect(item);
                    QTextLayout layout(item->text(), list->font());
                    QTextOption wrap;
                    wrap.setWrapMode(QTextOption::WordWrap);
                    layout.setTextOption(wrap);
                    const int width = cell.width() - 2 * margin;
                    qreal height = 0;
                    qreal widest = 0;
                    layout.beginLayout();
                    for (QTextLine line = layout.createLine(); line.isValid();
                         line = layout.createLine()) {
                        line.setLineWidth(width);
                        height += line.height();
                        widest = std::max(widest, line.naturalTextWidth());
                    }
                    layout.endLayout();
                    EXPECT_LE(widest, width) << item->text().toStdString();
                    EXPECT_LE(height, cell.height()) << item->text().toStdString();
                }
            }
        }
    }
}

TEST_F(BoardWindowTest, TheFlippedViewPutsH8BottomLeft)
{
    const std::unique_ptr<Board> board = Open(2, false);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(board->View().Squares()->SquareAt(QPoint(10, 390)), (Square{8, 8}));
    EXPECT_EQ(board->View().Squares()->SquareRect(Square{1, 1}), QRect(350, 0, 50, 50));
    board->View().ChangeView();
    EXPECT_EQ(board->View().Squares()->SquareAt(QPoint(10, 390)), (Square{1, 1}));
}

TEST_F(BoardWindowTest, ClosingReturnsToTheGameListAndResumesMailPolling)
{
    Support::SetCheckTimer(false);
    Support::Globals().ModalBusy = true;
    const std::unique_ptr<Board> board = Open(1, false);
    ASSERT_TRUE(loaded);
    board->show();
    board->close();
    EXPECT_TRUE(Support::CheckTimerEnabled());
    EXPECT_FALSE(Support::Globals().ModalBusy);
    EXPECT_EQ(host.calls, (std::vector<QString>{"ReturnToGameList 1", "UpdateTrayState 1"}));

    host.calls.clear();
    Support::Globals().Mail.PendingMoveList = "2;";
    const std::unique_ptr<Board> again = Open(1, false, nullptr, false);
    again->show();
    again->close();
    EXPECT_EQ(host.calls, (std::vector<QString>{"UpdateTrayState 1", "NotifyNewMoves"}));
    EXPECT_FALSE(again->isVisible());
}

TEST_F(BoardWindowTest, AnUnreadableHistoryClosesTheWindowWithOneMessage)
{
    {
        std::ofstream out(data.Path() / Database::DatabaseFileName, std::ios::binary | std::ios::trunc);
        out << "1|broken\n";
    }
    int messages = 0;
    modal.Script = [&messages](QWidget& window) {
        ++messages;
        window.close();
    };
    const std::unique_ptr<Board> board = Open(1, false);
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(board->QuitRequest());
    EXPECT_EQ(messages, 1);
}

// Both players' programs, each on its own data folder: every move is made
// by mouse on the mover's board and then stored for both, as the move mail
// would.
TEST_F(BoardWindowTest, AWholeOpeningPlayedByMouse)
{
    struct Ply {
        const char* from;
        const char* to;
        const char* notation;
    };
    const Ply opening[] = {
        {"e2", "e4", "e4"},  {"e7", "e5", "e5"},  {"g1", "f3", "Nf3"}, {"b8", "c6", "Nc6"},
        {"f1", "b5", "Bb5"}, {"a7", "a6", "a6"},  {"b5", "a4", "Ba4"}, {"g8", "f6", "Nf6"},
        {"e1", "g1", "0-0"}, {"f8", "e7", "Be7"}, {"f1", "e1", "Re1"}, {"b7", "b5", "b5"},
        {"a4", "b3", "Bb3"}, {"d7", "d6", "d6"},  {"c2", "c3", "c3"},  {"e8", "g8", "0-0"},
    };
    TempDataFolder alice;
    TempDataFolder bob;
    MoveList moves;
    for (const Ply& ply : opening) {
        SCOPED_TRACE(ply.notation);
        const bool white = moves.size() % 2 == 0;
        const TempDataFolder& mover = white ? alice : bob;
        ASSERT_TRUE(Store(alice.Folder(), BoardTests::Game(3, true, "Alice", "Bob", 1), moves));
        ASSERT_TRUE(Store(bob.Folder(), BoardTests::Game(3, false, "Alice", "Bob", 1), moves));
        const std::unique_ptr<Board> board = Open(3, false, &mover);
        ASSERT_TRUE(loaded);
        board->show();
        DragPiece(*board, ply.from, ply.to);
        ASSERT_EQ(board->View().MoveList()->rowCount(), static_cast<int>(moves.size()) + 1);
        EXPECT_EQ(board->View().MoveList()->item(board->View().MoveList()->rowCount() - 1, 2)->text(),
                  QLatin1String(ply.notation));
        // Until it is sent the move is not the opponent's turn.
        EXPECT_EQ(board->windowTitle(), QStringLiteral("Marrowdale - Awaiting your move"));
        moves = board->Game().History().List();
        Support::Globals().Quitting = true; // closing stores nothing here
        board->close();
        Support::Globals().Quitting = false;
    }
    ASSERT_TRUE(Store(alice.Folder(), BoardTests::Game(3, true, "Alice", "Bob", 1), moves));
    const std::unique_ptr<Board> last = Open(3, false, &alice);
    EXPECT_EQ(last->Game().History().Current().squares(7, 8), MoveValidation::BlackKing);
    EXPECT_EQ(last->Game().History().Current().squares(6, 8), MoveValidation::BlackRook);
    EXPECT_TRUE(last->Game().Status().playerMayMove);
}

TEST_F(BoardWindowTest, APromotionThroughTheRealDialogWaitsForAChoice)
{
    TempDataFolder folder;
    const std::string start = BoardSupport::FormatPositionString(TestBoards::Squares("Ke1 Pb7 kh6 ph5"));
    ASSERT_TRUE(Store(folder.Folder(), BoardTests::Game(4, true, "Alice", "Bob", 1, start.c_str()), {}));
    const std::unique_ptr<Board> board = Open(4, false, &folder);
    ASSERT_TRUE(loaded);
    bool stayedOpen = false;
    QStringList tips;
    modal.Script = [&](QWidget& window) {
        auto& dialog = dynamic_cast<ExchangePawn&>(window);
        window.close();
        QTest::keyClick(&window, Qt::Key_Escape);
        stayedOpen = window.isVisible() && !dialog.ChosenPiece();
        for (QToolButton* button : dialog.PieceButton)
            tips << button->toolTip();
        dialog.PieceButton[1]->click();
    };
    DragPiece(*board, "b7", "b8");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(tips, (QStringList{"Rook", "Knight", "Bishop", "Queen"}));
    ASSERT_EQ(board->View().MoveList()->rowCount(), 1);
    EXPECT_EQ(board->View().MoveList()->item(0, 2)->text(), QStringLiteral("b8=N"));
    EXPECT_EQ(board->Game().History().Current().squares(2, 8), MoveValidation::WhiteKnight);
}

TEST_F(BoardWindowTest, ThePromotionDialogGivesTheSidesCodes)
{
    struct Case {
        MoveValidation::Colour side;
        int button;
        int code;
        int firstCell;
        bool tips;
    };
    const Case cases[] = {
        {MoveValidation::White, 1, MoveValidation::WhiteKnight, 1, true},
        {MoveValidation::Black, 1, MoveValidation::BlackKnight, 17, false},
        {MoveValidation::Black, 3, MoveValidation::BlackQueen, 17, true},
    };
    for (const Case& c : cases) {
        ExchangePawn dialog(c.side, host);
        ASSERT_TRUE(dialog.Form_Load(false, c.tips));
        EXPECT_EQ(dialog.size(), QSize(270, 155));
        EXPECT_EQ(TestSupport::TitleCaptionFault(dialog), QString());
        // The instruction stands whole between our skins' 40-pixel title
        // band and the pieces, which stand inside the window.
        EXPECT_GE(dialog.Label1->y(), 40);
        EXPECT_GE(dialog.Label1->height(), dialog.Label1->heightForWidth(dialog.Label1->width()));
        EXPECT_LE(dialog.Label1->geometry().bottom(), dialog.PieceButton[0]->y());
        EXPECT_TRUE(dialog.rect().contains(dialog.PieceButton[3]->geometry()));
        EXPECT_EQ(dialog.PieceButton[0]->toolTip().isEmpty(), !c.tips);
        EXPECT_EQ(host.cellsAsked.back(), c.firstCell + 3);
        dialog.PieceButton[c.button]->click();
        EXPECT_EQ(dialog.ChosenPiece(), static_cast<MoveValidation::PieceCode>(c.code));
    }
    ExchangePawn plain(MoveValidation::White, host);
    ASSERT_TRUE(plain.Form_Load(true, true));
    EXPECT_EQ(plain.size(), QSize(237, 112));
    EXPECT_EQ(TestSupport::TitleCaptionFault(plain), QStringLiteral("no caption label"));
}

// With either chess set, in both layouts and for both sides, every piece's
// picture lies whole inside the dialog, at its full size, below the whole
// instruction; the plain layout keeps the skinned one's spacing.
TEST_F(BoardWindowTest, ThePromotionDialogShowsEveryPieceWhole)
{
    for (const char* set : {"Classic Wood", "Pen and Ink"}) {
        SCOPED_TRACE(set);
        RecordingBoardHost pictures{QString::fromLatin1(set)};
        for (const bool simpleUI : {false, true}) {
            SCOPED_TRACE(simpleUI ? "plain" : "skinned");
            for (const MoveValidation::Colour side : {MoveValidation::White, MoveValidation::Black}) {
                SCOPED_TRACE(side == MoveValidation::White ? "White" : "Black");
                ExchangePawn dialog(side, pictures);
                ASSERT_TRUE(dialog.Form_Load(simpleUI, false));
                dialog.show();
                QApplication::processEvents();
                EXPECT_TRUE(dialog.rect().contains(dialog.Label1->geometry()));
                EXPECT_GE(dialog.Label1->height(),
                          dialog.Label1->heightForWidth(dialog.Label1->width()));
                for (int i = 0; i < 4; ++i) {
                    QToolButton* button = dialog.PieceButton[i];
                    ASSERT_TRUE(button->isVisible());
                    const QSize picture =
                        pictures.ChessSetCell((side == MoveValidation::White ? 1 : 17) + i)
                            .deviceIndependentSize()
                            .toSize();
                    ASSERT_FALSE(picture.isEmpty());
                    // The picture is drawn at the icon size, centred in its button.
                    const QSize drawn = button->icon().actualSize(button->iconSize());
                    EXPECT_GE(drawn.width(), std::min(picture.width(), button->iconSize().width()));
                    EXPECT_LE(drawn.width(), button->width());
                    EXPECT_LE(drawn.height(), button->height());
                    EXPECT_TRUE(dialog.rect().contains(button->geometry()))
                        << "button " << i << " at " << button->y() << "+" << button->height() << " in "
                        << dialog.height();
                    EXPECT_GE(button->y(), dialog.Label1->geometry().bottom());
                    if (i > 0) {
                        EXPECT_EQ(button->x() - dialog.PieceButton[i - 1]->geometry().right() - 1, 10);
                    }
                }
                // Below the pieces, as much room as the skinned window has.
                EXPECT_EQ(dialog.height() - dialog.PieceButton[0]->geometry().bottom() - 1, 11);
            }
        }
    }
}

// ---- The computer's answer -------------------------------------------------

// Stands in for the search: answers a fixed move, or, when holding, works
// (adding progress) until it is cancelled.
class StandInEngine : public SearchEngine {
public:
    ComputerAI::SearchResult Search(const Position&, MoveValidation::Colour, Move,
                                    ComputerAI::SearchControl& control) override
    {
        while (hold && !control.Cancelled()) {
            control.Count(1, 1);
            QThread::msleep(1);
        }
        if (control.Cancelled())
            return {};
        return answer;
    }
    std::atomic<bool> hold{false};
    ComputerAI::SearchResult answer;
};

class ComputerBoardTest : public BoardWindowTest {
protected:
    std::unique_ptr<Board> OpenComputerGame()
    {
        auto board = std::make_unique<Board>(host, data.Folder());
        BoardOptions options;
        options.request.gameId = -1;
        options.request.newGame = NewGameRequest{{true, false}, "", "Marrowdale", ""};
        loaded = board->Form_Load(options);
        board->show();
        return board;
    }
    // A stored game against the computer from a set-up position.
    std::unique_ptr<Board> OpenComputerGame(const char* pieces)
    {
        GameRecord record = BoardTests::Game(9, true, "Alice", "Marrowdale", 1,
                                             FormatPositionString(TestBoards::Squares(pieces)).c_str());
        record.GAME_VS_COMPUTER = true;
        EXPECT_TRUE(Store(computerData.Folder(), record, ::MoveList{}));
        auto board = std::make_unique<Board>(host, computerData.Folder());
        BoardOptions options;
        options.request.gameId = 9;
        loaded = board->Form_Load(options);
        board->show();
        return board;
    }
    static bool WaitUntilAnswered(Board& board)
    {
        return QTest::qWaitFor([&board] { return !board.ComputerThinking(); }, 60000);
    }
    TempDataFolder computerData;
};

// Every control shown lies whole inside the window and every label shows
// all its lines, in both layouts: a mail game, the opponent's draw offer,
// set-up mode, and a game against the computer as it thinks and after its
// answer (with its figures in the comment panel).
TEST_F(ComputerBoardTest, EveryShownControlLiesWholeInsideTheWindow)
{
    ASSERT_TRUE(
        Store(data.Folder(), Game(9, false, "Alice", "Bob", 5), Entries({{"5151", "Draw offer"}})));
    modal.Script = [](QWidget& window) { window.close(); };
    for (const bool simpleUI : {false, true}) {
        SCOPED_TRACE(simpleUI ? "plain" : "skinned");
        for (const char* state : {"mail game", "draw offer", "set-up", "thinking", "answered"}) {
            SCOPED_TRACE(state);
            const std::string name = state;
            StandInEngine engine;
            engine.hold = name == "thinking";
            engine.answer.outcome = ComputerAI::SearchOutcome::Move;
            engine.answer.move = Move{{7, 8}, {6, 6}};
            engine.answer.score = -12345;
            engine.answer.movesConsidered = 123456789;
            auto board = std::make_unique<Board>(host, data.Folder());
            board->Computer().SetSearchEngine(engine);
            BoardOptions options;
            options.simpleUI = simpleUI;
            options.request.gameId = name == "mail game" ? 1 : name == "draw offer" ? 9 : 3;
            if (name == "set-up") {
                options.request.gameId = -1;
                options.request.newGame = NewGameRequest{{false, true}, "", "", ""};
            }
            ASSERT_TRUE(board->Form_Load(options));
            board->show();
            if (name == "thinking" || name == "answered") {
                DragPiece(*board, "b1", "c3");
                board->Computer().MakeComputerMove();
                if (name == "answered") {
                    ASSERT_TRUE(WaitUntilAnswered(*board));
                }
            }
            QApplication::processEvents();
            for (const QWidget* control : board->findChildren<QWidget*>()) {
                if (!control->isVisible() || control->window() != board.get())
                    continue;
                const QRect where(control->mapTo(board.get(), QPoint()), control->size());
                EXPECT_TRUE(board->rect().contains(where))
                    << control->objectName().toStdString() << " at " << where.x() << "," << where.y()
                    << " " << where.width() << "x" << where.height();
                const auto* label = qobject_cast<const QLabel*>(control);
                if (label && label->wordWrap() && !label->text().isEmpty()) {
                    EXPECT_LE(label->heightForWidth(label->width()), label->height())
                        << label->objectName().toStdString();
                }
            }
            if (board->ComputerThinking()) {
                board->Computer().CancelSearchFace_Click();
                ASSERT_TRUE(WaitUntilAnswered(*board));
            }
            Support::Globals().Quitting = true; // closing stores nothing here
            board->close();
            Support::Globals().Quitting = false;
        }
    }
}

TEST_F(ComputerBoardTest, TheStandInsAnswerIsPlayedAndShown)
{
    StandInEngine engine;
    engine.answer.outcome = ComputerAI::SearchOutcome::Move;
    engine.answer.move = Move{{5, 7}, {5, 5}};
    engine.answer.score = 12;
    engine.answer.movesConsidered = 20;
    const std::unique_ptr<Board> board = OpenComputerGame();
    ASSERT_TRUE(loaded);
    board->Computer().SetSearchEngine(engine);
    int stored = 0;
    board->Computer().ComputerMoveMade = [&stored] { ++stored; };
    DragPiece(*board, "e2", "e4");
    board->Computer().MakeComputerMove();
    ASSERT_TRUE(WaitUntilAnswered(*board));
    ASSERT_EQ(board->View().MoveList()->rowCount(), 2);
    EXPECT_EQ(board->View().MoveList()->item(1, 2)->text(), QStringLiteral("e5"));
    EXPECT_EQ(board->View().OpponentComment()->text(),
              QStringLiteral("Moves considered : 20\r\nLast move score : 12"));
    // Both lines of the figures stand whole below the players' tag.
    const QLabel& figures = *board->View().OpponentComment();
    EXPECT_GE(figures.height(), figures.heightForWidth(figures.width()));
    EXPECT_TRUE(figures.alignment() & Qt::AlignTop);
    EXPECT_GT(figures.y(), board->View().PlayersTag()->geometry().bottom());
    EXPECT_LE(figures.geometry().bottom(), board->height());
    EXPECT_EQ(stored, 1);
    // The program heard of the search's start and end.
    EXPECT_EQ(host.thinkingReports, (std::vector<bool>{true, false}));
    EXPECT_TRUE(board->Game().Status().playerMayMove);
    EXPECT_TRUE(board->View().MoveList()->isEnabled());
    EXPECT_FALSE(board->Computer().Progress()->isVisible());
    EXPECT_FALSE(board->View().PlayerComment()->isVisible());
    EXPECT_FALSE(board->findChild<QWidget*>(QStringLiteral("CancelSearchFace"))->isVisible());
    DragPiece(*board, "d2", "d4");
    EXPECT_EQ(board->View().MoveList()->rowCount(), 3);
}

TEST_F(ComputerBoardTest, CancelAndCloseWhileThinkingLeaveThePlayersMove)
{
    enum class Stop { CancelButton, PlainCancelButton, Escape, Close };
    for (Stop stop : {Stop::CancelButton, Stop::PlainCancelButton, Stop::Escape, Stop::Close}) {
        SCOPED_TRACE(static_cast<int>(stop));
        StandInEngine engine;
        engine.hold = true;
        const std::unique_ptr<Board> board = OpenComputerGame();
        board->Computer().SetSearchEngine(engine);
        DragPiece(*board, "e2", "e4");
        board->Computer().MakeComputerMove();
        ASSERT_TRUE(board->ComputerThinking());
        EXPECT_TRUE(board->Computer().Progress()->isVisible());
        EXPECT_EQ(board->View().CommentLabel()->text(), QStringLiteral("Thinking..."));
        EXPECT_FALSE(board->View().MoveList()->isEnabled());
        // The board takes no move while the computer thinks, and its right
        // button opens no menu.
        DragPiece(*board, "d2", "d4");
        EXPECT_EQ(board->View().MoveList()->rowCount(), 1);
        bool menuShown = false;
        QObject::connect(board.get(), &Board::MenuShown, [&menuShown] { menuShown = true; });
        QTest::mousePress(board->View().Squares(), Qt::RightButton, {}, SquareCentre(*board, "d2"));
        EXPECT_FALSE(menuShown);
        switch (stop) {
        case Stop::CancelButton: {
            QWidget* face = board->findChild<QWidget*>(QStringLiteral("CancelSearchFace"));
            ASSERT_TRUE(face && face->isVisible());
            QTest::mouseClick(face, Qt::LeftButton);
            break;
        }
        case Stop::PlainCancelButton:
            board->Computer().CancelPlain()->click();
            break;
        case Stop::Escape:
            QTest::keyClick(board.get(), Qt::Key_Escape);
            break;
        case Stop::Close:
            board->close();
            break;
        }
        ASSERT_TRUE(WaitUntilAnswered(*board));
        EXPECT_EQ(board->Game().History().Entries(), 1);
        EXPECT_EQ(board->View().MoveList()->rowCount(), 1);
        EXPECT_FALSE(board->Game().Status().playerMayMove);
        EXPECT_TRUE(board->Game().Info().playerIsHost);
        EXPECT_FALSE(board->Computer().Progress()->isVisible());
        EXPECT_TRUE(board->View().MoveList()->isEnabled());
        EXPECT_FALSE(board->isMinimized());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    // Escape with the computer idle minimises the window.
    {
        const std::unique_ptr<Board> board = OpenComputerGame();
        QTest::keyClick(board.get(), Qt::Key_Escape);
        EXPECT_TRUE(board->isMinimized());
    }
    // A window destroyed while the computer thinks stops the search first.
    StandInEngine engine;
    engine.hold = true;
    std::unique_ptr<Board> board = OpenComputerGame();
    board->Computer().SetSearchEngine(engine);
    DragPiece(*board, "e2", "e4");
    board->Computer().MakeComputerMove();
    ASSERT_TRUE(board->ComputerThinking());
    host.thinkingReports.clear();
    board.reset();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(host.thinkingReports, std::vector<bool>{false});
}

// The window, not the search, is under test here: a stand-in that thinks
// until it is cancelled, so no search can end before its Cancel arrives.
TEST_F(ComputerBoardTest, TheWindowKeepsWorkingWhileTheComputerThinks)
{
    StandInEngine engine;
    engine.hold = true;
    engine.answer.outcome = ComputerAI::SearchOutcome::Move;
    engine.answer.move = Move{{5, 7}, {5, 5}};
    const std::unique_ptr<Board> board = OpenComputerGame();
    ASSERT_TRUE(loaded);
    board->Computer().SetSearchEngine(engine);
    DragPiece(*board, "e2", "e4");
    board->Computer().MakeComputerMove();
    ASSERT_TRUE(board->ComputerThinking());

    // A timer fires and the board repaints while the search works.
    struct PaintWatch : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                ++paints;
            return false;
        }
    } watch;
    board->View().Squares()->installEventFilter(&watch);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        board->View().Squares()->update();
    });
    timer.start(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 5 && watch.paints >= 3; }, 20000))
        << ticks << " ticks, " << watch.paints << " paints";
    EXPECT_TRUE(board->ComputerThinking()) << "the search ended before the window was seen working";
    EXPECT_TRUE(QTest::qWaitFor([&] { return board->Computer().Progress()->value() > 0; }, 20000));

    // Cancel ends the search before the progress moves on more than once.
    int progressSteps = 0;
    QObject::connect(board->Computer().Progress(), &QProgressBar::valueChanged,
                     [&progressSteps] { ++progressSteps; });
    board->Computer().CancelSearchFace_Click();
    ASSERT_TRUE(WaitUntilAnswered(*board));
    EXPECT_LE(progressSteps, 1);
    EXPECT_EQ(board->Game().History().Entries(), 1);

    // Asked again, it answers.
    engine.hold = false;
    board->Computer().MakeComputerMove();
    ASSERT_TRUE(WaitUntilAnswered(*board));
    EXPECT_EQ(board->Game().History().Entries(), 2);
    EXPECT_TRUE(board->Game().Status().playerMayMove);
}

} // namespace

TEST_F(BoardWindowTest, TheOpponentsDrawOfferShowsTheButtonsAndItsNoticeOnce)
{
    for (const bool simpleUI : {false, true}) {
        SCOPED_TRACE(simpleUI ? "plain" : "skinned");
        TempDataFolder offered;
        ASSERT_TRUE(Store(offered.Folder(), Game(9, false, "Alice", "Bob", 1),
                          Entries({{"5151", "Draw offer"}})));
        const std::unique_ptr<Board> board = Open(9, simpleUI, &offered);
        ASSERT_TRUE(loaded);
        board->show();
        std::vector<QString> captions;
        QString notice;
        modal.Script = [&](QWidget& window) {
            captions.push_back(window.findChild<QLabel*>(QStringLiteral("FormCaption"))->text());
            notice = window.findChild<QLabel*>(QStringLiteral("Message"))->text();
            board->GameEnd().CheckTimer_Timer(); // the timer fires inside the message's loop
            window.close();
        };
        // The skinned layout shows the skinned pair, the plain one its twins.
        QWidget* accept = simpleUI ? static_cast<QWidget*>(board->GameEnd().AcceptDrawPlain())
                                   : board->GameEnd().AcceptDraw()->face;
        QWidget* decline = simpleUI ? static_cast<QWidget*>(board->GameEnd().DeclineDrawPlain())
                                    : board->GameEnd().DeclineDraw()->face;
        EXPECT_TRUE(accept->isVisible());
        EXPECT_TRUE(decline->isVisible());
        EXPECT_TRUE(accept->isEnabled());
        EXPECT_EQ(board->GameEnd().AcceptDraw()->picture->isVisible(), !simpleUI);
        EXPECT_EQ(board->GameEnd().AcceptDrawPlain()->isVisible(), simpleUI);
        EXPECT_EQ(simpleUI ? board->GameEnd().DeclineDrawPlain()->text()
                           : board->GameEnd().DeclineDraw()->caption->text(),
                  QStringLiteral("Decline"));
        // Both stand whole in the window, clear of each other and of every
        // other control there.
        for (QWidget* button : {accept, decline}) {
            EXPECT_TRUE(board->rect().contains(button->geometry()));
            for (QWidget* other : {static_cast<QWidget*>(board->MenuBar().HelpButton()),
                                   static_cast<QWidget*>(board->MenuBar().MinimiseButton()),
                                   static_cast<QWidget*>(board->MenuBar().HistoryButton()),
                                   static_cast<QWidget*>(board->View().MoveList()),
                                   static_cast<QWidget*>(board->View().Squares())})
                EXPECT_FALSE(other->isVisible() && other->geometry().intersects(button->geometry()))
                    << other->objectName().toStdString();
        }
        EXPECT_FALSE(accept->geometry().intersects(decline->geometry()));
        for (int tick = 0; tick < 3; ++tick)
            board->GameEnd().CheckTimer_Timer();
        EXPECT_EQ(captions, std::vector<QString>{QStringLiteral("Offer of a draw")});
        // The notice sends the player where the buttons stand: right of the
        // board, below the move list.
        EXPECT_TRUE(
            notice.endsWith(QStringLiteral("with the buttons to the right, below the list of moves.")))
            << notice.toStdString();
        EXPECT_GT(accept->x(), board->View().Squares()->geometry().right());
        EXPECT_GT(accept->y(), board->View().MoveList()->geometry().bottom());

        QTest::mouseClick(decline, Qt::LeftButton);
        EXPECT_FALSE(accept->isVisible());
        EXPECT_FALSE(board->GameEnd().AcceptDraw()->picture->isVisible());
        EXPECT_EQ(board->Game().History().List().back().notation, "Decline");
        EXPECT_EQ(board->View().MoveList()->rowCount(), 2);
        board->GameEnd().CheckTimer_Timer();
        EXPECT_EQ(captions.size(), 1u);
    }
}

// The draw's picture stands in the logo's place only while the row shown is
// the opponent's offer awaiting an answer: answered (declined or accepted)
// the program's logo is back; Undo of the answer brings the offer, its
// buttons and its picture back; browsing shows the logo of the row shown.
TEST_F(BoardWindowTest, TheDrawPictureShowsOnlyWhileAnOfferStandsAtTheRowShown)
{
    enum class Step {
        Open,
        ShowRow2,
        ShowRow3,
        Decline,
        BrowseToOffer,
        BackToLast,
        Undo,
        Accept,
        UndoAccept
    };
    const struct {
        const char* name;
        Step step;
        bool drawPicture; // else the program's logo
        bool answerButtons;
    } steps[] = {
        {"the offer opens", Step::Open, true, true},
        {"an earlier row shown", Step::ShowRow2, false, true},
        {"the offer's row shown again", Step::ShowRow3, true, true},
        {"declined", Step::Decline, false, false},
        {"the declined offer's row browsed", Step::BrowseToOffer, true, false},
        {"the answer's row again", Step::BackToLast, false, false},
        {"the decline undone", Step::Undo, true, true},
        {"accepted", Step::Accept, false, false},
        {"the acceptance undone", Step::UndoAccept, true, true},
    };
    modal.Script = [](QWidget& window) { window.close(); };
    for (const bool simpleUI : {false, true}) {
        SCOPED_TRACE(simpleUI ? "plain" : "skinned");
        TempDataFolder offered;
        ASSERT_TRUE(Store(offered.Folder(), Game(9, false, "Alice", "Bob", 3),
                          Entries({{"5254", "e4"}, {"5755", "e5"}, {"5151", "Draw offer"}})));
        const std::unique_ptr<Board> board = Open(9, simpleUI, &offered);
        ASSERT_TRUE(loaded);
        board->show();
        QWidget* accept = simpleUI ? static_cast<QWidget*>(board->GameEnd().AcceptDrawPlain())
                                   : board->GameEnd().AcceptDraw()->face;
        QWidget* decline = simpleUI ? static_cast<QWidget*>(board->GameEnd().DeclineDrawPlain())
                                    : board->GameEnd().DeclineDraw()->face;
        for (const auto& s : steps) {
            SCOPED_TRACE(s.name);
            switch (s.step) {
            case Step::Open:
                break;
            case Step::ShowRow2:
                board->View().SelectRow(2);
                break;
            case Step::ShowRow3:
            case Step::BrowseToOffer:
                board->View().SelectRow(3);
                break;
            case Step::BackToLast:
                board->View().SelectLastMove();
                break;
            case Step::Decline:
                QTest::mouseClick(decline, Qt::LeftButton);
                break;
            case Step::Accept:
                QTest::mouseClick(accept, Qt::LeftButton);
                break;
            case Step::Undo:
            case Step::UndoAccept:
                board->Toolbar().UndoLastMove();
                break;
            }
            QApplication::processEvents();
            EXPECT_EQ(board->MenuBar().DrawLogo()->isVisible(), s.drawPicture);
            EXPECT_EQ(board->MenuBar().Logo()->isVisible(), !s.drawPicture);
            EXPECT_EQ(accept->isVisible(), s.answerButtons);
            EXPECT_EQ(decline->isVisible(), s.answerButtons);
        }
    }
}
