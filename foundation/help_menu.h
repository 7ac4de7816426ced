#pragma once
// The Help menu, shown by the game list and by the board: "Contents",
// "Index...", "Help" (only in the plain layout, where no help button is
// drawn; F1), a separator and "About...".

#include "foundation/indexed_menu.h"

class QWidget;

namespace Support {

enum HelpItem : int { HelpContents = 0, HelpIndex = 1, HelpHelp = 2, HelpSeparator = 3, HelpAbout = 4 };

void FillHelpMenu(IndexedMenu& menu);

} // namespace Support

namespace MenuSupport {

// The Help menu's items for the window that showed it; "Help" opens the
// topic that window hands in.
void HelpMenuClick(QWidget* owner, int index, int helpTopic);

} // namespace MenuSupport
