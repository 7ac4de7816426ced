// The board window's plain layout and its tool tips.
#include "board/plain_window.h"

#include "board/board_menu_bar.h"
#include "board/board_panel.h"
#include "board/board_view.h"
#include "board/board_window.h"
#include "board/computer_controls.h"
#include "board/game_end_controls.h"
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

void ApplyPlainLayout(Board& board)
{
    for (Support::SkinnedButton* button :
         {board.Computer().Cancel(), board.GameEnd().AcceptDraw(), board.GameEnd().DeclineDraw()})
        button->HideSkinned();
    for (QLabel* picture :
         board.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Toolbar1_\\d$"))))
        picture->hide();
    BoardMenuBar& bar = board.MenuBar();
    for (QWidget* plain : {bar.GameTitle(), bar.HistoryTitle(), bar.HelpTitle()})
        plain->show();
    for (QWidget* skinned :
         {bar.GameButton(), bar.HistoryButton(), bar.MinimiseButton(), bar.HelpButton()})
        skinned->hide();
    board.Menus().mnuIntHelpMenu.Item(Support::HelpHelp)->setVisible(true);

    BoardPanel& view = board.View();
    view.PlayerComment()->setFrame(true);
    view.PlayerComment()->resize(view.PlayerComment()->width(),
                                 Px(PlayerCommentTwips.height() + PlainCommentTallerTwips));
    view.CommentFrame()->resize(view.CommentFrame()->width(),
                                Px(LabelBoarderTwips.height() + PlainCommentRoomTwips) - 3);
    view.CommentFrame()->show();
    view.CommentFrame()->lower();
    view.MoveList()->setFrameStyle(QFrame::Box | QFrame::Plain);

    for (QWidget* control : board.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (const std::optional<TwipShift> shift = PlainShiftOf(control->objectName()))
            control->move(control->pos() + PlainPixelShift(*shift));
    view.Squares()->setGeometry(BoardRect(PlainBoardOrigin));
    board.setFixedSize(Px(WindowWidthTwips - PlainNarrowerTwips),
                       Px(WindowHeightTwips - PlainLowerTwips));
}

void ApplyToolTips(Board& board, bool setupMode, bool shown)
{
    for (const ControlTip& tip : BoardToolTips(setupMode, Support::GetVersionString()))
        if (QWidget* control = board.findChild<QWidget*>(tip.control))
            Support::SetToolTip(control, tip.text, shown);
}

} // namespace BoardSupport
