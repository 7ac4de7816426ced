#pragma once
// Skinning a window from the chosen skin folder: its background picture,
// its button picture strips and the colours of its labels, fields, grids
// and tab pages, read from colour swatch bitmaps (see skin_table.h).
//
// A file that cannot be loaded switches the Skin setting to the default
// skin and carries on from there; when the default skin fails too, the
// program reports the file and ends.

#include <QColor>
#include <QString>

#include <cstdint>
#include <functional>

class QImage;
class QWidget;

namespace Support {

class PictureClip;

// Colours as the skin files give them: 0x00BBGGRR, red in the low byte.
using SkinColour = std::uint32_t;
inline constexpr SkinColour InvalidSkinColour = 0xFFFFFFFFu;
QColor ToQColor(SkinColour colour);
SkinColour FromQColor(const QColor& colour);

// The colour of swatch column c, row r (1-based): the pixel at
// x = 107 + 15 (c - 1), y = 7 + 15 (r - 1). InvalidSkinColour when that
// pixel lies outside the picture.
SkinColour GetSkinColour(const QImage& swatch, int column, int row);
SkinColour GetSkinColour(const PictureClip& holder, int column, int row);

// The folder of a skin: <program folder>/UI Graphics/<skin>/.
QString SkinFolder(const QString& skin);

// Skins the window chosen by its objectName. True when it was skinned (and
// for the splash screen, which takes no skin); False for a window the skin
// table does not know (after telling the user) and after the fatal failure.
// The caller closes the window when it gets False.
bool ApplySkin(QWidget& window);

// The load of a window laid out on its skin picture: plain, setSimpleUI
// lays it out; skinned, it takes its outline, then its skin. False when the
// skin failed: the window must not be shown.
bool LoadSkinnedOrPlain(QWidget& window, bool simpleUI, const std::function<void()>& setSimpleUI);

// The plain layout of a window laid out on its skin picture: without the
// picture's frame every direct child moves left and up into the frame's
// space, and the window shrinks by its frame's width and height.
struct PlainLayoutShift {
    int left;
    int up;
    int shrinkWidth;
    int shrinkHeight;
};
void ShiftIntoPlainLayout(QWidget& window, const PlainLayoutShift& shift);

// Dynamic properties a skinned grid also gets, one per swatch column, for
// grids that draw their own header and selection.
inline constexpr const char* GridColourProperties[] = {
    "BackColorFixed", "ForeColorFixed", "BackColor", "ForeColor", "BackColorSel", "ForeColorSel"};

} // namespace Support
