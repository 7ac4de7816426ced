#pragma once
// The options window's Notification page: how a new move is told (a sound,
// a message), the sound chosen and how long the message stays.

#include "options/general_options.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QObject;
class QPushButton;
class QWidget;

namespace OptionsSupport {

class OptionsPage;

class NotificationPage {
public:
    NotificationPage(OptionsPage& window, GeneralOptions& options);

    void Create(QWidget* page);
    void Refresh();
    // A release on one of this page's caption labels toggles its box.
    bool LabelReleased(QObject* watched);

    QCheckBox* NotifySound() const { return notifySound_.box; }
    QCheckBox* NotifyDialog() const { return notifyDialog_.box; }
    QLabel* CaptionLabel(OptionBox box) const;
    QPushButton* BrowseSound() const { return browseSound_; }
    QLabel* SoundName() const { return soundName_; }
    QComboBox* Timeout() const { return timeout_; }

private:
    struct Box {
        QCheckBox* box = nullptr;
        QLabel* label = nullptr;
    };
    Box AddBox(QWidget* page, OptionBox box, const QString& name, const QString& caption,
               const QPoint& at, int labelWidth);

    OptionsPage& window_;
    GeneralOptions& options_;
    Box notifySound_;
    Box notifyDialog_;
    QPushButton* browseSound_ = nullptr;
    QLabel* soundName_ = nullptr;
    QComboBox* timeout_ = nullptr;
};

} // namespace OptionsSupport
