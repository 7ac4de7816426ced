#pragma once
// The picture window that stands on the screen while the tray window starts
// the program. It chooses its picture by the display's colour depth, stays
// up for the minimum time and until the start-up has finished, and then,
// closed by its own timer, runs the last steps of the start-up (game list,
// tray icon, mail timer, new-move notification) that the tray window left
// to it. Closed by the program's shut-down it runs nothing.

#include "dialogs/splash_hand_over.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

namespace SplashSupport {

// The picture for a colour depth given as the display's "BitsPerPixel"
// text: "Splash8.bmp" below 16 bits (and for a missing or unreadable
// value), "Splash16.bmp" from 16 bits up, in the program folder's
// "UI Graphics" folder.
QString SplashPictureFile(const QString& programFolder, const QString& bitsPerPixel);

class SplashScreen : public QWidget {
    Q_OBJECT
public:
    // A monotonic clock in milliseconds; the window's own by default.
    using Clock = std::function<std::int64_t()>;

    // startupTail: what the closing runs; clock: replaceable for tests.
    explicit SplashScreen(std::function<void()> startupTail, Clock clock = {});
    ~SplashScreen() override;

    // Chooses and loads the picture, starts the timer and the clock and
    // registers the window with the shut-down.
    void Form_Load();
    // One look at the clock and at StartupDone.
    void SplashTimer_Timer();
    // Closes the window; byOwnTimer: the hand-over (the tail may run),
    // otherwise the program's shut-down (nothing runs).
    void Form_Unload(bool byOwnTimer);

    bool Closed() const { return closed_; }
    QString PictureFile() const { return pictureFile_; }

    QTimer SplashTimer;

signals:
    // The window has closed and may be released.
    void Unloaded();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> startupTail_;
    Clock clock_;
    std::optional<SplashHandOver> handOver_;
    QPixmap picture_;
    QString pictureFile_;
    bool closed_ = false;
};

} // namespace SplashSupport
