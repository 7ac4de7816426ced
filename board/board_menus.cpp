#include "board/board_menus.h"

#include "board/board_window.h"

namespace BoardSupport {

BoardMenus::BoardMenus()
{
    mnuActionsMenu.Add(ActionsView, QStringLiteral("View from opponent"));
    mnuActionsMenu.Add(ActionsCoordinates, QStringLiteral("Show coordinates"));
    mnuActionsMenu.Separator(ActionsSeparator1);
    mnuActionsMenu.Add(ActionsUndo, QStringLiteral("Undo current move"));
    mnuActionsMenu.Add(ActionsSend, QStringLiteral("Send new move"));
    mnuActionsMenu.Add(ActionsResend, QStringLiteral("Re-send last move"));
    mnuActionsMenu.Separator(ActionsSeparator2);
    mnuActionsMenu.Add(ActionsSurrender, QStringLiteral("Surrender game"));
    mnuActionsMenu.Add(ActionsOfferDraw, QStringLiteral("Offer a draw"));
    mnuActionsMenu.Separator(ActionsSeparator3);
    mnuActionsMenu.Add(ActionsOptions, QStringLiteral("Options..."));
    mnuActionsMenu.Add(ActionsPrintBoard, QStringLiteral("Print board state..."));
    mnuActionsMenu.Add(ActionsClose, QStringLiteral("Close"));

    mnuSetupMenu.Add(SetupView, QStringLiteral("View from opponent"));
    mnuSetupMenu.Add(SetupCoordinates, QStringLiteral("Show coordinates"));
    mnuSetupMenu.Separator(SetupSeparator1);
    mnuSetupMenu.Add(SetupReset, QStringLiteral("Reset board"));
    mnuSetupMenu.Add(SetupClear, QStringLiteral("Clear board"));
    mnuSetupMenu.Separator(SetupSeparator2);
    mnuSetupMenu.Add(SetupPlay, QStringLiteral("Play current setup"));
    mnuSetupMenu.Separator(SetupSeparator3);
    mnuSetupMenu.Add(SetupOptions, QStringLiteral("Options..."));
    mnuSetupMenu.Add(SetupClose, QStringLiteral("Close"));

    mnuHistoryMenu.Add(HistoryHighlight, QStringLiteral("Show hilight"));
    mnuHistoryMenu.Separator(HistorySeparator);
    mnuHistoryMenu.Add(HistoryFirst, QStringLiteral("First move"));
    mnuHistoryMenu.Add(HistoryLast, QStringLiteral("Last move"));

    mnuPiecePalleteMenu.Add(PaletteRemoveEvery, QStringLiteral("Remove every piece"));

    Support::FillHelpMenu(mnuIntHelpMenu);
}

void BoardMenus::Connect(Board& board)
{
    using Dispatch = void (*)(Board&, int);
    const std::pair<Support::IndexedMenu*, Dispatch> menus[] = {
        {&mnuActionsMenu, &MenuSupport::ActionsMenuClick},
        {&mnuSetupMenu, &MenuSupport::SetupMenuClick},
        {&mnuHistoryMenu, &MenuSupport::HistoryMenuClick},
        {&mnuPiecePalleteMenu, &MenuSupport::PiecePalleteMenuClick}};
    // A command chosen after its board has closed, or from a menu shown
    // for a game the board no longer holds, does nothing.
    for (const auto& [menu, dispatch] : menus)
        menu->ConnectItems(&board, [&board, dispatch = dispatch](int index) {
            if (board.MenuBar().MenuStillApplies())
                dispatch(board, index);
        });
    mnuIntHelpMenu.ConnectItems(
        &board, [&board](int index) { MenuSupport::HelpMenuClick(&board, index, HelpTopicBoard); });
}

} // namespace BoardSupport

namespace MenuSupport {

using namespace BoardSupport;

void ActionsMenuClick(Board& board, int index)
{
    // The items the toolbar also has run as its buttons do.
    switch (index) {
    case ActionsView:
        board.Toolbar().Click(ViewButton);
        break;
    case ActionsCoordinates:
        board.Toolbar().Click(CoordinatesButton);
        break;
    case ActionsUndo:
        board.Toolbar().Click(UndoButton);
        break;
    case ActionsSend:
        board.Toolbar().Click(SendButton);
        break;
    case ActionsResend:
        board.Toolbar().Click(ResendButton);
        break;
    case ActionsSurrender:
        board.Toolbar().Click(SurrenderButton);
        break;
    case ActionsOfferDraw:
        board.GameEnd().OfferDraw();
        break;
    case ActionsOptions:
        board.MenuBar().ShowOptions();
        break;
    case ActionsPrintBoard:
        board.MenuBar().PrintCurrentBoardState();
        break;
    case ActionsClose:
        board.close();
        break;
    default:
        break;
    }
}

void SetupMenuClick(Board& board, int index)
{
    switch (index) {
    case SetupView:
        board.View().ChangeView();
        break;
    case SetupCoordinates:
        board.View().ToggleCoords();
        break;
    case SetupReset:
        board.Setup().SetupReset();
        break;
    case SetupClear:
        board.Setup().SetupClear();
        break;
    case SetupPlay:
        board.Setup().SetupPlay();
        break;
    case SetupOptions:
        board.MenuBar().ShowOptions();
        break;
    case SetupClose:
        board.close();
        break;
    default:
        break;
    }
}

void HistoryMenuClick(Board& board, int index)
{
    switch (index) {
    case HistoryHighlight:
        board.View().ToggleHighlight();
        break;
    case HistoryFirst:
        board.View().SelectFirstMove();
        break;
    case HistoryLast:
        board.View().SelectLastMove();
        break;
    default:
        break;
    }
}

void PiecePalleteMenuClick(Board& board, int index)
{
    if (index == PaletteRemoveEvery)
        board.Setup().RemovePieces(board.Setup().PalettePiece());
}

} // namespace MenuSupport
