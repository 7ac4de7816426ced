// The board window's toolbar and its commands: the seven skinned picture
// buttons and their plain twins, laid out for play or set-up, enabled and
// captioned from the controller's command state; and the commands behind
// them that store, send, resend and take back the player's move.
#include "board/board_toolbar.h"

#include "board/board_panel.h"
#include "board/board_window.h"
#include "board/game_end_controls.h"

#include "board/board_layout.h"
#include "foundation/picture_clip.h"
#include "foundation/qt_text.h"
#include "foundation/skinned_button.h"
#include "store/database.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace BoardSupport {

namespace {

// A column of buttons left of the board, as tall as the board.
inline constexpr int ToolbarWidthTwips = 960;
inline constexpr int ToolbarHeightTwips = 600;
inline constexpr int ToolbarPitchTwips = 900;
inline constexpr QPoint SkinnedToolbarTwips(600, 555);
// The plain column fills the room left of the plain board, its buttons a
// little wider for the longest caption ("View opponent").
inline constexpr QPoint PlainToolbarTwips(30, 390);
inline constexpr int PlainToolbarWidthTwips = 1080;
inline constexpr int PlainToolbarPointSize = 7;

QRect ToolbarRect(QPoint origin, int index, int width = ToolbarWidthTwips)
{
    return PxRect(origin.x(), origin.y() + (index - 1) * ToolbarPitchTwips, width, ToolbarHeightTwips);
}

using Support::Q;

} // namespace

BoardToolbar::BoardToolbar(Board& window, GameController& game, BoardHost& port)
    : window_(window), game_(game), port_(port)
{
}

void BoardToolbar::CreatePictures()
{
    pics_ = new Support::PictureClip(&window_, QStringLiteral("ToolbarPics"), 6, 4);
    setupPics_ = new Support::PictureClip(&window_, QStringLiteral("SetupToolbarPics"), 3, 3);
}

void BoardToolbar::Create()
{
    for (int i = 1; i <= ToolbarButtons; ++i) {
        auto* picture = new QLabel(&window_);
        picture->setObjectName(QStringLiteral("Toolbar1_%1").arg(i));
        picture->setGeometry(ToolbarRect(SkinnedToolbarTwips, i));
        picture->setScaledContents(true);
        auto* face = new Support::ButtonFace(picture);
        face->setObjectName(QStringLiteral("Toolbar1Face_%1").arg(i));
        face->setGeometry(picture->rect());
        QObject::connect(face, &Support::ButtonFace::MouseDown, &window_,
                         [this, i] { Toolbar1_MouseDown(i); });
        QObject::connect(face, &Support::ButtonFace::MouseUp, &window_,
                         [this, i] { Toolbar1_MouseUp(i); });
        QObject::connect(face, &Support::ButtonFace::Click, &window_, [this, i] { Click(i); });
        pictures_[std::size_t(i)] = picture;
        faces_[std::size_t(i)] = face;

        auto* plain = new QPushButton(&window_);
        plain->setObjectName(QStringLiteral("Toolbar1S_%1").arg(i));
        plain->setGeometry(ToolbarRect(PlainToolbarTwips, i, PlainToolbarWidthTwips));
        plain->setFocusPolicy(Qt::TabFocus);
        QFont font = plain->font();
        font.setPointSize(PlainToolbarPointSize);
        plain->setFont(font);
        QObject::connect(plain, &QPushButton::clicked, &window_, [this, i] { Toolbar1S_Click(i); });
        buttons_[std::size_t(i)] = plain;
        picture->hide();
        plain->hide();
    }
}

QPixmap BoardToolbar::FacePicture(const ToolbarFace& face) const
{
    return face.strip == FaceStrip::SetupToolbar ? setupPics_->GraphicCell(face.cell)
                                                 : pics_->GraphicCell(face.cell);
}

void BoardToolbar::ShowButton(int index, const ButtonState& state)
{
    QLabel* picture = Picture(index);
    QPushButton* plain = Button(index);
    picture->setPixmap(FacePicture(state.face));
    Face(index)->setEnabled(state.enabled);
    picture->setVisible(!window_.SimpleUI() && state.visible);
    plain->setText(Q(state.caption));
    plain->setEnabled(state.enabled);
    plain->setVisible(window_.SimpleUI() && state.visible);
}

void BoardToolbar::DisplayToolbar()
{
    // The layout for the mode; the enabling follows at once, so that the
    // two never disagree.
    commands_ = ComputeCommandState(game_.Display().Commands());
    ApplyCommandState();
}

