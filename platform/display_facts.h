#pragma once
// What the start-up checks and the splash screen need to know about the
// screen, and the default printer's name: the values the registry's
// current-configuration and machine roots would give, taken from Qt.

#include <QString>

#include <optional>

namespace Registry {

struct DisplayFacts {
    int DpiX = 96;
    int DpiY = 96;
    int Width = 800; // device-independent pixels
    int Height = 600;
    int BitsPerPixel = 16;
};

// The primary screen's facts; nothing when there is no QGuiApplication or
// no screen (callers then take their defaults). A test may put fixed facts
// in place with OverrideDisplayFacts and remove them with std::nullopt.
std::optional<DisplayFacts> CurrentDisplayFacts();
void OverrideDisplayFacts(std::optional<DisplayFacts> facts);

// One display value by its registry name ("DPILogicalX", "DPILogicalY",
// "Resolution" as "width,height", "BitsPerPixel"), as text; "" when unknown.
QString DisplayValue(const QString& valueName);

// The default printer's name, "" when there is none. A test may fix it with
// OverrideDefaultPrinterName.
QString DefaultPrinterName();
void OverrideDefaultPrinterName(std::optional<QString> name);

} // namespace Registry
