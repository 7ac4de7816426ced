#pragma once
// What the board marks over the pieces: the path of the selected row's
// move (the history menu's hilight) and the coordinates along its edges.

#include "game/move_history.h"

#include <string>
#include <vector>

namespace BoardSupport {

class MoveMarks {
public:
    explicit MoveMarks(const MoveHistory& history) : history_(history) { }
    MoveMarks(const MoveMarks&) = delete; // it marks its own game's history
    MoveMarks& operator=(const MoveMarks&) = delete;

    const std::vector<Square>& Squares() const { return squares_; }
    bool Shown() const { return shown_; }
    bool CoordsShown() const { return coordsShown_; }
    // "Show hilight" or "Remove hilight".
    std::string ItemCaption() const { return shown_ ? "Remove hilight" : "Show hilight"; }

    void ToggleCoords() { coordsShown_ = !coordsShown_; }
    void HideCoords() { coordsShown_ = false; }
    // Marks the row's path, or hides the marks when they are shown.
    void Toggle();
    void Show(int row);
    void Remove();
    // Marks and coordinates hidden, as a newly opened game shows them.
    void Clear();

private:
    const MoveHistory& history_;
    bool coordsShown_ = false;
    bool shown_ = false;
    std::vector<Square> squares_;
};

} // namespace BoardSupport