void BoardToolbar::SetButtonEnable()
{
    // In set-up mode only Play changes, with what stands on the board.
    DisplayToolbar();
}

void BoardToolbar::RefreshBoardButtons()
{
    DisplayToolbar();
}

void BoardToolbar::ApplyCommandState()
{
    const CommandState& state = commands_;
    for (int i = 1; i <= ToolbarButtons; ++i)
        ShowButton(i, state.Button(i));
    if (SetupMode())
        return;
    window_.GameEnd().AcceptDraw()->SetEnabled(state.drawAnswerEnabled);
    window_.GameEnd().DeclineDraw()->SetEnabled(state.drawAnswerEnabled);
    window_.View().PlayerComment()->setEnabled(state.commentEnabled);
    window_.View().PlayerComment()->setReadOnly(!state.commentEnabled);
    if (CommandsChanged)
        CommandsChanged(state);
}

void BoardToolbar::Toolbar1_MouseDown(int index)
{
    Picture(index)->setPixmap(FacePicture(PressedFace(index, SetupMode(), commands_.closeMode)));
}

void BoardToolbar::Toolbar1_MouseUp(int index)
{
    Picture(index)->setPixmap(FacePicture(ReleasedFace(index, SetupMode(), commands_.closeMode)));
}

void BoardToolbar::Toolbar1S_Click(int index)
{
    Click(index);
    if (!window_.Closing() && !SetupMode())
        window_.View().MoveList()->setFocus();
}

void BoardToolbar::Click(int index)
{
    if (index < 1 || index > ToolbarButtons || busy_)
        return;
    // The menus reach here too: a command that may not run now does nothing.
    if (!commands_.Button(index).enabled || !commands_.Button(index).visible)
        return;
    // Buttons 4 to 6 carry the set-up commands in set-up mode; the set-up
    // keeps its own buttons up to date.
    const bool setup = SetupMode();
    switch (index) {
    case ViewButton:
        window_.View().ChangeView();
        break;
    case CoordinatesButton:
        window_.View().ToggleCoords();
        break;
    case UndoButton:
        if (!setup)
            UndoLastMove();
        break;
    case SendButton:
        if (setup)
            window_.Setup().SetupReset();
        else if (!game_.Info().computerGame)
            SendNewMove();
        else if (SaveMove())
            window_.Computer().MakeComputerMove();
        break;
    case ResendButton:
        if (setup)
            window_.Setup().SetupClear();
        else if (game_.Info().computerGame)
            window_.Computer().MakeComputerMove();
        else
            ResendLastMove();
        break;
    case SurrenderButton:
        if (setup)
            window_.Setup().SetupPlay();
        else
            window_.GameEnd().SurrenderGame();
        break;
    case CloseButton:
        window_.close();
        break;
    default:
        break;
    }
    if (!setup && !window_.Closing())
        SetButtonEnable();
}

bool BoardToolbar::SaveMove()
{
    const SaveResult saved =
        game_.SaveMove(window_.View().PlayerComment()->text().toStdString(), ReadClock());
    if (!saved.ok && saved.message)
        window_.ShowBoardMessage(*saved.message);
    SetButtonEnable();
    return saved.ok;
}

void BoardToolbar::SendNewMove()
{
    // A move that could not be stored stays on the board, unsent.
    if (!SaveMove())
        return;
    TransmitGame(game_.Info().savedGameId);
    window_.close();
}

void BoardToolbar::ResendLastMove()
{
    TransmitGame(game_.Info().gameId);
    window_.close();
}

void BoardToolbar::TransmitGame(int gameId)
{
    // The window stays responsive while the mail goes, but takes no
    // second command meanwhile.
    busy_ = true;
    window_.setEnabled(false);
    switch (game_.Info().Transport()) {
    case MoveTransport::Mail:
        port_.SendMoveMail(gameId);
        break;
    case MoveTransport::MoveFile:
        port_.ExportMoveFile(gameId);
        break;
    case MoveTransport::None:
        break;
    }
    window_.setEnabled(true);
    busy_ = false;
}

void BoardToolbar::UndoLastMove()
{
    window_.View().SetListBusy(true);
    game_.UndoLastMove();
    window_.GameEnd().ShowDrawButtons();
    window_.View().FillMoveList();
    window_.DisplayBoardState();
    window_.View().SetListBusy(false);
    SetButtonEnable();
}

void BoardToolbar::SaveComputerMove()
{
    if (SaveMove())
        Database::BackupDatabase(game_.Info().folder, false);
}

} // namespace BoardSupport
