#pragma once
// The picture stores the tray window keeps for every other window: the
// chess set's piece icons and board picture, the options preview, the
// skinned button faces and the tray icon sets. Each is a hidden child of
// the tray window under its own name.

#include <QString>

class QWidget;

namespace Support {
class PictureClip;
}

namespace SysTraySupport {

class ImageList;

inline const QString IconSetName = QStringLiteral("IconSet");
inline const QString ChessSetName = QStringLiteral("ChessSet");
inline const QString PreviewChessSetName = QStringLiteral("PreviewChessSet");
inline const QString ButtonImagesName = QStringLiteral("ButtonImages");
inline const QString TrayIconSetsName = QStringLiteral("TrayIconSets");

// Board pictures are 4 rows of 8 cells; button faces 1 row of 2.
inline constexpr int ChessSetRows = 4;
inline constexpr int ChessSetColumns = 8;

// Makes the five stores on the window (once; later calls find them).
void AddPictureStores(QWidget& tray);

// The stores of a window, or nullptr when it has none.
ImageList* FindIconSet(QWidget& tray);
Support::PictureClip* FindChessSet(QWidget& tray);
ImageList* FindTrayIconSets(QWidget& tray);

// Six sets of three 16 x 16 icons (normal, new move, no network), from the
// program folder's "Icons/TrayIconSets.png". False when it cannot be read.
bool LoadTrayIconSets(QWidget& tray);

} // namespace SysTraySupport
