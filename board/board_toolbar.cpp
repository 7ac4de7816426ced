// The board window's toolbar and its commands: the seven skinned picture
// buttons and their plain twins, laid out for play or set-up, enabled and
// captioned from the controller's command state; and the commands behind
// them that store, send, resend and take back the player's move.
#include "board/board_window.h"

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

void Board::CreateToolbar()
{
    for (int i = 1; i <= ToolbarButtons; ++i) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("Toolbar1_%1").arg(i));
        picture->setGeometry(ToolbarRect(SkinnedToolbarTwips, i));
        picture->setScaledContents(true);
        auto* face = new Support::ButtonFace(picture);
        face->setObjectName(QStringLiteral("Toolbar1Face_%1").arg(i));
        face->setGeometry(picture->rect());
        connect(face, &Support::ButtonFace::MouseDown, this, [this, i] { Toolbar1_MouseDown(i); });
        connect(face, &Support::ButtonFace::MouseUp, this, [this, i] { Toolbar1_MouseUp(i); });
        connect(face, &Support::ButtonFace::Click, this, [this, i] { ToolbarClick(i); });
        Toolbar1[i] = picture;
        Toolbar1Face[i] = face;

        auto* plain = new QPushButton(this);
        plain->setObjectName(QStringLiteral("Toolbar1S_%1").arg(i));
        plain->setGeometry(ToolbarRect(PlainToolbarTwips, i, PlainToolbarWidthTwips));
        plain->setFocusPolicy(Qt::TabFocus);
        QFont font = plain->font();
        font.setPointSize(PlainToolbarPointSize);
        plain->setFont(font);
        connect(plain, &QPushButton::clicked, this, [this, i] { Toolbar1S_Click(i); });
        Toolbar1S[i] = plain;
        picture->hide();
        plain->hide();
    }
}

QPixmap Board::FacePicture(const ToolbarFace& face) const
{
    return face.strip == FaceStrip::SetupToolbar ? SetupToolbarPics->GraphicCell(face.cell)
                                                 : ToolbarPics->GraphicCell(face.cell);
}

void Board::ShowButton(int index, const ButtonState& state)
{
    QLabel* picture = Toolbar1[index];
    QPushButton* plain = Toolbar1S[index];
    picture->setPixmap(FacePicture(state.face));
    Toolbar1Face[index]->setEnabled(state.enabled);
    picture->setVisible(!simpleUI_ && state.visible);
    plain->setText(Q(state.caption));
    plain->setEnabled(state.enabled);
    plain->setVisible(simpleUI_ && state.visible);
}

void Board::DisplayToolbar()
{
    // The layout for the mode; the enabling follows at once, so that the
    // two never disagree.
    commands_ = ComputeCommandState(game_.Display().Commands());
    ApplyCommandState();
}

void Board::SetButtonEnable()
{
    // In set-up mode only Play changes, with what stands on the board.
    DisplayToolbar();
}

void Board::RefreshBoardButtons()
{
    DisplayToolbar();
}

void Board::ApplyCommandState()
{
    const CommandState& state = commands_;
    for (int i = 1; i <= ToolbarButtons; ++i)
        ShowButton(i, state.Button(i));
    if (SetupMode())
        return;
    AcceptDraw->SetEnabled(state.drawAnswerEnabled);
    DeclineDraw->SetEnabled(state.drawAnswerEnabled);
    PlayerComment->setEnabled(state.commentEnabled);
    PlayerComment->setReadOnly(!state.commentEnabled);
    if (CommandsChanged)
        CommandsChanged(state);
}

void Board::Toolbar1_MouseDown(int index)
{
    Toolbar1[index]->setPixmap(FacePicture(PressedFace(index, SetupMode(), commands_.closeMode)));
}

void Board::Toolbar1_MouseUp(int index)
{
    Toolbar1[index]->setPixmap(FacePicture(ReleasedFace(index, SetupMode(), commands_.closeMode)));
}

void Board::Toolbar1S_Click(int index)
{
    ToolbarClick(index);
    if (!windowClosing_ && !SetupMode())
        MoveList->setFocus();
}

void Board::ToolbarClick(int index)
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
        ChangeView();
        break;
    case CoordinatesButton:
        ToggleCoords();
        break;
    case UndoButton:
        if (!setup)
            UndoLastMove();
        break;
    case SendButton:
        if (setup)
            SetupReset();
        else if (!game_.Info().computerGame)
            SendNewMove();
        else if (SaveMove())
            MakeComputerMove();
        break;
    case ResendButton:
        if (setup)
            SetupClear();
        else if (game_.Info().computerGame)
            MakeComputerMove();
        else
            ResendLastMove();
        break;
    case SurrenderButton:
        if (setup)
            SetupPlay();
        else
            SurrenderGame();
        break;
    case CloseButton:
        close();
        break;
    default:
        break;
    }
    if (!setup && !windowClosing_)
        SetButtonEnable();
}

bool Board::SaveMove()
{
    const SaveResult saved = game_.SaveMove(PlayerComment->text().toStdString(), ReadClock());
    if (!saved.ok && saved.message)
        ShowBoardMessage(*saved.message);
    SetButtonEnable();
    return saved.ok;
}

void Board::SendNewMove()
{
    // A move that could not be stored stays on the board, unsent.
    if (!SaveMove())
        return;
    TransmitGame(game_.Info().savedGameId);
    close();
}

void Board::ResendLastMove()
{
    TransmitGame(game_.Info().gameId);
    close();
}

void Board::TransmitGame(int gameId)
{
    // The window stays responsive while the mail goes, but takes no
    // second command meanwhile.
    busy_ = true;
    setEnabled(false);
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
    setEnabled(true);
    busy_ = false;
}

void Board::UndoLastMove()
{
    moveListBusy_ = true;
    game_.UndoLastMove();
    ShowDrawButtons();
    FillMoveList();
    DisplayBoardState();
    moveListBusy_ = false;
    SetButtonEnable();
}

void Board::SaveComputerMove()
{
    if (SaveMove())
        Database::BackupDatabase(game_.Info().folder, false);
}

} // namespace BoardSupport
