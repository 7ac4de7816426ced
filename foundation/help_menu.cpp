#include "foundation/help_menu.h"

#include "foundation/help.h"
#include "foundation/options_about_entry.h"
#include "foundation/settings.h"

namespace Support {

void FillHelpMenu(IndexedMenu& menu)
{
    menu.Add(HelpContents, QStringLiteral("Contents"));
    menu.Add(HelpIndex, QStringLiteral("Index..."));
    menu.Add(HelpHelp, QStringLiteral("Help"))->setShortcut(QKeySequence(Qt::Key_F1));
    menu.Separator(HelpSeparator);
    menu.Add(HelpAbout, QStringLiteral("About..."));
    menu.Item(HelpHelp)->setVisible(ProgramSettings().SimpleUI);
}

} // namespace Support

namespace MenuSupport {

void HelpMenuClick(QWidget* owner, int index, int helpTopic)
{
    switch (index) {
    case Support::HelpContents:
        Support::ShowHelpContext(owner, Support::HelpContentsTopic);
        break;
    case Support::HelpIndex:
        Support::ShowHelpContents(owner);
        break;
    case Support::HelpHelp:
        Support::ShowHelpContext(owner, helpTopic);
        break;
    case Support::HelpAbout:
        Support::ShowAboutBox();
        break;
    default:
        break;
    }
}

} // namespace MenuSupport
