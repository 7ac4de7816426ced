#include "foundation/skin_table.h"

#include "foundation/window_names.h"

#include <algorithm>
#include <sstream>

namespace Support {

namespace {

std::vector<std::string> Split(const std::string& list)
{
    std::vector<std::string> items;
    std::istringstream in(list);
    for (std::string item; std::getline(in, item, ';');)
        items.push_back(item);
    return items;
}

std::vector<FormSkinEntry> BuildTable()
{
    std::vector<FormSkinEntry> t;
    auto add = [&t](std::string window, std::string background) -> FormSkinEntry& {
        t.push_back(FormSkinEntry{});
        t.back().window = std::move(window);
        t.back().background = std::move(background);
        return t.back();
    };
    auto text = [](FormSkinEntry& e, std::string file, const std::string& labels) {
        e.textSwatch = std::move(file);
        e.textLabels = Split(labels);
    };
    auto field = [](FormSkinEntry& e, std::string file, const std::string& controls) {
        e.fieldSwatch = std::move(file);
        e.fieldControls = Split(controls);
    };
    auto grid = [](FormSkinEntry& e, std::string file, const std::string& grids) {
        e.gridSwatch = std::move(file);
        e.gridControls = Split(grids);
    };

    // The about box's own labels, no more: a label the window lacks would
    // fail the skin.
    text(add(WindowNames::AboutBox, "About.jpg"), "AboutText.bmp",
         "lblTitle;lblVersion;VerNo;lblDescription");

    FormSkinEntry& board = add(WindowNames::Board, "Board.jpg");
    board.buttons = {{"BoardButtons.bmp", "ToolbarPics"}, {"BoardSetupButtons.bmp", "SetupToolbarPics"}};
    text(board, "BoardText.bmp", "PlayersTag;PlayerComment_L;OpponentComment");
    field(board, "BoardField.bmp", "PlayerComment");
    grid(board, "BoardGrid.bmp", "MoveList");

    FormSkinEntry& choose = add(WindowNames::ChooseOpponent, "ChooseOpponent.jpg");
    text(choose, "ChooseOpponentText.bmp", "Instructions_L;Label1");
    field(choose, "ChooseOpponentField.bmp", "OppList");

    add(WindowNames::Credits, "Credits.jpg");

    text(add(WindowNames::ExchangePawn, "ExchangePawn.jpg"), "ExchangePawnText.bmp", "Label1");

    FormSkinEntry& list = add(WindowNames::GameInterface, "Interface.jpg");
    list.buttons = {{"InterfaceButtons.bmp", "InterfaceButtons"}};
    grid(list, "InterfaceGrid.bmp", "GameList");

    text(add(WindowNames::MsgForm, "MsgForm.jpg"), "MsgFormText.bmp", "FormCaption;Message");

    FormSkinEntry& newGame = add(WindowNames::NewGameInfo, "NewGameInfo.jpg");
    text(newGame, "NewGameInfoText.bmp", "Label3");
    field(newGame, "NewGameInfoField.bmp", "Game_name;Game_opponents_name;Game_opponents_email");

    text(add(WindowNames::NotifyForm, "NotifyForm.jpg"), "NotifyFormText.bmp",
         "Label3;OpName;GameName;MoveComment");

    FormSkinEntry& options = add(WindowNames::OptionsPage, "OptionsPage.jpg");
    text(options, "OptionsPageText.bmp",
         "Label1;opDisplaySplash_L;opVerbose_L;opShowToolTips_L;opDefaultView_L;Label2;"
         "vsCSearchDepth_L;opNotifySound_L;opNotificationSound;opNotifyDialog_L;Label4;Label8;"
         "Label9;HLabelLow;HLabelDontCare;HLabelHigh;Label13;Label11;SkinsList_L;SkinPreview_L;"
         "opSimpleUI_L;opSystrayStartup_L");
    field(options, "OptionsPageField.bmp",
          "opSysTrayTimerCombo;vsCSearchDepth;opTimeoutCombo;opSaveAIName");
    grid(options, "OptionsPageGrid.bmp",
         "opIconList;opChessSet;opChessBoard;opHeuristicsList;opSavedAIFiles;opSkinsList");
    options.tabSwatch = "OptionsPageTabs.bmp";
    options.tabPages = 6;

    text(add(WindowNames::SelectPrinter, "SelectPrinter.jpg"), "SelectPrinterText.bmp",
         "Label3;CurrentPrinter;fMDCols;fMDRows;RowColInstructions");

    field(add(WindowNames::SelectSound, "SelectSound.jpg"), "SelectSoundField.bmp",
          "DirList;FileList;DriveList");

    text(add(WindowNames::SetupWarningForm, "SetupWarningForm.jpg"), "SetupWarningFormText.bmp",
         "WarningMessage");

    text(add(WindowNames::StatusWindow, "StatusWindow.jpg"), "StatusWindowText.bmp", "StatusText");

    add(WindowNames::SystemTray, "").buttons = {{"SystemButtons.bmp", "ButtonImages"}};
    return t;
}

} // namespace

const std::vector<FormSkinEntry>& FormSkinTable()
{
    static const std::vector<FormSkinEntry> table = BuildTable();
    return table;
}

const FormSkinEntry* FindFormSkin(std::string_view window)
{
    for (const FormSkinEntry& entry : FormSkinTable())
        if (entry.window == window)
            return &entry;
    return nullptr;
}

std::vector<std::string> SkinFileNames()
{
    std::vector<std::string> names;
    auto note = [&names](const std::string& name) {
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    };
    for (const FormSkinEntry& e : FormSkinTable()) {
        note(e.background);
        for (const ButtonStrip& strip : e.buttons)
            note(strip.file);
        note(e.textSwatch);
        note(e.fieldSwatch);
        note(e.gridSwatch);
        note(e.tabSwatch);
    }
    return names;
}

} // namespace Support
