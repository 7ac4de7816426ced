// Not a test: pictures of the board with each chess set and of the board
// and the game list with each skin, for looking at; the board in its
// plain layout, and with its Actions menu open, in both layouts; and the
// board's captions in each state, and the dialogs' captions, in both
// layouts (run under a window manager, the plain ones are pictures of the
// whole screen, so that the frame's title shows).
//   look-shots OUTPUT_FOLDER
#include "board/board_view.h"
#include "board/board_window.h"
#include "board/computer_search.h"
#include "board/exchange_pawn.h"
#include "shell/game_interface.h"
#include "shell/game_list_model.h"
#include "shell/new_game_form.h"
#include "shell/program_board.h"
#include "store/database.h"

#include "foundation/chess_set.h"
#include "foundation/modal_host.h"
#include "foundation/picture_stores.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

class StillHost : public BoardSupport::BoardHost {
public:
    BoardSupport::BoardPictures& Pictures() override { return pictures_; }
    void ReturnToGameList(int) override { }
    void LeaveGameList() override { }
    void BoardClosed() override { }
    void UpdateTrayState(int) override { }
    void NotifyNewMoves() override { }
    bool SendMoveMail(int) override { return false; }
    bool ExportMoveFile(int) override { return false; }
    bool LoadChessSet() override { return true; }
    void PrintCurrentBoardState(const BoardSupport::BoardPrintout&, QWidget&) override { }
    void ShowCredits() override { }
    void ComputerThinking(bool) override { }

private:
    SysTraySupport::TrayPictures pictures_;
};

// The window's picture with its open popup drawn where it stands.
QImage WithMenu(QWidget& window, QMenu& menu, QPoint global)
{
    QImage picture = window.grab().toImage();
    QPainter painter(&picture);
    painter.drawPixmap(window.mapFromGlobal(global), menu.grab());
    return picture;
}

// A search that works until it is cancelled.
class EndlessSearch : public BoardSupport::SearchEngine {
public:
    ComputerAI::SearchResult Search(const BoardSupport::Position&, MoveValidation::Colour,
                                    BoardSupport::Move, ComputerAI::SearchControl& control) override
    {
        while (!control.Cancelled()) {
            control.Count(1, 1);
            QThread::msleep(1);
        }
        return {};
    }
};

QPoint SquareCentre(BoardSupport::Board& board, const char* square)
{
    return board.View()
        .Squares()
        ->SquareRect(BoardSupport::Square{square[0] - 'a' + 1, square[1] - '0'})
        .center();
}

void DragPiece(BoardSupport::Board& board, const char* from, const char* to)
{
    QTest::mousePress(board.View().Squares(), Qt::LeftButton, {}, SquareCentre(board, from));
    QTest::mouseMove(board.View().Squares(), SquareCentre(board, to));
    QTest::mouseRelease(board.View().Squares(), Qt::LeftButton, {}, SquareCentre(board, to));
}

// The window as it stands on the screen: skinned, its own picture; plain,
// the whole screen, with the window manager's frame and title.
void Save(QWidget& window, bool simpleUI, const QString& file)
{
    window.move(40, 40);
    window.raise();
    window.activateWindow();
    QTest::qWait(simpleUI ? 400 : 50);
    if (simpleUI && QGuiApplication::platformName() == QLatin1String("xcb"))
        QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QStringLiteral("root"), file});
    else
        window.grab().save(file);
}

// Notices the board's timer shows are let go at once: nobody answers them.
class NoticeDropper : public Support::ModalHost {
public:
    void RunModal(QWidget& window) override { window.hide(); }
    void SystemMessage(Support::SystemMessageIcon, const QString&, const QString&) override { }
};

