#include "game/move_marks.h"

#include "game/highlight.h"

namespace BoardSupport {

void MoveMarks::Show(int row)
{
    const HighlightPath path = HilightMove(history_.List(), row, history_.Current().squares);
    squares_ = path.squares;
    if (path.outcome != HighlightPath::Unchanged)
        shown_ = path.outcome == HighlightPath::Marked;
}

void MoveMarks::Remove()
{
    if (!shown_)
        return;
    squares_.clear();
    shown_ = false;
}

void MoveMarks::Toggle()
{
    if (shown_)
        Remove();
    else
        Show(history_.SelectedRow());
}

void MoveMarks::Clear()
{
    coordsShown_ = shown_ = false;
    squares_.clear();
}

} // namespace BoardSupport
