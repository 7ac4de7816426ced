#pragma once
// The Chess set page without its window: the sets in the program folder,
// the boards of the chosen set (a board chosen is kept across sets that
// have it), and the preview of the start position.

#include "options/name_list.h"
#include "options/options_changes.h"

#include "foundation/settings.h"

#include <QString>

#include <array>

namespace OptionsSupport {

// The chess set preview: the start position, seen from White's side.
using PreviewSquares = std::array<std::array<int, 9>, 9>; // [column][row], 1-based
PreviewSquares StartPositionPreview();
// The board picture's cell for a piece code on a square (a1 is dark):
// the piece kind, +16 for Black, +8 on a dark square; empty squares 16
// (light) and 24 (dark).
int PreviewClipGraphic(int piece, int column, int row);

class ChessSetOptions {
public:
    ChessSetOptions(const Support::Settings& settings, OptionsChanges& changes);

    // The lists from the folders, the settings' set and board selected.
    void Load();

    const NameList& Sets() const { return sets_; }
    const NameList& Boards() const { return boards_; }
    void SetRowChanged(int row);
    void BoardRowChanged(int row);
    // The selected board picture; empty when no set and board are selected.
    QString PreviewPicturePath() const;
    // The selection has been stored: it is drawn bold.
    void MarkStored();

private:
    bool PopulateSetList();
    void PopulateBoardList(const QString& keepBoard);

    const Support::Settings& settings_;
    OptionsChanges& changes_;
    NameList sets_;
    NameList boards_;
    QString selectedBoard_;
};

} // namespace OptionsSupport
