#include "platform/tray_icon.h"

#include <QCursor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>

namespace SysTraySupport {

namespace {

std::optional<bool> pretended;
constexpr int MaxTipLength = 63;

} // namespace

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) { }

TrayIcon::~TrayIcon()
{
    Delete();
}

bool TrayIcon::DesktopHasTray()
{
    if (pretended)
        return *pretended;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::PretendDesktopHasTray(std::optional<bool> hasTray)
{
    pretended = hasTray;
}

bool TrayIcon::DesktopReportsDoubleClicks()
{
    // The same question Qt asks before it puts the icon up over D-Bus.
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(watcher))
        return true;
    QDBusInterface host(watcher, QStringLiteral("/StatusNotifierWatcher"), watcher, bus);
    return !host.property("IsStatusNotifierHostRegistered").toBool();
}

TrayClick ClickFor(QSystemTrayIcon::ActivationReason reason, bool desktopReportsDoubleClicks)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        return TrayClick::Open;
    case QSystemTrayIcon::Trigger:
        return desktopReportsDoubleClicks ? TrayClick::None : TrayClick::Open;
    case QSystemTrayIcon::Context:
        return TrayClick::Menu;
    default:
        return TrayClick::None;
    }
}

void TrayIcon::Activate(QSystemTrayIcon::ActivationReason reason, bool desktopReportsDoubleClicks)
{
    switch (ClickFor(reason, desktopReportsDoubleClicks)) {
    case TrayClick::Open:
        emit DoubleClicked();
        break;
    case TrayClick::Menu:
        emit RightButtonReleased(MenuPoint());
        break;
    case TrayClick::None:
        break;
    }
}

QPoint TrayIcon::MenuPoint() const
{
    const QRect place = system_ ? system_->geometry() : QRect();
    return place.isValid() ? place.center() : QCursor::pos();
}

QString TrimTrayTip(const QString& tip)
{
    return tip.left(MaxTipLength);
}

bool TrayIcon::Add(const QIcon& icon, const QString& tip)
{
    if (!DesktopHasTray())
        return false;
    icon_ = icon;
    tip_ = TrimTrayTip(tip);
    shown_ = true;
    Show();
    return true;
}

bool TrayIcon::Modify(const QIcon& icon, const QString& tip)
{
    if (!shown_)
        return false;
    icon_ = icon;
    tip_ = TrimTrayTip(tip);
    Show();
    return true;
}

void TrayIcon::Delete()
{
    shown_ = false;
    if (system_) {
        system_->hide();
        system_.reset();
    }
}

void TrayIcon::Show()
{
    // A pretended area records only.
    if (pretended)
        return;
    if (!system_) {
        system_ = std::make_unique<QSystemTrayIcon>();
        const bool doubleClicks = DesktopReportsDoubleClicks();
        connect(system_.get(), &QSystemTrayIcon::activated, this,
                [this, doubleClicks](QSystemTrayIcon::ActivationReason reason) {
                    Activate(reason, doubleClicks);
                });
    }
    system_->setIcon(icon_);
    system_->setToolTip(tip_);
    system_->show();
}

} // namespace SysTraySupport
