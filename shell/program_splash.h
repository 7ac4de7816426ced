#pragma once
// The splash screen behind the tray window's splash port: shown while the
// start-up runs, it hands the last steps of the start-up back to the tray
// window as it closes.

#include "dialogs/splash_screen.h"
#include "shell/tray_services.h"

#include <functional>
#include <memory>

namespace SysTraySupport {

class ProgramSplash : public SplashPort {
public:
    // The start-up tail the splash runs as it closes (the tray window's).
    std::function<void()> StartupTail;
    // The splash's clock; the window's own when empty.
    SplashSupport::SplashScreen::Clock Clock;

    bool ShowSplash() override;
    // The splash while it stands, or nullptr.
    SplashSupport::SplashScreen* Window() const { return window_.get(); }

private:
    std::unique_ptr<SplashSupport::SplashScreen, void (*)(SplashSupport::SplashScreen*)> window_{
        nullptr, [](SplashSupport::SplashScreen* w) { w->deleteLater(); }};
};

} // namespace SysTraySupport
