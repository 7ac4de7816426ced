#pragma once
// The checks that bracket the start of a run: the display (before any skin
// is loaded, so its reports use the system's own message box), the colour
// depth and the one-time notice about older versions (both through the
// program's message box). None of them stops the program; a failed display
// check switches this run, and the next ones, to the plain-window mode.

#include <QString>

namespace Support {

// The display values as the settings store gives them, "" when unknown.
struct DisplayValues {
    QString DpiX;       // "DPILogicalX", default "96"
    QString DpiY;       // "DPILogicalY", default "96"
    QString Resolution; // "width,height", default "800,600"
};
// What the store says about the screen now (display_facts.h behind it).
DisplayValues ReadDisplayValues();

// Which display tests fail for these values, honouring the DPICheck and
// ResolutionCheck switches. A value that is not a number passes.
struct DisplayVerdict {
    bool DpiWrong = false;       // either DPI is not exactly "96"
    bool ScreenTooSmall = false; // width below 800
};
DisplayVerdict JudgeDisplay(const DisplayValues& values, bool dpiCheck, bool resolutionCheck);

// Reports each failed test (DPI first) and forces the plain-window mode:
// SimpleUIForced and the SimpleUI setting. Always True.
bool CheckDisplaySettings(const DisplayValues& values);
inline bool CheckDisplaySettings()
{
    return CheckDisplaySettings(ReadDisplayValues());
}

// Warns once about a colour depth below 16 bits per pixel (remembered in
// the BppChecked marker, cleared again when the depth is back up). The
// depth is the store's "BitsPerPixel" text; one that is not a number passes.
void CheckColourDepth(const QString& bitsPerPixel);
void CheckColourDepth();

// The first run's notice about older versions; never shown again.
void CheckRunBefore();

// The texts of the checks' messages.
extern const QString DpiErrorTitle;
extern const QString DpiErrorText;
extern const QString ScreenTooSmallTitle;
extern const QString ScreenTooSmallText;
extern const QString LowColourDepthCaption;
extern const QString LowColourDepthText;
extern const QString OlderVersionsText;

} // namespace Support
