// Marrowdale: correspondence chess by e-mail. The hidden tray window starts
// the program and lives until it ends.
#include "dialogs/about_box.h"
#include "foundation/options_about_entry.h"
#include "foundation/program_state.h"
#include "options/options_page.h"
#include "options/select_sound.h"
#include "platform/termination_signal.h"
#include "shell/program_options.h"
#include "shell/program_services.h"
#include "shell/system_tray.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tallowmere"));
    QApplication::setApplicationName(QStringLiteral("Marrowdale"));
    // The program runs on with no window open: the tray icon is its face.
    QApplication::setQuitOnLastWindowClosed(false);
    Support::Globals().ProgramFolder = Support::DefaultProgramFolder();
    AboutSupport::InstallAboutBox();

    SysTraySupport::ProgramServices services;
    SysTraySupport::SystemTray tray(services.Services());
    services.Attach(tray);
    SysTraySupport::ProgramOptions options(&services.Board);
    Support::EntryWindows().RunOptionsPage = [&options] { OptionsSupport::RunOptionsPage(options); };
    Support::EntryWindows().PickMoveFile = [] { return OptionsSupport::AskForMoveFile(); };
    // A fatal failure late in the start (an unusable skin) ends the run
    // before the event loop could be told to stop.
    int exitCode = 1;
    if (tray.Form_Load() && !Support::Globals().Quitting) {
        // Asked by the desktop to end: the same exit as the tray menu's,
        // without waiting for an open menu or message.
        SysTraySupport::TerminationSignal terminate;
        QObject::connect(&terminate, &SysTraySupport::TerminationSignal::Received, &tray,
                         [&tray] { tray.RequestExit(true); });
        exitCode = app.exec();
    }
    // A mail operation that hung when the user chose Exit is left to die
    // with the process: everything is saved, and what it still holds must
    // not be torn down under it.
    if (services.Mail->LeftRunning()) {
        std::fflush(nullptr);
        std::_Exit(exitCode);
    }
    return exitCode;
}
