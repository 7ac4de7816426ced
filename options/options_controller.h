#pragma once
// The options window without its window: the values its controls hold, the
// Apply button's state and what every command does with the settings. The
// window shows what this holds and hands each user action to it.
//
// Changes wait in the controls until Apply or OK, but for the notification
// method and sound, which are written to the settings as they change; the
// plain-window and tray start-up modes are stored for the next run only.

#include "options/heuristics_editor.h"
#include "options/name_list.h"
#include "options/option_lists.h"

#include "foundation/settings.h"

#include <QPixmap>
#include <QString>

#include <array>
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

// The chess set preview: the start position, seen from White's side.
using PreviewSquares = std::array<std::array<int, 9>, 9>; // [column][row], 1-based
PreviewSquares StartPositionPreview();
// The board picture's cell for a piece code on a square (a1 is dark):
// the piece kind, +16 for Black, +8 on a dark square; empty squares 16
// (light) and 24 (dark).
int PreviewClipGraphic(int piece, int column, int row);

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

    // ---- The frame
    int CurrentTab() const { return currentTab_; }
    void ChangeTab(int tab);
    bool ApplyEnabled() const { return applyEnabled_; }
    void EnableApply(bool enable) { applyEnabled_ = enable; }
    // True when the window closes (everything stored).
    bool Ok();
    // Stores when Apply is enabled; Apply is disabled afterwards.
    void Apply();
    // Checks and stores in the program's order; False when the check failed
    // or a window could not be skinned (part of the settings is then stored).
    bool SetOptions();
    bool OptionsValid();

    // ---- General and notification pages
    GeneralControls& General() { return general_; }
    const GeneralControls& General() const { return general_; }
    // A list or plain box changed: Apply is enabled.
    void ControlChanged() { EnableApply(true); }
    // The user clicked a box, which now holds `checked`.
    void BoxClicked(OptionBox box, bool checked);
    // The user clicked a box's caption label: the box toggles.
    void LabelClicked(OptionBox box);
    bool BrowseSoundEnabled() const;
    void BrowseSound(const SoundFileAsker& ask);
    int IconSetCount() const { return int(trayIcons_.size() / 3); }
    const QList<QPixmap>& TrayIcons() const { return trayIcons_; }

    // ---- Chess set page
    const NameList& ChessSets() const { return sets_; }
    const NameList& Boards() const { return boards_; }
    void ChessSetRowChanged(int row);
    void BoardRowChanged(int row);
    // The selected board picture; empty when no set and board are selected.
    QString PreviewPicturePath() const;

    // ---- Heuristics page
    HeuristicsEditor& Heuristics() { return heuristics_; }
    const HeuristicsEditor& Heuristics() const { return heuristics_; }
    int SelectedHeuristicRow() const { return heuristicRow_; }
    void SelectHeuristicRow(int row) { heuristicRow_ = row; }
    void SliderMoved(int value);
    // A double-click on a heuristic row drops its pending value.
    void DropPendingValue(int row);
    void RestoreDefaults();

    // ---- Saved AI page
    const NameList& WeightFiles() const { return weightFiles_; }
    QString& SaveName() { return saveName_; }
    void WeightFileRowChanged(int row);
    void SaveWeightFile();
    void LoadWeightFile();
    void DeleteWeightFile();
    // False after the listing failure that ends the window's load.
    bool PopulateAIFileList();

    // ---- Skins page
    const NameList& Skins() const { return skins_; }
    void SkinRowChanged(int row);
    QString SkinPreviewPath(const QString& file) const;

private:
    void LoadGeneral();
    void SetNotifyMethod();
    void ShowNextRunNotice(OptionBox box, bool checked);
    bool PopulateSetList();
    void PopulateBoardList(const QString& keepBoard);
    bool PopulateSkinsList();
    void StoreGeneral();

    Support::Settings& settings_;
    Support::OptionsPort& port_;
    GeneralControls general_;
    QList<QPixmap> trayIcons_;
    NameList sets_;
    NameList boards_;
    QString selectedBoard_;
    NameList skins_;
    NameList weightFiles_;
    QString saveName_;
    HeuristicsEditor heuristics_;
    int heuristicRow_ = 0;
    int currentTab_ = GeneralTab;
    bool applyEnabled_ = false;
    bool eventsSuppressed_ = false;
};

} // namespace OptionsSupport
