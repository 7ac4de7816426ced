// The board window's plain layout and its tool tips.
#include "board/board_window.h"

#include "board/board_view.h"
#include "board/plain_layout.h"
#include "foundation/press_label.h"
#include "foundation/settings.h"
#include "foundation/skinned_button.h"
#include "foundation/tool_tip.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTableWidget>

namespace BoardSupport {

// Runs once as the window loads; the skinned look never comes back.
void Board::SetSimpleUI()
{
    for (Support::SkinnedButton* button : {CancelSearch, AcceptDraw, DeclineDraw})
        button->HideSkinned();
    for (QLabel* picture : findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Toolbar1_\\d$"))))
        picture->hide();
    for (QWidget* plain : {GameMenu_L, HistoryMenu_L, HelpMenu_L})
        plain->show();
    for (QWidget* skinned : {Menu1Button, Menu2Button, MinimiseButton, HelpButton})
        skinned->hide();
    Menus.mnuIntHelpMenu.Item(Support::HelpHelp)->setVisible(true);

    PlayerComment->setFrame(true);
    PlayerComment->resize(PlayerComment->width(),
                          Px(PlayerCommentTwips.height() + PlainCommentTallerTwips));
    LabelBoarder_L->resize(LabelBoarder_L->width(),
                           Px(LabelBoarderTwips.height() + PlainCommentRoomTwips) - 3);
    LabelBoarder_L->show();
    LabelBoarder_L->lower();
    MoveList->setFrameStyle(QFrame::Box | QFrame::Plain);

    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (const std::optional<TwipShift> shift = PlainShiftOf(control->objectName()))
            control->move(control->pos() + PlainPixelShift(*shift));
    CBoard->setGeometry(BoardRect(PlainBoardOrigin));
    setFixedSize(Px(WindowWidthTwips - PlainNarrowerTwips), Px(WindowHeightTwips - PlainLowerTwips));
}

// The texts follow the mode, so entering play or set-up mode sets them.
void Board::SetToolTips()
{
    for (const ControlTip& tip : BoardToolTips(InSetupMode(), Support::GetVersionString()))
        if (QWidget* control = findChild<QWidget*>(tip.control))
            Support::SetToolTip(control, tip.text, showToolTips_);
}

} // namespace BoardSupport
