#pragma once
// The General and Notification pages without their window: the values of
// their controls, what a box or its caption label does, the notification
// sound, and the tray's icon sets to choose from.
//
// The notification method and sound are written to the settings as they
// change; the rest waits for Apply or OK.

#include "options/options_changes.h"

#include "foundation/settings.h"

#include <QList>
#include <QPixmap>
#include <QString>

#include <functional>
#include <optional>

namespace Support {
class OptionsPort;
}

namespace OptionsSupport {

// The check boxes whose caption labels toggle them.
enum class OptionBox {
    DisplaySplash,
    SimpleUI,
    Verbose,
    SystrayStartup,
    ShowToolTips,
    DefaultView,
    NotifySound,
    NotifyDialog
};

// What the General and Notification pages show.
struct GeneralControls {
    int checkIntervalItem = 0;
    bool displaySplash = false;
    bool simpleUI = false; // for the next run
    bool verbose = false;
    bool systrayStartup = false; // for the next run
    bool showToolTips = false;
    bool defaultView = false;
    int searchDepthItem = 0;
    int iconSet = 1; // the icon list's top row
    bool notifySound = false;
    bool notifyDialog = false;
    QString soundName;
    int timeoutItem = 0;
};

// The sound chooser's answer: the folder (ending in "/") and file chosen.
struct SoundFileChoice {
    QString folder;
    QString file;
};
using SoundFileAsker =
    std::function<std::optional<SoundFileChoice>(const QString& folder, const QString& file)>;

class GeneralOptions {
public:
    GeneralOptions(Support::Settings& settings, Support::OptionsPort& port, OptionsChanges& changes);

    // The controls from the settings, the icon sets from the tray.
    void Load();

    GeneralControls& Controls() { return controls_; }
    const GeneralControls& Controls() const { return controls_; }
    // A list or plain box changed: Apply is enabled.
    void ControlChanged() { changes_.applyEnabled = true; }
    // The user clicked a box, which now holds `checked`.
    void BoxClicked(OptionBox box, bool checked);
    // The user clicked a box's caption label: the box toggles.
    void LabelClicked(OptionBox box);
    bool BrowseSoundEnabled() const;
    void BrowseSound(const SoundFileAsker& ask);
    int IconSetCount() const { return int(trayIcons_.size() / 3); }
    const QList<QPixmap>& TrayIcons() const { return trayIcons_; }

private:
    void SetNotifyMethod();
    void ShowNextRunNotice(OptionBox box, bool checked);
    bool& Value(OptionBox box);

    Support::Settings& settings_;
    Support::OptionsPort& port_;
    OptionsChanges& changes_;
    GeneralControls controls_;
    QList<QPixmap> trayIcons_;
};

} // namespace OptionsSupport
