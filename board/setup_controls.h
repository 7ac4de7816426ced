#pragma once
// The board in set-up mode: the palette and the trash in place of the move
// list, drags between them and the board, the palette's menu, the Reset,
// Clear and Play commands, and play from the position built.

#include "game/game_controller.h"

#include <QPoint>

class QMenu;
class QWidget;

namespace BoardSupport {

class Board;
class BoardHost;
class PiecePalette;
class SetupTrash;

class SetupControls {
public:
    SetupControls(Board& window, GameController& game, BoardHost& port);

    void Create();
    // Set-up mode as the window opens: its controls, the palette, the
    // toolbar and the tool tips for the mode.
    void Begin();

    PiecePalette* Palette() const { return palette_; }
    SetupTrash* Trash() const { return trash_; }
    QMenu* PaletteMenu() const { return paletteMenu_; }

    // Shows the set-up's controls in place of the play mode's, or hides them.
    void ShowSetupParts(bool setup);
    // The toolbar's Reset, Clear and Play in set-up mode. Play checks the
    // position (a refusal, or warnings the player accepts or cancels) and
    // begins the game from it; false when the board stays in set-up mode.
    void SetupReset();
    void SetupClear();
    bool SetupPlay();
    bool SetupPlayEnabled() const { return game_.Setup().UpdatePiecePalette().playEnabled; }
    // The palette menu's "Remove every piece" for the piece last
    // right-clicked in the palette (PalettePiece).
    void RemovePieces(int piece);
    int PalettePiece() const { return palettePiece_; }
    // The palette's pictures from the current chess set (again after the
    // set changed), then its king marks.
    void SetPiecePallete();
    void UpdatePiecePalette();
    // A piece dragged from a square of the board was let go at a point of
    // the board's widget.
    void DropFromBoard(Square from, QWidget& source, QPoint point);

private:
    void PiecePallete_MouseDown(int piece, Qt::MouseButton button, QPoint globalPoint);
    void SetupDragDrop(QWidget& source, QPoint point);
    void ShowSetupChange(const SetupChange& change);

    Board& window_;
    GameController& game_;
    BoardHost& port_;
    PiecePalette* palette_ = nullptr;
    SetupTrash* trash_ = nullptr;
    QMenu* paletteMenu_ = nullptr;
    SetupSource setupDrag_;
    int palettePiece_ = 0;
};

} // namespace BoardSupport
