#include "options/notification_page.h"

#include "options/option_controls.h"
#include "options/options_page.h"
#include "options/select_sound.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace OptionsSupport {

NotificationPage::NotificationPage(OptionsPage& window, GeneralOptions& options)
    : window_(window), options_(options)
{
}

NotificationPage::Box NotificationPage::AddBox(QWidget* page, OptionBox box, const QString& name,
                                               const QString& caption, const QPoint& at, int labelWidth)
{
    const CaptionedBox made = OptionsSupport::AddBox(page, name, caption, at, labelWidth, &window_);
    QObject::connect(made.box, &QCheckBox::clicked, &window_, [this, box](bool checked) {
        options_.BoxClicked(box, checked);
        window_.Refresh();
    });
    return {made.box, made.label};
}

void NotificationPage::Create(QWidget* page)
{
    notifySound_ = AddBox(page, OptionBox::NotifySound, QStringLiteral("opNotifySound"),
                          QStringLiteral("Play a sound"), {10, 14}, 110);
    browseSound_ = new QPushButton(QStringLiteral("..."), page);
    browseSound_->setObjectName(QStringLiteral("opBrowseSound"));
    browseSound_->setGeometry(142, 12, 30, 24);
    QObject::connect(browseSound_, &QPushButton::clicked, &window_, [this] {
        options_.BrowseSound(&AskForSoundFile);
        window_.Refresh();
    });
    soundName_ =
        AddLabel(page, QStringLiteral("opNotificationSound"), QString(), QRect(182, 14, 270, 20));
    soundName_->setTextFormat(Qt::PlainText);
    notifyDialog_ = AddBox(page, OptionBox::NotifyDialog, QStringLiteral("opNotifyDialog"),
                           QStringLiteral("Display a message"), {10, 46}, 190);
    AddLabel(page, QStringLiteral("Label4"), QStringLiteral("Notification dialog timeout:"),
             QRect(10, 84, 180, 20));
    timeout_ = AddCombo(page, QStringLiteral("opTimeoutCombo"), NotificationTimeoutItems(),
                        QRect(192, 82, 150, 24));
    QObject::connect(timeout_, &QComboBox::currentIndexChanged, &window_, [this](int index) {
        if (window_.Refreshing())
            return;
        options_.Controls().timeoutItem = index;
        options_.ControlChanged();
        window_.Refresh();
    });
}

QLabel* NotificationPage::CaptionLabel(OptionBox box) const
{
    if (box == OptionBox::NotifySound)
        return notifySound_.label;
    if (box == OptionBox::NotifyDialog)
        return notifyDialog_.label;
    return nullptr;
}

bool NotificationPage::LabelReleased(QObject* watched)
{
    for (const OptionBox box : {OptionBox::NotifySound, OptionBox::NotifyDialog})
        if (watched == CaptionLabel(box)) {
            options_.LabelClicked(box);
            window_.Refresh();
            return true;
        }
    return false;
}

void NotificationPage::Refresh()
{
    const GeneralControls& g = options_.Controls();
    {
        const QSignalBlocker block(timeout_);
        timeout_->setCurrentIndex(g.timeoutItem);
    }
    for (const auto& [box, checked] :
         {std::pair{notifySound_.box, g.notifySound}, std::pair{notifyDialog_.box, g.notifyDialog}}) {
        const QSignalBlocker block(box);
        box->setChecked(checked);
    }
    soundName_->setText(g.soundName);
    browseSound_->setEnabled(options_.BrowseSoundEnabled());
}

} // namespace OptionsSupport
