#include "shell/program_board.h"

#include "dialogs/credits.h"
#include "dialogs/print_start.h"
#include "foundation/chess_set.h"
#include "foundation/options_about_entry.h"
#include "foundation/picture_stores.h"
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "foundation/window_names.h"
#include "platform/mail_account_settings.h"
#include "shell/program_mail.h"
#include "shell/system_tray.h"
#include "shell/tray_state.h"
#include "store/move_files.h"

namespace SysTraySupport {

namespace {

const QString BoardWindowName = QLatin1String(WindowNames::Board);
const QString GameListWindowName = QLatin1String(WindowNames::GameInterface);

// What the board reads of the program's state when it opens a game.
BoardSupport::BoardOptions CurrentBoardOptions(const Support::GameToOpen& game, bool returnToGameList)
{
    const Support::ProgramState& state = Support::Globals();
    const Support::Settings& settings = Support::ProgramSettings();
    BoardSupport::BoardOptions options;
    options.returnToGameList = returnToGameList;
    options.request.gameId = game.GameId();
    // A new game goes to the board as it was asked for, with the name the
    // player's mails carry.
    options.request.newGame = game.NewGame();
    if (options.request.newGame)
        options.request.newGameOwnName = MailSupport::OwnDisplayName(MailSupport::LoadMailAccount());
    options.request.defaultView = settings.DefaultView;
    options.request.mailOffline = state.Mail.MailOffline;
    options.request.standAlone = state.Mail.StandAloneMode;
    options.simpleUI = settings.SimpleUI;
    options.showToolTips = settings.ShowToolTips;
    return options;
}

} // namespace

Printing::BoardToPrint CurrentBoardToPrint(const BoardSupport::BoardPrintout& printout)
{
    Printing::BoardToPrint board;
    board.squares = printout.squares;
    board.blackAtBottom = printout.blackAtBottom;
    board.gameID = printout.gameId;
    board.newGameName = QString::fromStdString(printout.newGameTitle);
    board.newOpponentName = QString::fromStdString(printout.newGameOpponent);
    board.selectedRow = printout.selectedRow;
    board.notation = QString::fromStdString(printout.notation);
    board.comment = QString::fromStdString(printout.comment);
    return board;
}

QPixmap TrayPictures::ChessSetCell(int cell)
{
    return Support::Pictures().ChessSet.GraphicCell(cell);
}

QPixmap TrayPictures::DragIcon(int image)
{
    return Support::Pictures().IconSet.ListImages(image);
}

ProgramBoard::ProgramBoard(GameListPort& gameList, TrayMenuPort& menu) : gameList_(gameList), menu_(menu)
{
}

ProgramBoard::~ProgramBoard()
{
    delete window_.data();
    // A board still open as the program ends: the polling has stopped for good.
    if (pause_)
        pause_->Abandon();
}

bool ProgramBoard::LoadChessSet()
{
    const Support::Settings& settings = Support::ProgramSettings();
    return Support::LoadChessSet(settings.ChessSet, settings.ChessBoard);
}

bool ProgramBoard::BoardOpen() const
{
    return window_ && !window_->Closing();
}

void ProgramBoard::OpenBoard(const Support::GameToOpen& game, bool returnToGameList)
{
    // A board still open may hold a move not sent yet: it is never replaced
    // behind the player's back; it comes to the front instead.
    if (BoardOpen()) {
        Support::BringToTop(window_.data());
        return;
    }
    if (BoardSupport::Board* previous = window_.data()) {
        // The board before may still be closing: its closing notifies the
        // next pending game, whose Play ends up here. It goes once its close
        // is over, and its going no longer speaks for the board open now.
        QObject::disconnect(forgetOnDestroy_);
        previous->hide();
        previous->deleteLater();
    }
    // Taken inside the opener's own pause, which hands it what it found.
    pause_.emplace();
    auto* board = new BoardSupport::Board(*this, Support::ProgramDataFolder());
    board->setAttribute(Qt::WA_DeleteOnClose, true);
    window_ = board;
    if (!board->Form_Load(CurrentBoardOptions(game, returnToGameList))) {
        // A board that could not open closes at once, as its close would.
        board->close();
        return;
    }
    Support::RegisterWindow(BoardWindowName, {[this] {
                                                  if (window_)
                                                      window_->close();
                                              },
                                              {}});
    forgetOnDestroy_ =
        QObject::connect(board, &QObject::destroyed, [] { Support::ForgetWindow(BoardWindowName); });
    board->show();
    board->raise();
    board->activateWindow();
}

void ProgramBoard::ReturnToGameList(int currentGameId)
{
    gameList_.FillGameList(currentGameId > 0 ? std::optional<int>(currentGameId) : std::nullopt);
    gameList_.ShowGameList();
}

void ProgramBoard::LeaveGameList()
{
    menu_.PopulateTrayGameMenu();
    Support::UnloadWindow(GameListWindowName);
    menu_.SetMenuOptions();
}

void ProgramBoard::BoardClosed()
{
    // The polling as the board's opener found it (running, as a rule).
    pause_.reset();
}

static_assert(BoardSupport::TrayIconModified == SysTraySupport::TrayModify);

void ProgramBoard::UpdateTrayState(int action)
{
    SysTraySupport::UpdateTrayState(action);
}

void ProgramBoard::NotifyNewMoves()
{
    Support::NotifyNewMoves();
}

void ProgramBoard::PrintCurrentBoardState(const BoardSupport::BoardPrintout& printout, QWidget& owner)
{
    PrintSupport::PrintCurrentBoardState(CurrentBoardToPrint(printout), &owner);
}

void ProgramBoard::ShowCredits()
{
    CreditsSupport::RunCredits();
}

void ProgramBoard::ComputerThinking(bool thinking)
{
    menu_.FollowComputerThinking(thinking);
}

bool ProgramBoard::SendMoveMail(int gameId)
{
    return RunOnMail(
        [gameId](MailSupport::Transport& t) { return MailSupport::SendMoveMail(t, gameId); });
}

bool ProgramBoard::ExportMoveFile(int gameId)
{
    return RunOnMail(
        [gameId](MailSupport::Transport& t) { return MailSupport::ExportMoveFile(t, gameId); });
}

bool ProgramBoard::RunOnMail(std::function<bool(MailSupport::Transport&)> call)
{
    if (!mail_)
        return false;
    // An operation the ending program abandons may finish after this call
    // has returned: it writes its answer into a result it shares.
    auto done = std::make_shared<bool>(false);
    const bool ran =
        mail_->Run([done, call = std::move(call)](MailSupport::Transport& t) { *done = call(t); });
    return ran && *done;
}

} // namespace SysTraySupport
