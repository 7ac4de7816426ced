#include "options/options_controller.h"

#include "options/option_messages.h"

#include "foundation/options_port.h"

namespace OptionsSupport {

OptionsController::OptionsController(Support::Settings& settings, Support::OptionsPort& port)
    : settings_(settings), port_(port), general_(settings, port, changes_),
      chessSet_(settings, changes_), heuristics_(changes_), savedAI_(heuristics_.Editor(), changes_),
      skins_(settings, changes_)
{
}

bool OptionsController::Load()
{
    changes_.eventsSuppressed = true;
    currentTab_ = GeneralTab;
    general_.Load();
    chessSet_.Load();
    heuristics_.Load(settings_.Heuristics);
    bool loaded = savedAI_.Populate();
    // The skins list is filled in both layouts; only the skinned one has
    // its page, and cannot open without it.
    if (!skins_.Load() && !SimpleUI())
        loaded = false;
    changes_.applyEnabled = false;
    changes_.eventsSuppressed = false;
    return loaded;
}

void OptionsController::ChangeTab(int tab)
{
    if (tab >= 1 && tab <= TabCount)
        currentTab_ = tab;
}

// ---- OK, Apply and the store

bool OptionsController::Ok()
{
    return SetOptions();
}

void OptionsController::Apply()
{
    if (!changes_.applyEnabled)
        return;
    changes_.eventsSuppressed = true;
    SetOptions();
    // Apply stays disabled until the next change, whatever the store did.
    changes_.applyEnabled = false;
    changes_.eventsSuppressed = false;
}

bool OptionsController::OptionsValid()
{
    if (!chessSet_.Sets().HasSelection()) {
        Warn(
            QStringLiteral("Chess set selection"),
            QStringLiteral(
                "You do not have a valid chess set selected.  Please go to the Chess set page and select one."));
        return false;
    }
    if (!chessSet_.Boards().HasSelection()) {
        Warn(
            QStringLiteral("Chess board selection"),
            QStringLiteral(
                "You do not have a valid chess board selected.  Please go to the Chess set page and select one."));
        return false;
    }
    // The plain layout has no Skins page, so its skin cannot block a store.
    if (!SimpleUI() && !skins_.List().HasSelection()) {
        Warn(QStringLiteral("Skin selection"),
             QStringLiteral(
                 "You do not have a valid skin selected.  Please go to the Skins page and select one."));
        return false;
    }
    return true;
}

void OptionsController::StoreGeneral()
{
    Support::Settings& s = settings_;
    const GeneralControls& g = general_.Controls();
    s.CheckInterval = CheckIntervalOfItem(g.checkIntervalItem);
    s.DisplaySplash = g.displaySplash;
    s.NotificationMethod = std::int16_t((g.notifySound ? 1 : 0) + (g.notifyDialog ? 2 : 0));
    s.NotificationSoundWav = g.soundName;
    s.NotificationTimeout = g.timeoutItem;
    s.Verbose = g.verbose;
    const QString set = chessSet_.Sets().SelectedName();
    const QString board = chessSet_.Boards().SelectedName();
    const bool setChanged = s.ChessSet != set || s.ChessBoard != board;
    s.ChessSet = set;
    s.ChessBoard = board;
    if (setChanged)
        port_.ChessSetChanged();
    s.SearchDepth = std::int16_t(g.searchDepthItem);
}

bool OptionsController::SetOptions()
{
    if (!OptionsValid())
        return false;
    StoreGeneral();
    Support::Settings& s = settings_;
    const GeneralControls& g = general_.Controls();
    if (g.iconSet != s.SysTrayIcons) {
        s.SysTrayIcons = std::int16_t(g.iconSet);
        port_.RedrawTrayIcon();
    }
    s.ShowToolTips = g.showToolTips;
    s.Heuristics = heuristics_.Editor().Apply();
    if (!SimpleUI() && skins_.List().SelectedName() != s.Skin) {
        s.Skin = skins_.List().SelectedName();
        // Only the skin setting changed here; the list is drawn anew.
        skins_.MarkStored();
        if (!port_.ApplySkinToOpenWindows())
            return false;
    }
    s.DefaultView = g.defaultView;
    s.SimpleUINext = g.simpleUI;
    s.SystrayStartupNext = g.systrayStartup;
    chessSet_.MarkStored();
    changes_.applyEnabled = false;
    return true;
}

} // namespace OptionsSupport
