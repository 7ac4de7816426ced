#include "foundation/startup_checks.h"

#include "foundation/message_box.h"
#include "foundation/modal_host.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/sound_cues.h"
#include "platform/registry.h"
#include "store/field_list.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace Support {

const QString DpiErrorTitle = QStringLiteral("Windows setting error");
const QString DpiErrorText = QStringLiteral(
    "The Marrowdale Graphical Interface will not display properly unless your desktop's font "
    "resolution is set to 96 DPI (no display scaling).  Because of this, Marrowdale will now run "
    "in Simple Interface mode.  To use the Graphical Interface, set the font resolution to 96 DPI "
    "in your desktop's display settings, run Marrowdale again and switch off the plain window "
    "style in the options.");
const QString ScreenTooSmallTitle = QStringLiteral("Screen too small");
const QString ScreenTooSmallText = QStringLiteral(
    "The Marrowdale Graphical Interface will not run at a screen resolution of less than 800x600 "
    "because of the size of some of the windows.  Because of this, Marrowdale will now run in "
    "Simple Interface mode.  To use the Graphical Interface, raise the screen resolution in your "
    "desktop's display settings, run Marrowdale again and switch off the plain window style in "
    "the options.");
const QString LowColourDepthCaption = QStringLiteral("Low Colour Depth");
const QString LowColourDepthText = QStringLiteral(
    "Marrowdale has been desiged to run with the colours set to high colour or better.  It will "
    "run at lower colour depths but will not look anywhere near as good.  Set your display to "
    "16-bit colour or more in your desktop's display settings for better results.");
const QString OlderVersionsText = QStringLiteral(
    "This version of Marrowdale contains features that are not present in older versions.  "
    "Because of this, versions prior to v2.4.0 may not recognise 100% of your chess move emails.  "
    "This warning will not appear again.");

namespace {

// A missing value takes its default, so a system that does not report one
// passes the check.
QString DisplayValue(const QString& name, const QString& fallback)
{
    const QString text =
        Registry::QueryValue(QString(), name, Registry::Root::CurrentConfig, Registry::DisplayPrefix)
            .ToText();
    return text.isEmpty() ? fallback : text;
}

// A whole number that fits the 16 bits the values were kept in; nothing
// for any other text.
std::optional<int> SmallNumber(const QString& text)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < std::numeric_limits<std::int16_t>::min()
        || number > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return number;
}

} // namespace

DisplayValues ReadDisplayValues()
{
    return {DisplayValue(QStringLiteral("DPILogicalX"), QStringLiteral("96")),
            DisplayValue(QStringLiteral("DPILogicalY"), QStringLiteral("96")),
            DisplayValue(QStringLiteral("Resolution"), QStringLiteral("800,600"))};
}

DisplayVerdict JudgeDisplay(const DisplayValues& values, bool dpiCheck, bool resolutionCheck)
{
    DisplayVerdict verdict;
    if (dpiCheck)
        verdict.DpiWrong = values.DpiX != QLatin1String("96") || values.DpiY != QLatin1String("96");
    if (resolutionCheck) {
        const std::string width = GetField(values.Resolution.toStdString(), 1, ",");
        const std::optional<int> number = SmallNumber(QString::fromStdString(width));
        verdict.ScreenTooSmall = number && *number < 800;
    }
    return verdict;
}

bool CheckDisplaySettings(const DisplayValues& values)
{
    ProgramState& state = Globals();
    const DisplayVerdict verdict = JudgeDisplay(values, state.DPICheck, state.ResolutionCheck);
    auto forcePlainMode = [&state] {
        state.SimpleUIForced = true;
        ProgramSettings().SimpleUI = true;
    };
    if (verdict.DpiWrong) {
        CurrentModalHost().SystemMessage(SystemMessageIcon::Warning, DpiErrorTitle, DpiErrorText);
        forcePlainMode();
    }
    if (verdict.ScreenTooSmall) {
        CurrentModalHost().SystemMessage(SystemMessageIcon::Warning, ScreenTooSmallTitle,
                                         ScreenTooSmallText);
        forcePlainMode();
    }
    return true;
}

void CheckColourDepth(const QString& bitsPerPixel)
{
    if (!Globals().ColourDepthCheck)
        return;
    const bool warned = GetBppChecked();
    const std::optional<int> depth = SmallNumber(bitsPerPixel);
    if (!depth)
        return;
    if (*depth >= 16) {
        // Cleared so that the warning comes back if the depth drops again.
        if (warned)
            SetBppChecked(false);
        return;
    }
    if (warned)
        return;
    ShowMessage(Support::MsgIcon::Information, LowColourDepthCaption, LowColourDepthText,
                QStringLiteral("Ok"), QString(), false);
    SetBppChecked(true);
}

void CheckColourDepth()
{
    CheckColourDepth(DisplayValue(QStringLiteral("BitsPerPixel"), QStringLiteral("16")));
}

void CheckRunBefore()
{
    if (GetRunBefore())
        return;
    ShowMessage(Support::MsgIcon::Information,
                QStringLiteral("Versions prior to v") + GetVersionString(), OlderVersionsText,
                QStringLiteral("OK"), QString(), false, SoundCue::Information);
    // The marker is written into the settings key, which a first run may
    // not have yet.
    if (Registry::QueryValue(Registry::SettingsSubkey, QStringLiteral("DisplaySplash")).IsEmpty())
        Registry::CreateNewKey(Registry::SettingsKeyPath);
    SetRunBefore(true);
}

} // namespace Support
