#pragma once
// The program's icon in the desktop's notification area, on QSystemTrayIcon.
// It keeps what it was last told (shown, picture, tool tip) so the program
// and its tests can read the state back. Where the desktop has no
// notification area the icon is never put up; the program then runs with
// its game list as the main window.

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>

#include <memory>
#include <optional>

#include <QSystemTrayIcon>

namespace SysTraySupport {

class TrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // Whether the desktop offers a notification area now. A test may
    // pretend either way (nullopt asks the desktop again); a pretended area
    // records the icon without showing anything.
    static bool DesktopHasTray();
    static void PretendDesktopHasTray(std::optional<bool> hasTray);
    // Whether the notification area reports double-clicks (it does unless
    // it is a D-Bus status-notifier host).
    static bool DesktopReportsDoubleClicks();

    // Add puts the icon up, Modify changes a shown icon, Delete takes it
    // down. False when there is no notification area or (Modify) no icon.
    bool Add(const QIcon& icon, const QString& tip);
    bool Modify(const QIcon& icon, const QString& tip);
    void Delete();

    bool IsShown() const { return shown_; }
    QString Tip() const { return tip_; }
    QIcon Icon() const { return icon_; }

    // The two mouse messages the program acts on, from the user or a test.
    void SimulateDoubleClick() { emit DoubleClicked(); }
    void SimulateRightRelease(const QPoint& at) { emit RightButtonReleased(at); }
    // A click as the desktop reports it.
    void Activate(QSystemTrayIcon::ActivationReason reason, bool desktopReportsDoubleClicks);

signals:
    // The double-click, or the single activation of a tray without one.
    void DoubleClicked();
    // The right button was released over the icon; the menu belongs at
    // this screen point.
    void RightButtonReleased(const QPoint& at);

private:
    void Show();
    // Beside the icon where the tray tells its place, else at the pointer.
    QPoint MenuPoint() const;

    std::unique_ptr<QSystemTrayIcon> system_;
    bool shown_ = false;
    QString tip_;
    QIcon icon_;
};

// What a mouse message of the icon asks of the program.
enum class TrayClick { None, Open, Menu };

// Trays that speak the desktop's D-Bus status-notifier protocol (KDE Plasma,
// GNOME's AppIndicator) report one activation per click and never a
// double-click: there the single activation opens the game list. The older
// embedded trays report both, and only the double-click opens it.
TrayClick ClickFor(QSystemTrayIcon::ActivationReason reason, bool desktopReportsDoubleClicks);

// The notification area shows at most 63 characters of a tool tip.
QString TrimTrayTip(const QString& tip);

} // namespace SysTraySupport
