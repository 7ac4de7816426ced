#include "foundation/help_menu.h"

#include "foundation/help.h"
#include "foundation/options_about_entry.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "foundation/window_names.h"

namespace Support {

void FillHelpMenu(IndexedMenu& menu)
{
    menu.Add(0, QStringLiteral("Contents"));
    menu.Add(1, QStringLiteral("Index..."));
    menu.Add(2, QStringLiteral("Help"))->setShortcut(QKeySequence(Qt::Key_F1));
    menu.Separator(3);
    menu.Add(4, QStringLiteral("About..."));
    menu.Item(2)->setVisible(ProgramSettings().SimpleUI);
}

} // namespace Support

namespace MenuSupport {

void HelpMenuClick(QWidget* owner, int index)
{
    switch (index) {
    case 0:
        Support::ShowHelpContext(owner, Support::HelpContentsTopic);
        break;
    case 1:
        Support::ShowHelpContents(owner);
        break;
    case 2:
        Support::ShowHelpContext(owner,
                                 Support::IsWindowLoaded(QLatin1String(WindowNames::Board)) ? 5 : 3);
        break;
    case 4:
        Support::ShowAboutBox();
        break;
    default:
        break;
    }
}

} // namespace MenuSupport