// The board's caption in each state, and the dialogs' captions.
void CaptionShots(const QString& out, const QString& dataPath)
{
    NoticeDropper dropper;
    Support::SetModalHost(&dropper);
    const Database::DataFolder folder(QFile::encodeName(dataPath).toStdString());
    // Bob's draw offer awaits the player's answer (game 7).
    GameRecord offer;
    offer.GAME_ID = 7;
    offer.GAME_DATESTAMP = "300920261200";
    offer.GAME_NAME = "Drawn out";
    offer.GAME_DATE = "30/09/2026";
    offer.GAME_OPPONENTS_EMAIL = "bob@example.org";
    offer.GAME_BLACK_NAME = "Bob";
    offer.GAME_OPPONENTS_NAME = "Bob";
    offer.GAME_HOST = true;
    offer.GAME_STATUS = 5;
    const MoveList offerMoves = {{1, "5254", "e4", ""},
                                 {2, "5755", "e5", ""},
                                 {3, "7163", "Nf3", ""},
                                 {4, "5858", "Draw offer", "Shall we?"}};
    Database::SaveGame(folder, offer, offerMoves);
    for (const bool simpleUI : {false, true}) {
        const QString kind = simpleUI ? QStringLiteral("plain") : QStringLiteral("skinned");
        StillHost host;
        EndlessSearch endless;
        const struct {
            const char* state;
            int gameId;
        } states[] = {{"open", 1}, {"draw-offer", 7}, {"unsent", 1}, {"thinking", 3}};
        for (const auto& state : states) {
            BoardSupport::Board board(host, folder);
            board.Computer().SetSearchEngine(endless);
            BoardSupport::BoardOptions options;
            options.request.gameId = state.gameId;
            options.simpleUI = simpleUI;
            board.Form_Load(options);
            board.show();
            QTest::qWait(50);
            const QString name = QString::fromLatin1(state.state);
            if (name == QLatin1String("unsent"))
                DragPiece(board, "f1", "b5");
            if (name == QLatin1String("thinking")) {
                DragPiece(board, "b1", "c3");
                board.Computer().MakeComputerMove();
            }
            Save(board, simpleUI, out + QStringLiteral("/caption-%1-%2.png").arg(name, kind));
            if (board.ComputerThinking()) {
                board.Computer().CancelSearchFace_Click();
                (void)QTest::qWaitFor([&board] { return !board.ComputerThinking(); }, 5000);
            }
            Support::Globals().Quitting = true; // closing stores nothing
            board.close();
            Support::Globals().Quitting = false;
        }
        BoardSupport::ExchangePawn exchange(MoveValidation::White, host.Pictures());
        exchange.Form_Load(simpleUI, false);
        exchange.show();
        Save(exchange, simpleUI, out + QStringLiteral("/caption-pawn-exchange-%1.png").arg(kind));
        exchange.hide();
        Support::NewGameInfo newGame(false, false, nullptr);
        newGame.Form_Load(simpleUI);
        newGame.show();
        Save(newGame, simpleUI, out + QStringLiteral("/caption-new-game-%1.png").arg(kind));
        newGame.hide();
        // The game list, where game 7 started on a long date.
        Support::ProgramSettings().SimpleUI = simpleUI;
        Support::GameListModel model;
        Support::GameListServices services;
        Support::GameInterface list(model, services);
        list.Form_Load();
        list.show();
        Save(list, simpleUI, out + QStringLiteral("/list-long-dates-%1.png").arg(kind));
        list.hide();
        Support::ProgramSettings().SimpleUI = false;
    }
    Support::SetModalHost(nullptr);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/shots/look");
    QDir().mkpath(out);
    QTemporaryDir data;
    QFile::copy(QStringLiteral(MD_FIXTURES_DIR "/three_games.dat"),
                data.path() + QStringLiteral("/Mdgdb.dat"));
    Support::Globals().ProgramFolder = QStringLiteral(MD_SHARE_DIR);
    Support::Globals().DataPath = data.path() + QStringLiteral("/");
    const Database::DataFolder folder(QFile::encodeName(data.path()).toStdString());
    if (argc > 2 && QString::fromLatin1(argv[2]) == QLatin1String("captions")) {
        QWidget tray;
        tray.setObjectName(QStringLiteral("SystemTray"));
        Support::ApplySkin(tray);
        Support::Globals().TrayForm = &tray;
        Support::LoadChessSet(QStringLiteral("Classic Wood"), QStringLiteral("Plain"));
        CaptionShots(out, data.path());
        Support::Globals().TrayForm = nullptr;
        return 0;
    }

    const struct {
        const char* skin;
        const char* set;
    } looks[] = {{"Marrowdale Classic", "Classic Wood"},
                 {"Marrowdale Classic", "Pen and Ink"},
                 {"Harbour Slate", "Classic Wood"},
                 {"Harbour Slate", "Pen and Ink"}};
    for (const auto& look : looks) {
        Support::Settings& settings = Support::ProgramSettings();
        settings.Skin = QString::fromLatin1(look.skin);
        QWidget tray;
        tray.setObjectName(QStringLiteral("SystemTray"));
        Support::Pictures() = Support::PictureStores{};
        Support::ApplySkin(tray);
        Support::Globals().TrayForm = &tray;
        Support::LoadChessSet(QString::fromLatin1(look.set), QStringLiteral("Plain"));
        const QString name = QStringLiteral("%1-%2")
                                 .arg(QString::fromLatin1(look.skin), QString::fromLatin1(look.set))
                                 .replace(' ', '_');

        StillHost host;
        BoardSupport::Board board(host, folder);
        BoardSupport::BoardOptions options;
        options.request.gameId = 1;
        board.Form_Load(options);
        board.show();
        app.processEvents();
        board.grab().save(out + QStringLiteral("/board-") + name + QStringLiteral(".png"));
        BoardSupport::Board plain(host, folder);
        options.simpleUI = true;
        plain.Form_Load(options);
        plain.show();
        app.processEvents();
        plain.grab().save(out + QStringLiteral("/board-plain-") + name + QStringLiteral(".png"));
        BoardSupport::Board setup(host, folder);
        BoardSupport::BoardOptions setupOptions;
        setupOptions.request.newGame = BoardSupport::NewGameRequest{{false, true}, "", "", ""};
        setup.Form_Load(setupOptions);
        setup.show();
        app.processEvents();
        setup.grab().save(out + QStringLiteral("/board-setup-") + name + QStringLiteral(".png"));

        if (&look == &looks[0])
            for (const bool setup : {false, true})
                for (const bool simpleUI : {false, true}) {
                    StillHost plainHost;
                    BoardSupport::Board layout(plainHost, folder);
                    BoardSupport::BoardOptions shown;
                    shown.request.gameId = setup ? -1 : 1;
                    if (setup)
                        shown.request.newGame = BoardSupport::NewGameRequest{{false, true}, "", "", ""};
                    shown.simpleUI = simpleUI;
                    layout.Form_Load(shown);
                    layout.show();
                    app.processEvents();
                    const QString kind = QStringLiteral("%1%2").arg(
                        setup ? QStringLiteral("setup-") : QString(),
                        simpleUI ? QStringLiteral("plain") : QStringLiteral("skinned"));
                    layout.grab().save(out + QStringLiteral("/board-%1.png").arg(kind));
                    QPoint at;
                    QMenu* menu = nullptr;
                    QObject::connect(&layout, &BoardSupport::Board::MenuShown,
                                     [&](QMenu* m, QPoint global) {
                                         menu = m;
                                         at = global;
                                     });
                    layout.MenuBar().GameMenu_MouseDown(
                        simpleUI ? static_cast<QWidget*>(layout.MenuBar().GameTitle())
                                 : layout.MenuBar().GameButton(),
                        Qt::LeftButton);
                    app.processEvents();
                    WithMenu(layout, *menu, at)
                        .save(out + QStringLiteral("/board-%1-game-menu.png").arg(kind));
                    menu->hide();
                }
        Support::GameListModel model;
        Support::GameListServices services;
        Support::GameInterface list(model, services);
        list.Form_Load();
        list.show();
        app.processEvents();
        list.grab().save(out + QStringLiteral("/list-") + name + QStringLiteral(".png"));
        Support::Globals().TrayForm = nullptr;
    }
    return 0;
}
