#include "board/board_menus.h"

#include "board/board_window.h"

namespace BoardSupport {

BoardMenus::BoardMenus()
{
    mnuActionsMenu.Add(0, QStringLiteral("View from opponent"));
    mnuActionsMenu.Add(1, QStringLiteral("Show coordinates"));
    mnuActionsMenu.Separator(2);
    mnuActionsMenu.Add(3, QStringLiteral("Undo current move"));
    mnuActionsMenu.Add(4, QStringLiteral("Send new move"));
    mnuActionsMenu.Add(5, QStringLiteral("Re-send last move"));
    mnuActionsMenu.Separator(6);
    mnuActionsMenu.Add(7, QStringLiteral("Surrender game"));
    mnuActionsMenu.Add(8, QStringLiteral("Offer a draw"));
    mnuActionsMenu.Separator(9);
    mnuActionsMenu.Add(10, QStringLiteral("Options..."));
    mnuActionsMenu.Add(11, QStringLiteral("Print board state..."));
    mnuActionsMenu.Add(12, QStringLiteral("Close"));

    mnuSetupMenu.Add(0, QStringLiteral("View from opponent"));
    mnuSetupMenu.Add(1, QStringLiteral("Show coordinates"));
    mnuSetupMenu.Separator(2);
    mnuSetupMenu.Add(3, QStringLiteral("Reset board"));
    mnuSetupMenu.Add(4, QStringLiteral("Clear board"));
    mnuSetupMenu.Separator(5);
    mnuSetupMenu.Add(6, QStringLiteral("Play current setup"));
    mnuSetupMenu.Separator(7);
    mnuSetupMenu.Add(8, QStringLiteral("Options..."));
    mnuSetupMenu.Add(9, QStringLiteral("Close"));

    mnuHistoryMenu.Add(0, QStringLiteral("Show hilight"));
    mnuHistoryMenu.Separator(1);
    mnuHistoryMenu.Add(2, QStringLiteral("First move"));
    mnuHistoryMenu.Add(3, QStringLiteral("Last move"));

    mnuPiecePalleteMenu.Add(0, QStringLiteral("Remove every piece"));

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
            if (board.MenuStillApplies())
                dispatch(board, index);
        });
    mnuIntHelpMenu.ConnectItems(&board,
                                [&board](int index) { MenuSupport::HelpMenuClick(&board, index); });
}

} // namespace BoardSupport

namespace MenuSupport {

using namespace BoardSupport;

void ActionsMenuClick(Board& board, int index)
{
    // The items the toolbar also has run as its buttons do.
    switch (index) {
    case ActionsView:
        board.ToolbarClick(ViewButton);
        break;
    case ActionsCoordinates:
        board.ToolbarClick(CoordinatesButton);
        break;
    case ActionsUndo:
        board.ToolbarClick(UndoButton);
        break;
    case ActionsSend:
        board.ToolbarClick(SendButton);
        break;
    case ActionsResend:
        board.ToolbarClick(ResendButton);
        break;
    case ActionsSurrender:
        board.ToolbarClick(SurrenderButton);
        break;
    case ActionsOfferDraw:
        board.OfferDraw();
        break;
    case ActionsOptions:
        board.ShowOptions();
        break;
    case ActionsPrintBoard:
        board.PrintCurrentBoardState();
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
    case 0:
        board.ChangeView();
        break;
    case 1:
        board.ToggleCoords();
        break;
    case 3:
        board.SetupReset();
        break;
    case 4:
        board.SetupClear();
        break;
    case 6:
        board.SetupPlay();
        break;
    case 8:
        board.ShowOptions();
        break;
    case 9:
        board.close();
        break;
    default:
        break;
    }
}

void HistoryMenuClick(Board& board, int index)
{
    switch (index) {
    case 0:
        board.ToggleHighlight();
        break;
    case 2:
        board.SelectFirstMove();
        break;
    case 3:
        board.SelectLastMove();
        break;
    default:
        break;
    }
}

void PiecePalleteMenuClick(Board& board, int index)
{
    if (index == 0)
        board.RemovePieces(board.PalettePiece());
}

} // namespace MenuSupport
