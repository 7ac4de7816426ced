#include "platform/tray_icon.h"

#include <QCursor>
#include <QSystemTrayIcon>

namespace SysTraySupport {

namespace {

std::optional<bool> pretended;
constexpr int MaxTipLength = 63;

} // namespace

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {}

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
        connect(system_.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::DoubleClick)
                        emit DoubleClicked();
                    else if (reason == QSystemTrayIcon::Context)
                        emit RightButtonReleased(QCursor::pos());
                });
    }
    system_->setIcon(icon_);
    system_->setToolTip(tip_);
    system_->show();
}

} // namespace SysTraySupport
