#include "shell/interim_tray_menu.h"

#include "foundation/options_about_entry.h"
#include "foundation/program_state.h"
#include "shell/system_tray.h"

namespace SysTraySupport {

InterimTrayMenu::InterimTrayMenu()
{
    mnuPopup.setObjectName(QStringLiteral("mnuPopup"));
    mnuPopupOpen = mnuPopup.addAction(QStringLiteral("&Open"));
    mnuPopupRetrieve = mnuPopup.addAction(QStringLiteral("&Retrieve games"));
    mnuPopupOptions = mnuPopup.addAction(QStringLiteral("O&ptions..."));
    mnuPopup.addSeparator();
    mnuPopupExit = mnuPopup.addAction(QStringLiteral("E&xit"));
    mnuPopup.setDefaultAction(mnuPopupOpen);
    QObject::connect(mnuPopupOpen, &QAction::triggered, [this] {
        if (tray_)
            tray_->ShowGameList();
    });
    QObject::connect(mnuPopupRetrieve, &QAction::triggered, [this] {
        if (tray_)
            tray_->mnuPopupRetrieve_Click();
    });
    QObject::connect(mnuPopupOptions, &QAction::triggered, [] { Support::ShowOptions(); });
    QObject::connect(mnuPopupExit, &QAction::triggered, [this] {
        if (tray_)
            tray_->mnuPopupExit_Click();
    });
}

void InterimTrayMenu::SetMenuOptions()
{
    const Support::ProgramState& state = Support::Globals();
    const bool offline = state.MailOffline && !state.StandAloneMode;
    mnuPopupRetrieve->setText(offline ? QStringLiteral("Logon / Retrieve games") : QStringLiteral("&Retrieve games"));
}

void InterimTrayMenu::PopupMenu(const QPoint& at)
{
    mnuPopupOpen->setEnabled(OpenItemEnabled());
    mnuPopup.exec(at);
}

bool InterimTrayMenu::OpenItemEnabled()
{
    return !(list_ && list_->GameListShown());
}

} // namespace SysTraySupport
