#include "options/options_controller.h"

#include "options/weight_files.h"

#include "foundation/message_box.h"
#include "foundation/options_port.h"
#include "foundation/program_state.h"
#include "rules/piece.h"
#include "rules/position.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace OptionsSupport {

namespace {

void Warn(const QString& caption, const QString& text)
{
    Support::ShowMessage(Support::MsgIcon::Warning, caption, text, QStringLiteral("OK"), QString(),
                         false);
}

void Inform(const QString& caption, const QString& text)
{
    Support::ShowMessage(Support::MsgIcon::Information, caption, text, QStringLiteral("OK"), QString(),
                         false);
}

bool Ask(const QString& caption, const QString& text, const QString& ok, const QString& cancel)
{
    return Support::ShowMessage(Support::MsgIcon::Information, caption, text, ok, cancel, false);
}

QString GraphicsFolder()
{
    return Support::Globals().ProgramFolder + QStringLiteral("/Graphics/");
}

QString SkinsFolder()
{
    return Support::Globals().ProgramFolder + QStringLiteral("/UI Graphics/");
}

// Selects the row named `name` (drawn bold) or, failing that, `fallback`.
void SelectNamed(NameList& list, const QString& name, int fallback)
{
    const int row = int(list.names.indexOf(name));
    list.bold = row;
    list.selected = row >= 0 ? row : (list.names.isEmpty() ? -1 : fallback);
}

} // namespace

PreviewSquares StartPositionPreview()
{
    using namespace MoveValidation;
    PreviewSquares squares{};
    const int backRank[9] = {0,         WhiteRook,   WhiteKnight, WhiteBishop, WhiteQueen,
                             WhiteKing, WhiteBishop, WhiteKnight, WhiteRook};
    for (int column = 1; column <= 8; ++column) {
        squares[column][1] = backRank[column];
        squares[column][2] = WhitePawn;
        squares[column][7] = BlackPawn;
        squares[column][8] = backRank[column] + BlackOffset;
    }
    return squares;
}

int PreviewClipGraphic(int piece, int column, int row)
{
    const int kind = MoveValidation::KindOf(piece);
    const int side = kind == 0 || MoveValidation::IsBlackPiece(piece) ? 16 : 0;
    return kind + side + BoardSupport::GetSquareShade(column, row);
}

OptionsController::OptionsController(Support::Settings& settings, Support::OptionsPort& port)
    : settings_(settings), port_(port)
{
}

bool OptionsController::Load()
{
    eventsSuppressed_ = true;
    currentTab_ = GeneralTab;
    trayIcons_ = port_.TrayIconImages();
    LoadGeneral();
    PopulateSetList();
    PopulateBoardList(QString());
    selectedBoard_ = boards_.SelectedName();
    heuristics_.Populate(settings_.Heuristics);
    heuristicRow_ = 0;
    bool loaded = PopulateAIFileList();
    // The skins list is filled in both layouts; only the skinned one has
    // its page, and cannot open without it.
    if (!PopulateSkinsList() && !SimpleUI())
        loaded = false;
    applyEnabled_ = false;
    eventsSuppressed_ = false;
    return loaded;
}

void OptionsController::LoadGeneral()
{
    const Support::Settings& s = settings_;
    GeneralControls& g = general_;
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
    if (!applyEnabled_)
        return;
    eventsSuppressed_ = true;
    SetOptions();
    // Apply stays disabled until the next change, whatever the store did.
    applyEnabled_ = false;
    eventsSuppressed_ = false;
}

