#include "shell/program_board.h"

#include "foundation/picture_clip.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "shell/chess_set.h"
#include "shell/image_list.h"
#include "shell/new_game_form.h"
#include "shell/new_game_kind.h"
#include "shell/picture_stores.h"
#include "shell/system_tray.h"

#include <QFile>

namespace SysTraySupport {

namespace {

const QString BoardWindowName = QStringLiteral("Board");
const QString GameListWindowName = QStringLiteral("GameInterface");

// What the board reads of the program's state when it opens a game.
BoardSupport::BoardOptions CurrentBoardOptions()
{
    const Support::ProgramState& state = Support::Globals();
    const Support::Settings& settings = Support::ProgramSettings();
    BoardSupport::BoardOptions options;
    options.request.gameId = state.CurrentGameID;
    if (state.CurrentGameID == -1) {
        // A new game: of the kind its starter chose, against the opponent
        // the new-game dialog holds.
        options.request.newGameVsComputer = Support::NextNewGame().ComputerGame;
        if (const std::optional<Support::NewGameDetails> details = Support::OpenNewGameDetails())
            options.request.newGameOpponent = details->OpponentsName.toStdString();
    }
    options.request.defaultView = settings.DefaultView;
    options.request.mailOffline = state.Mail.MailOffline;
    options.request.standAlone = state.Mail.StandAloneMode;
    options.simpleUI = settings.SimpleUI;
    options.showToolTips = settings.ShowToolTips;
    return options;
}

Database::DataFolder ProgramDataFolder()
{
    return Database::DataFolder(QFile::encodeName(Support::Globals().DataPath).toStdString());
}

} // namespace

QPixmap TrayPictures::ChessSetCell(int cell)
{
    QWidget* tray = Support::Globals().TrayForm;
    const Support::PictureClip* set = tray ? FindChessSet(*tray) : nullptr;
    return set ? set->GraphicCell(cell) : QPixmap();
}

QPixmap TrayPictures::DragIcon(int image)
{
    QWidget* tray = Support::Globals().TrayForm;
    const ImageList* icons = tray ? FindIconSet(*tray) : nullptr;
    return icons ? icons->ListImages(image) : QPixmap();
}

ProgramBoard::ProgramBoard(GameListPort& gameList, TrayMenuPort& menu) : gameList_(gameList), menu_(menu) {}

ProgramBoard::~ProgramBoard()
{
    delete window_.data();
}

bool ProgramBoard::LoadChessSet()
{
    const Support::Settings& settings = Support::ProgramSettings();
    return SysTraySupport::LoadChessSet(settings.ChessSet, settings.ChessBoard);
}

void ProgramBoard::OpenBoard()
{
    delete window_.data();
    auto* board = new BoardSupport::Board(*this, ProgramDataFolder());
    board->setAttribute(Qt::WA_DeleteOnClose, true);
    window_ = board;
    if (!board->Form_Load(CurrentBoardOptions())) {
        // A board that could not open closes at once, as its close would.
        board->close();
        return;
    }
    Support::RegisterWindow(BoardWindowName, {[this] {
                                                  if (window_)
                                                      window_->close();
                                              },
                                              {}});
    QObject::connect(board, &QObject::destroyed, [] { Support::ForgetWindow(BoardWindowName); });
    board->show();
    board->raise();
    board->activateWindow();
}

void ProgramBoard::ReturnToGameList(int currentGameId)
{
    Support::UnloadNewGameInfo();
    gameList_.FillGameList(currentGameId > 0 ? std::optional<int>(currentGameId) : std::nullopt);
    gameList_.ShowGameList();
}

void ProgramBoard::LeaveGameList()
{
    Support::UnloadNewGameInfo();
    menu_.PopulateTrayGameMenu();
    Support::UnloadWindow(GameListWindowName);
    menu_.SetMenuOptions();
}

void ProgramBoard::UpdateTrayState(int state)
{
    SysTraySupport::UpdateTrayState(state);
}

void ProgramBoard::NotifyNewMoves()
{
    Support::NotifyNewMoves();
}

} // namespace SysTraySupport
