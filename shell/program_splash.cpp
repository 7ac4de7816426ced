#include "shell/program_splash.h"

#include <QCoreApplication>

namespace SysTraySupport {

bool ProgramSplash::ShowSplash()
{
    window_.reset(new SplashSupport::SplashScreen(StartupTail, Clock));
    window_->Form_Load();
    window_->show();
    // The start-up goes on without pumping messages: paint the picture now.
    window_->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QObject::connect(window_.get(), &SplashSupport::SplashScreen::Unloaded, window_.get(),
                     [this] { window_.reset(); });
    return true;
}

} // namespace SysTraySupport
