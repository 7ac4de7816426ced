// The board window's small window events: clicks that clear the move
// marks, and the buttons drawn again after a new skin.
#include "board/board_window.h"

#include "board/board_view.h"
#include "foundation/options_about_entry.h"
#include "foundation/program_state.h"
#include "foundation/skinned_button.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace BoardSupport {

// After a new skin the buttons take their faces from it.
void Board::Form_Activate()
{
    Support::ProgramState& state = Support::Globals();
    if (!state.SkinRefreshPending)
        return;
    toolbar_.RefreshBoardButtons();
    if (!simpleUI_)
        for (Support::SkinnedButton* button :
             {gameEnd_.AcceptDraw(), gameEnd_.DeclineDraw(), computer_.Cancel()})
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
        view_.RemoveHilight();
    return QWidget::eventFilter(watched, event);
}

} // namespace BoardSupport