bool OptionsController::OptionsValid()
{
    if (!sets_.HasSelection()) {
        Warn(
            QStringLiteral("Chess set selection"),
            QStringLiteral(
                "You do not have a valid chess set selected.  Please go to the Chess set page and select one."));
        return false;
    }
    if (!boards_.HasSelection()) {
        Warn(
            QStringLiteral("Chess board selection"),
            QStringLiteral(
                "You do not have a valid chess board selected.  Please go to the Chess set page and select one."));
        return false;
    }
    // The plain layout has no Skins page, so its skin cannot block a store.
    if (!SimpleUI() && !skins_.HasSelection()) {
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
    const GeneralControls& g = general_;
    s.CheckInterval = CheckIntervalOfItem(g.checkIntervalItem);
    s.DisplaySplash = g.displaySplash;
    s.NotificationMethod = std::int16_t((g.notifySound ? 1 : 0) + (g.notifyDialog ? 2 : 0));
    s.NotificationSoundWav = g.soundName;
    s.NotificationTimeout = g.timeoutItem;
    s.Verbose = g.verbose;
    const bool setChanged = s.ChessSet != sets_.SelectedName() || s.ChessBoard != boards_.SelectedName();
    s.ChessSet = sets_.SelectedName();
    s.ChessBoard = boards_.SelectedName();
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
    const GeneralControls& g = general_;
    if (g.iconSet != s.SysTrayIcons) {
        s.SysTrayIcons = std::int16_t(g.iconSet);
        port_.RedrawTrayIcon();
    }
    s.ShowToolTips = g.showToolTips;
    s.Heuristics = heuristics_.Apply();
    if (!SimpleUI() && skins_.SelectedName() != s.Skin) {
        s.Skin = skins_.SelectedName();
        // Only the skin setting changed here; the list is drawn anew.
        skins_.bold = skins_.selected;
        if (!port_.ApplySkinToOpenWindows())
            return false;
    }
    s.DefaultView = g.defaultView;
    s.SimpleUINext = g.simpleUI;
    s.SystrayStartupNext = g.systrayStartup;
    sets_.bold = sets_.selected;
    boards_.bold = boards_.selected;
    applyEnabled_ = false;
    return true;
}

// ---- General and notification pages

void OptionsController::SetNotifyMethod()
{
    settings_.NotificationMethod =
        std::int16_t((general_.notifySound ? 1 : 0) + (general_.notifyDialog ? 2 : 0));
}

bool OptionsController::BrowseSoundEnabled() const
{
    const int method = settings_.NotificationMethod;
    return method == 1 || method == 3;
}

void OptionsController::ShowNextRunNotice(OptionBox box, bool checked)
{
    const bool running = box == OptionBox::SimpleUI ? settings_.SimpleUI : settings_.SystrayStartup;
    if (checked == running)
        return;
    const NextRunNotice notice =
        box == OptionBox::SimpleUI ? SimpleUINotice(checked) : SystrayStartupNotice(checked);
    Inform(notice.caption, notice.text);
}

void OptionsController::BoxClicked(OptionBox box, bool checked)
{
    GeneralControls& g = general_;
    switch (box) {
    case OptionBox::DisplaySplash:
        g.displaySplash = checked;
        break;
    case OptionBox::SimpleUI:
        g.simpleUI = checked;
        break;
    case OptionBox::Verbose:
        g.verbose = checked;
        break;
    case OptionBox::SystrayStartup:
        g.systrayStartup = checked;
        break;
    case OptionBox::ShowToolTips:
        g.showToolTips = checked;
        break;
    case OptionBox::DefaultView:
        g.defaultView = checked;
        break;
    case OptionBox::NotifySound:
        g.notifySound = checked;
        break;
    case OptionBox::NotifyDialog:
        g.notifyDialog = checked;
        break;
    }
    if (box == OptionBox::NotifySound || box == OptionBox::NotifyDialog)
        SetNotifyMethod(); // in force at once, whatever the window's end
    EnableApply(true);
    if ((box == OptionBox::SimpleUI || box == OptionBox::SystrayStartup) && !eventsSuppressed_)
        ShowNextRunNotice(box, checked);
}

void OptionsController::LabelClicked(OptionBox box)
{
    const GeneralControls& g = general_;
    bool value = false;
    switch (box) {
    case OptionBox::DisplaySplash:
        value = g.displaySplash;
        break;
    case OptionBox::SimpleUI:
        value = g.simpleUI;
        break;
    case OptionBox::Verbose:
        value = g.verbose;
        break;
    case OptionBox::SystrayStartup:
        value = g.systrayStartup;
        break;
    case OptionBox::ShowToolTips:
        value = g.showToolTips;
        break;
    case OptionBox::DefaultView:
        value = g.defaultView;
        break;
    case OptionBox::NotifySound:
        value = g.notifySound;
        break;
    case OptionBox::NotifyDialog:
        value = g.notifyDialog;
        break;
    }
    // A click on the box itself shows the notice; the label shows it once.
    BoxClicked(box, !value);
}

void OptionsController::BrowseSound(const SoundFileAsker& ask)
{
    if (ask) {
        if (const auto choice = ask(settings_.NotificationSoundPath, settings_.NotificationSoundWav)) {
            settings_.NotificationSoundPath = choice->folder;
            settings_.NotificationSoundWav = choice->file;
        }
    }
    general_.soundName = settings_.NotificationSoundWav;
    EnableApply(true);
}

// ---- Chess set page

bool OptionsController::PopulateSetList()
{
    sets_.Clear();
    const auto names = SubFolderNames(GraphicsFolder());
    if (!names) {
        Warn(QStringLiteral("Chess set error"),
             QStringLiteral(
                 "There was an error locating your chess sets.  Please ensure you have a folder "
                 "called Graphics within your Marrowdale install folder."));
        return false;
    }
    sets_.names = *names;
    SelectNamed(sets_, settings_.ChessSet, 0);
    return true;
}

void OptionsController::PopulateBoardList(const QString& keepBoard)
{
    boards_.Clear();
    if (!sets_.HasSelection())
        return;
    // A set folder that has gone, or holds no ".jpg", lists no board.
    boards_.names = FileNamesEndingIn(GraphicsFolder() + sets_.SelectedName(), QStringLiteral(".jpg"))
                        .value_or(QStringList());
    if (sets_.SelectedName() == settings_.ChessSet) {
        boards_.bold = int(boards_.names.indexOf(settings_.ChessBoard));
        boards_.selected = boards_.bold;
    }
    if (!keepBoard.isEmpty() && boards_.names.contains(keepBoard))
        boards_.selected = int(boards_.names.indexOf(keepBoard));
}

void OptionsController::ChessSetRowChanged(int row)
{
    if (row == sets_.selected || row < -1 || row >= sets_.names.size())
        return;
    sets_.selected = row;
    PopulateBoardList(selectedBoard_);
    selectedBoard_ = boards_.SelectedName();
    EnableApply(true);
}

void OptionsController::BoardRowChanged(int row)
{
    if (row == boards_.selected || row < -1 || row >= boards_.names.size())
        return;
    boards_.selected = row;
    selectedBoard_ = boards_.SelectedName();
    EnableApply(true);
}

QString OptionsController::PreviewPicturePath() const
{
    if (!sets_.HasSelection() || !boards_.HasSelection())
        return QString();
    return GraphicsFolder() + sets_.SelectedName() + QStringLiteral("/") + boards_.SelectedName()
           + QStringLiteral(".jpg");
}

// ---- Heuristics page

void OptionsController::SliderMoved(int value)
{
    if (eventsSuppressed_)
        return;
    if (heuristics_.TakeSliderValue(heuristicRow_, value))
        EnableApply(true);
}

void OptionsController::DropPendingValue(int row)
{
    heuristics_.DropPending(row);
}

void OptionsController::RestoreDefaults()
{
    heuristics_.ResetToDefaults();
    heuristicRow_ = 2; // "Go for check"
    Inform(QStringLiteral("Defaults restored"),
           QStringLiteral("The heuristics data has been restored to the origional factory defaults."));
    EnableApply(true);
}

// ---- Saved AI page

bool OptionsController::PopulateAIFileList()
{
    weightFiles_.Clear();
    const auto names = ListWeightFiles(WeightFileFolder());
    if (!names) {
        Warn(QStringLiteral("AI File Error"),
             QStringLiteral(
                 "There was an error locating your AI Files.  Please ensure there is a folder called "
                 "'AI Files' in your Marrowdale data folder."));
        return true;
    }
    weightFiles_.names = *names;
    if (!weightFiles_.names.isEmpty()) {
        weightFiles_.selected = 0;
        saveName_ = weightFiles_.names.first();
    }
    return true;
}

void OptionsController::WeightFileRowChanged(int row)
{
    if (row < 0 || row >= weightFiles_.names.size())
        return;
    weightFiles_.selected = row;
    saveName_ = weightFiles_.names[row];
}

void OptionsController::SaveWeightFile()
{
    const QString name = saveName_;
    switch (CheckWeightFileName(name)) {
    case WeightFileNameProblem::Blank:
        Warn(QStringLiteral("No file name."),
             QStringLiteral("You must enter a name for the heuristics data file in order to save it."));
        return;
    case WeightFileNameProblem::ReservedCharacter:
        Warn(QStringLiteral("Invalid file name."),
             QStringLiteral(
                 "The heuristics data file name cannot contain the following reserved characters, ")
                 + ReservedCharactersText() + QStringLiteral("."));
        return;
    case WeightFileNameProblem::Unusable:
        Warn(QStringLiteral("Invalid file name."),
             QStringLiteral("The heuristics data file name is too long or holds control characters.  "
                            "Please choose a shorter name."));
        return;
    case WeightFileNameProblem::None:
        break;
    }
    const QString path = WeightFilePath(WeightFileFolder(), name);
    if (QFile::exists(path)
        && !Ask(QStringLiteral("File already exists"),
                QStringLiteral("The file ") + path + QStringLiteral(" already exists.||Overwrite?"),
                QStringLiteral("Overwrite"), QStringLiteral("Cancel")))
        return;
    if (!QDir().mkpath(WeightFileFolder()) || !WriteWeightFile(path, FormatWeightFile(heuristics_)))
        Warn(QStringLiteral("File write error."),
             QStringLiteral(
                 "There was an unknown error writing the heuristics data.  Please try again."));
    else
        Inform(QStringLiteral("Save complete."),
               QStringLiteral("The heuristics data has been successfully saved to;|") + path
                   + QStringLiteral("||The data can be viewed on the Heuristics tab."));
    PopulateAIFileList();
}

void OptionsController::LoadWeightFile()
{
    if (!weightFiles_.HasSelection()) {
        Warn(QStringLiteral("Nothing selected"),
             QStringLiteral(
                 "You must select a heuristics data file to load before clicking on the load button."));
        return;
    }
    const auto bytes = ReadWeightFile(WeightFilePath(WeightFileFolder(), weightFiles_.SelectedName()));
    const auto pairs = bytes ? ParseWeightFile(*bytes) : std::nullopt;
    if (!pairs) {
        // Nothing of a bad file is taken.
        Warn(QStringLiteral("File read error."),
             QStringLiteral(
                 "There was an unknown error reading the heuristic data file.  Please try again."));
        return;
    }
    eventsSuppressed_ = true;
    bool changed = false;
    for (const WeightPair& pair : *pairs)
        changed |= heuristics_.SetLine(pair.row, pair.value);
    eventsSuppressed_ = false;
    if (changed) {
        EnableApply(true);
        Inform(QStringLiteral("Load complete."),
               QStringLiteral(
                   "The heuristics data file has been successfully loaded.  The data can be viewed on "
                   "the Heuristics tab."));
    } else {
        Inform(QStringLiteral("Load complete, no changes."),
               QStringLiteral(
                   "The heuristic data loaded is the same as the current settings and nothing has "
                   "changed."));
    }
}

void OptionsController::DeleteWeightFile()
{
    if (!weightFiles_.HasSelection()) {
        Warn(QStringLiteral("Nothing selected"),
             QStringLiteral(
                 "You must select a heuristics data file in the list before clicking on the delete "
                 "button."));
        return;
    }
    const QString path = WeightFilePath(WeightFileFolder(), weightFiles_.SelectedName());
    if (QFile::exists(path)
        && !Ask(QStringLiteral("Confirmation"),
                QStringLiteral("Are you sure you wish to delete the heuristics data file ") + path
                    + QStringLiteral("?"),
                QStringLiteral("Yes"), QStringLiteral("No")))
        return;
    if (!QFile::remove(path))
        Warn(QStringLiteral("File delete error."),
             QStringLiteral(
                 "There was an unknown error while deleting the heuristics data file.  It may not have "
                 "been properly deleted.  Please try again."));
    PopulateAIFileList();
}

// ---- Skins page

bool OptionsController::PopulateSkinsList()
{
    skins_.Clear();
    const auto names = SubFolderNames(SkinsFolder());
    if (!names) {
        Warn(
            QStringLiteral("Skin error"),
            QStringLiteral(
                "There was an error locating your skins.  Please ensure you have a folder called UI "
                "Graphics within your Marrowdale install folder that contains sub folders with skins in."));
        return false;
    }
    skins_.names = *names;
    SelectNamed(skins_, settings_.Skin, 0);
    return true;
}

void OptionsController::SkinRowChanged(int row)
{
    if (row == skins_.selected || row < -1 || row >= skins_.names.size())
        return;
    skins_.selected = row;
    EnableApply(true);
}

QString OptionsController::SkinPreviewPath(const QString& file) const
{
    if (!skins_.HasSelection())
        return QString();
    return SkinsFolder() + skins_.SelectedName() + QStringLiteral("/") + file;
}

} // namespace OptionsSupport
