#include "options/general_options.h"

#include "options/option_lists.h"
#include "options/option_messages.h"

#include "foundation/options_port.h"

#include <algorithm>

namespace OptionsSupport {

GeneralOptions::GeneralOptions(Support::Settings& settings, Support::OptionsPort& port,
                               OptionsChanges& changes)
    : settings_(settings), port_(port), changes_(changes)
{
}

void GeneralOptions::Load()
{
    trayIcons_ = port_.TrayIconImages();
    const Support::Settings& s = settings_;
    GeneralControls& g = controls_;
    g.checkIntervalItem = CheckIntervalItem(s.CheckInterval);
    g.displaySplash = s.DisplaySplash;
    const int method = s.NotificationMethod;
    const bool known = method >= 0 && method <= Support::MaxNotificationMethod;
    g.notifySound = known && (method & 1);
    g.notifyDialog = known && (method & 2);
    g.soundName = s.NotificationSoundWav;
    g.timeoutItem = NearestItem(s.NotificationTimeout, int(NotificationTimeoutItems().size()));
    g.verbose = s.Verbose;
    g.searchDepthItem = NearestItem(s.SearchDepth, int(SearchDepthItems().size()));
    g.iconSet = std::clamp(int(s.SysTrayIcons), 1, std::max(IconSetCount(), 1));
    g.showToolTips = s.ShowToolTips;
    g.defaultView = s.DefaultView;
    g.simpleUI = s.SimpleUINext;
    g.systrayStartup = s.SystrayStartupNext;
}

void GeneralOptions::SetNotifyMethod()
{
    settings_.NotificationMethod =
        std::int16_t((controls_.notifySound ? 1 : 0) + (controls_.notifyDialog ? 2 : 0));
}

bool GeneralOptions::BrowseSoundEnabled() const
{
    const int method = settings_.NotificationMethod;
    return method == 1 || method == 3;
}

void GeneralOptions::ShowNextRunNotice(OptionBox box, bool checked)
{
    const bool running = box == OptionBox::SimpleUI ? settings_.SimpleUI : settings_.SystrayStartup;
    if (checked == running)
        return;
    const NextRunNotice notice =
        box == OptionBox::SimpleUI ? SimpleUINotice(checked) : SystrayStartupNotice(checked);
    Inform(notice.caption, notice.text);
}

bool& GeneralOptions::Value(OptionBox box)
{
    GeneralControls& g = controls_;
    switch (box) {
    case OptionBox::DisplaySplash:
        return g.displaySplash;
    case OptionBox::SimpleUI:
        return g.simpleUI;
    case OptionBox::Verbose:
        return g.verbose;
    case OptionBox::SystrayStartup:
        return g.systrayStartup;
    case OptionBox::ShowToolTips:
        return g.showToolTips;
    case OptionBox::DefaultView:
        return g.defaultView;
    case OptionBox::NotifySound:
        return g.notifySound;
    case OptionBox::NotifyDialog:
        break;
    }
    return g.notifyDialog;
}

void GeneralOptions::BoxClicked(OptionBox box, bool checked)
{
    Value(box) = checked;
    if (box == OptionBox::NotifySound || box == OptionBox::NotifyDialog)
        SetNotifyMethod(); // in force at once, whatever the window's end
    changes_.applyEnabled = true;
    if ((box == OptionBox::SimpleUI || box == OptionBox::SystrayStartup) && !changes_.eventsSuppressed)
        ShowNextRunNotice(box, checked);
}

void GeneralOptions::LabelClicked(OptionBox box)
{
    // A click on the box itself shows the notice; the label shows it once.
    BoxClicked(box, !Value(box));
}

void GeneralOptions::BrowseSound(const SoundFileAsker& ask)
{
    if (ask) {
        if (const auto choice = ask(settings_.NotificationSoundPath, settings_.NotificationSoundWav)) {
            settings_.NotificationSoundPath = choice->folder;
            settings_.NotificationSoundWav = choice->file;
        }
    }
    controls_.soundName = settings_.NotificationSoundWav;
    changes_.applyEnabled = true;
}

} // namespace OptionsSupport
