#pragma once
// The user's settings: the values every window reads, their defaults, and
// their load from, save to and upgrade within the settings store (the
// Registry key "Software\Tallowmere\Marrowdale").
//
// Nothing is written to the store between start-up and shut-down except the
// upgrade and the three markers below, which their own routines write at
// once.

#include "rules/heuristic_defaults.h"

#include <QPoint>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace Support {

struct Settings {
    // Mail polling period of the tray's CheckTimer in milliseconds; 0 = no
    // polling. The tray window sets its timer from this and keeps it in step.
    std::int32_t CheckInterval = 20000;
    bool DisplaySplash = true;
    // What a new move triggers: 0 nothing, 1 sound, 2 notification window, 3 both.
    std::int16_t NotificationMethod = 2;
    QString NotificationSoundPath;                         // folder of the new-move sound
    QString NotificationSoundWav = QStringLiteral("None"); // its file; "None" = no sound
    // Ticks of 30 s before the message box and the notification close
    // themselves; 0 = never.
    std::int32_t NotificationTimeout = 1;
    bool Verbose = false;
    QString ChessSet = QStringLiteral("Classic Wood");
    QString ChessBoard = QStringLiteral("Plain");
    std::int16_t SearchDepth = 1;  // 0 to 4
    std::int16_t SysTrayIcons = 1; // tray icon set, 1 to 6
    bool ShowToolTips = true;
    HeuristicWeights Heuristics = FactoryHeuristics;
    QString Skin = QStringLiteral("Marrowdale Classic");
    bool DefaultView = false; // the board always opens in White's view
    // The modes this run started with, and those chosen for the next start.
    bool SimpleUI = false;
    bool SimpleUINext = false;
    bool SystrayStartup = true;
    bool SystrayStartupNext = true;
    // Where the game list last stood (its frame's top-left corner, in
    // pixels); none until it has been shown once. Its size is fixed by its
    // layout.
    std::optional<QPoint> GameListPlace;

    bool operator==(const Settings&) const = default;
};

// Value ranges outside which a stored number is not trusted.
inline constexpr int MaxSearchDepth = 4;
inline constexpr int MaxNotificationMethod = 3;
inline constexpr int MaxSysTrayIcons = 6;
inline constexpr int MaxNotificationTimeout = 19;

// The program's one copy of the settings.
Settings& ProgramSettings();

// Fills `settings` from the store. A missing value, one of the wrong kind,
// one out of its range or one that cannot be read takes its default; a
// Heuristics text that does not hold 54 whole numbers takes all 54 factory
// weights. Never fails.
void LoadSettings(Settings& settings);
inline void LoadSettings()
{
    LoadSettings(ProgramSettings());
}

// Writes the settings to the store (SimpleUI and SystrayStartup from their
// "Next" values). False when a value did not reach the store.
bool SaveSettings(const Settings& settings);
inline bool SaveSettings()
{
    return SaveSettings(ProgramSettings());
}

// What the upgrade shows while it copies (the status window, which lives
// above this layer). Either may be empty.
struct UpgradeProgress {
    std::function<void(const QString& text)> Show;
    std::function<void()> Hide;
};

// Run at every start before LoadSettings. When the settings key holds no
// settings of this version yet, copies those of the newest older version
// (version subkeys compared field by field as numbers) into it, or the
// defaults when there is none. When `simpleUIForced`, SimpleUI is stored
// "True" either way. Sets settings.Skin early from the old version so the
// status window can be skinned. False when a write did not reach the store.
bool UpgradeSettings(Settings& settings, bool simpleUIForced, const UpgradeProgress& progress = {});

// The markers written at once.
bool SetLogonStatus(bool status);
bool GetLogonStatus();
bool SetRunBefore(bool runBefore);
bool GetRunBefore();
bool SetBppChecked(bool checked);
bool GetBppChecked();

// The running version, "major.minor.revision" (2.6.7).
QString GetVersionString();

// Orders two version texts field by field as numbers ("2.10.0" after
// "2.6.7"); a missing field counts as 0. Returns <0, 0 or >0. Texts that
// are not versions (see IsVersionText) compare as text.
int CompareVersions(const QString& a, const QString& b);
// Digits separated by single dots, such as "2.5.1".
bool IsVersionText(const QString& text);

} // namespace Support
