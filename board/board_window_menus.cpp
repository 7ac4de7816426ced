// The board window's menu commands and small window events: the options
// and printing, clicks that clear the move marks, and the buttons drawn
// again after a new skin.
#include "board/board_window.h"

#include "board/board_view.h"
#include "foundation/options_about_entry.h"
#include "foundation/program_state.h"
#include "foundation/skinned_button.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace BoardSupport {

void Board::RemoveHilight()
{
    if (!game_.HilightShown())
        return;
    game_.RemoveHilight();
    DisplayBoardState();
}

void Board::ShowOptions()
{
    Support::ShowOptions();
    // A new set that could not be loaded has closed the board already, and
    // the user has been told.
    if (closing_)
        return;
    if (!port_.LoadChessSet()) {
        close();
        return;
    }
    view_.Squares()->update();
    DisplayBoardState();
    if (SetupMode())
        setup_.SetPiecePallete();
}

void Board::PrintCurrentBoardState()
{
    port_.PrintCurrentBoardState(game_, *this);
}

// After a new skin the buttons take their faces from it.
void Board::Form_Activate()
{
    Support::ProgramState& state = Support::Globals();
    if (!state.SkinRefreshPending)
        return;
    toolbar_.RefreshBoardButtons();
    if (!simpleUI_)
        for (Support::SkinnedButton* button : {gameEnd_.AcceptDraw(), gameEnd_.DeclineDraw(), computer_.Cancel()})
            if (button->picture->isVisible())
                button->picture->setPixmap(Support::ButtonFaceCell(button->face->isEnabled() ? 0 : 1));
    skinReapplied_ = true;
    state.SkinRefreshPending = false;
}

void Board::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    QWidget::changeEvent(event);
}

// A click on the window, the players' tag or the comments clears the move
// marks. On the skinned window a press starts a drag and makes no click.
bool Board::eventFilter(QObject* watched, QEvent* event)
{
    const bool windowClick = watched == this && event->type() == QEvent::MouseButtonRelease
                             && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    const bool controlClick = watched != this && event->type() == QEvent::MouseButtonPress;
    if (windowClick || controlClick)
        RemoveHilight();
    return QWidget::eventFilter(watched, event);
}

} // namespace BoardSupport
