#pragma once
// The picture stores every window draws from: the chess set's piece icons
// and board picture, the options window's preview set, the skinned button
// faces and the tray icon sets. The program holds one set of stores,
// reached through Pictures(); windows read them, the chess-set loader and
// the skin fill them.

#include "foundation/image_list.h"
#include "foundation/picture_clip.h"

#include <QString>

namespace Support {

// Board pictures are 4 rows of 8 cells; button faces 1 row of 2.
inline constexpr int ChessSetRows = 4;
inline constexpr int ChessSetColumns = 8;

struct PictureStores {
    ImageList IconSet; // the 12 piece icons, in piece-code order
    PictureGrid ChessSet{ChessSetRows, ChessSetColumns};
    PictureGrid PreviewChessSet{ChessSetRows, ChessSetColumns};
    PictureGrid ButtonImages{1, 2}; // skinned button up, pressed
    ImageList TrayIconSets;
};

// The program's stores (empty until loaded); tests reset them with
// `Pictures() = PictureStores{}`.
PictureStores& Pictures();

// The grid the skin table names as a button strip's target ("ButtonImages"),
// or nullptr when the stores have none of that name.
PictureGrid* StoreGrid(PictureStores& stores, const QString& name);

// Six sets of three 16 x 16 icons (normal, new move, no network), from the
// program folder's "Icons/TrayIconSets.png". False when it cannot be read.
bool LoadTrayIconSets(PictureStores& stores);

} // namespace Support
