#include "board/board_window.h"

#include "board/board_layout.h"
#include "board/board_view.h"
#include "board/plain_window.h"
#include "foundation/help.h"
#include "foundation/message_box.h"
#include "foundation/program_state.h"
#include "foundation/qt_text.h"
#include "foundation/skin.h"
#include "foundation/window_names.h"
#include "foundation/window_shape.h"
#include "game/closing_steps.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTimer>

namespace BoardSupport {

namespace {

using Support::Q;

} // namespace

Board::Board(BoardHost& port, Database::DataFolder folder)
    : port_(port), game_(std::move(folder)), view_(*this, game_, port_), toolbar_(*this, game_, port_),
      menuBar_(*this, game_, port_), setup_(*this, game_, port_), computer_(*this, game_, port_),
      gameEnd_(*this, game_)
{
    setObjectName(QLatin1String(WindowNames::Board));
    setWindowTitle(QStringLiteral("Marrowdale"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(Px(WindowWidthTwips), Px(WindowHeightTwips));
    // In this order: the later controls lie over the earlier.
    toolbar_.CreatePictures();
    view_.Create();
    gameEnd_.Create();
    computer_.Create();
    toolbar_.Create();
    menuBar_.Create();
    view_.CreateCommentFrame();
    for (QWidget* control :
         {static_cast<QWidget*>(view_.PlayersTag()), static_cast<QWidget*>(view_.OpponentComment()),
          static_cast<QWidget*>(view_.CommentLabel()), static_cast<QWidget*>(view_.PlayerComment()),
          static_cast<QWidget*>(this)})
        control->installEventFilter(this);
    setup_.Create();
}

Board::~Board()
{
    computer_.StopComputerSearch();
    computer_.ReportStopped();
}

bool Board::ComputerThinking() const
{
    return computer_.Thinking();
}

bool Board::Form_Load(const BoardOptions& options)
{
    simpleUI_ = options.simpleUI;
    showToolTips_ = options.showToolTips;
    WindowShape::EnableBackgroundDrag(*this);
    returnToGameList_ = options.returnToGameList;
    if (options.simpleUI) {
        ApplyPlainLayout(*this);
    } else {
        WindowShape::ApplyWindowShape(*this);
        if (!Support::ApplySkin(*this))
            return false;
    }
    view_.SetListBusy(true);
    const OpenResult opened = game_.Open(options.request);
    if (opened.message)
        ShowBoardMessage(*opened.message);
    if (!opened.ok) {
        quitRequest_ = true;
        game_.Timer().RequestQuit();
        view_.SetListBusy(false);
        gameEnd_.StartCheckTimer();
        return false;
    }
    if (game_.Setup().Active())
        setup_.Begin();
    else
        BeginGame();
    gameEnd_.StartCheckTimer();
    return true;
}

void Board::BeginGame()
{
    view_.FillMoveList();
    const bool commentBox = !game_.Info().computerGame;
    view_.PlayerComment()->setVisible(commentBox);
    view_.CommentLabel()->setVisible(commentBox);
    view_.MoveList()->setVisible(true);
    setup_.ShowSetupParts(false);
    gameEnd_.ShowDrawButtons();
    DisplayBoardState();
    toolbar_.DisplayToolbar();
    ApplyToolTips(*this, game_.Setup().Active(), showToolTips_);
    view_.SetListBusy(false);
}

void Board::SetPiecePallete()
{
    setup_.SetPiecePallete();
}

void Board::DisplayBoardState()
{
    BoardView* const CBoard = view_.Squares();
    CBoard->SetView(game_.Info().viewColour);
    CBoard->SetCoordsShown(game_.Marks().CoordsShown());
    CBoard->SetMarks(game_.Marks().Squares());
    CBoard->update();
    view_.SetFormCaptions();
    const bool enabled = game_.History().HighlightItemEnabled();
    const QList<QAction*> items = Menus().mnuHistoryMenu.actions();
    items[0]->setText(Q(game_.Marks().ItemCaption()));
    items[0]->setEnabled(enabled);
    items[2]->setEnabled(game_.History().FirstLastItemsEnabled());
    items[3]->setEnabled(game_.History().FirstLastItemsEnabled());
    toolbar_.SetButtonEnable();
    gameEnd_.ShowLogo();
}

void Board::ShowBoardMessage(const BoardMessage& message)
{
    // The timer stays idle while a message of the window is open.
    game_.Timer().SetMessageOpen(true);
    const auto reopenTimer = qScopeGuard([this] { game_.Timer().SetMessageOpen(false); });
    if (message.verbose) {
        Support::VerboseMessage(Q(message.text), Q(message.caption), message.soundCue);
        return;
    }
    Support::ShowMessage(message.icon, Q(message.caption), Q(message.text), QStringLiteral("OK"),
                         QString(), false, message.soundCue);
}

void Board::closeEvent(QCloseEvent* event)
{
    // The window closes itself once the move has gone.
    if (toolbar_.Sending()) {
        event->ignore();
        return;
    }
    computer_.StopComputerSearch();
    Form_Unload();
    event->accept();
}

// Closing: the game's status, the way back to the game list or the tray,
// mail polling resumed, then the new-move notification if moves came in.
void Board::Form_Unload()
{
    if (closing_)
        return;
    closing_ = true;
    gameEnd_.CheckTimer()->stop();
    Support::CloseHelp(this);
    Support::ProgramState& state = Support::Globals();
    auto movesPending = [&state] {
        return !QString::fromStdString(state.Mail.PendingMoveList).trimmed().isEmpty();
    };
    const ClosingSteps steps = PlanClosing({state.Quitting, returnToGameList_, skinReapplied_});
    if (steps.writeGameStatus)
        if (const std::optional<BoardMessage> failed = game_.SetGameStatus())
            ShowBoardMessage(*failed);
    if (steps.markSkinRefresh)
        state.SkinRefreshPending = true;
    if (steps.returnToGameList)
        port_.ReturnToGameList(game_.Info().gameId);
    if (LeaveGameList(steps, movesPending()))
        port_.LeaveGameList();
    if (steps.resumePolling)
        port_.BoardClosed();
    if (steps.updateTrayState)
        port_.UpdateTrayState(TrayIconModified);
    if (AnnounceNewMoves(steps, movesPending())) {
        hide();
        port_.NotifyNewMoves();
    }
}

void Board::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (ComputerThinking())
            computer_.CancelSearchFace_Click();
        else
            showMinimized();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace BoardSupport
