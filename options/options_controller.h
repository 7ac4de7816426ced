#pragma once
// The options window without its window: one part for each page's values
// and commands, and the frame's own: the current tab, the Apply button's
// state, and storing everything in the settings on Apply and OK. The
// window shows what this holds and hands each user action to it.
//
// Changes wait in the controls until Apply or OK, but for the notification
// method and sound, which are written to the settings as they change; the
// plain-window and tray start-up modes are stored for the next run only.

#include "options/chess_set_options.h"
#include "options/general_options.h"
#include "options/heuristics_options.h"
#include "options/option_lists.h"
#include "options/options_changes.h"
#include "options/skin_options.h"
#include "options/weight_file_options.h"

#include "foundation/settings.h"

namespace Support {
class OptionsPort;
}

namespace OptionsSupport {

class OptionsController {
public:
    // settings: the program's settings, changed in place; port: the tray's
    // side of a change.
    OptionsController(Support::Settings& settings, Support::OptionsPort& port);

    // The settings as stored (what Apply and OK last wrote).
    const Support::Settings& StoredSettings() const { return settings_; }

    // The running program's plain-window mode (the window's layout).
    bool SimpleUI() const { return settings_.SimpleUI; }

    // Fills every control from the settings and the folders. False when
    // the window must close without being shown (a list it needs could not
    // be filled; the user has been told).
    bool Load();

    // ---- The pages
    GeneralOptions& General() { return general_; }
    const GeneralOptions& General() const { return general_; }
    ChessSetOptions& ChessSet() { return chessSet_; }
    const ChessSetOptions& ChessSet() const { return chessSet_; }
    HeuristicsOptions& Heuristics() { return heuristics_; }
    const HeuristicsOptions& Heuristics() const { return heuristics_; }
    WeightFileOptions& SavedAI() { return savedAI_; }
    const WeightFileOptions& SavedAI() const { return savedAI_; }
    SkinOptions& Skins() { return skins_; }
    const SkinOptions& Skins() const { return skins_; }

    // ---- The frame
    int CurrentTab() const { return currentTab_; }
    void ChangeTab(int tab);
    bool ApplyEnabled() const { return changes_.applyEnabled; }
    void EnableApply(bool enable) { changes_.applyEnabled = enable; }
    // True when the window closes (everything stored).
    bool Ok();
    // Stores when Apply is enabled; Apply is disabled afterwards.
    void Apply();
    // Checks and stores in the program's order; False when the check failed
    // or a window could not be skinned (part of the settings is then stored).
    bool SetOptions();
    bool OptionsValid();

private:
    void StoreGeneral();

    Support::Settings& settings_;
    Support::OptionsPort& port_;
    OptionsChanges changes_;
    GeneralOptions general_;
    ChessSetOptions chessSet_;
    HeuristicsOptions heuristics_;
    WeightFileOptions savedAI_;
    SkinOptions skins_;
    int currentTab_ = GeneralTab;
};

} // namespace OptionsSupport
