#pragma once
// Which skin files each window loads and which of its controls they fill.
// A skin is a folder under "UI Graphics" holding, per window, a background
// picture, button picture strips and colour swatches; the swatch row of a
// control is its 1-based position in the window's list.
//
// Plain standard C++: the artwork generator writes exactly these files.

#include "foundation/window_names.h"

#include <string>
#include <string_view>
#include <vector>

namespace Support {

inline constexpr std::string_view DefaultSkinName = "Marrowdale Classic";

struct ButtonStrip {
    std::string file;   // picture strip in the skin folder
    std::string target; // picture clip control it is loaded into
};

struct FormSkinEntry {
    std::string window;     // exact, case-sensitive
    std::string background; // "" when the window has none
    std::vector<ButtonStrip> buttons;
    std::string textSwatch; // label text colours
    std::vector<std::string> textLabels;
    std::string fieldSwatch; // input field colours
    std::vector<std::string> fieldControls;
    std::string gridSwatch; // grid colours
    std::vector<std::string> gridControls;
    std::string tabSwatch; // tab page colours (options window)
    int tabPages = 0;
};

// Every skinned window. The splash screen is not in it: it takes no skin.
const std::vector<FormSkinEntry>& FormSkinTable();
const FormSkinEntry* FindFormSkin(std::string_view window);
inline constexpr std::string_view UnskinnedWindow = WindowNames::SplashScreen;

// Every file name a complete skin folder holds, each once.
std::vector<std::string> SkinFileNames();

// Swatch layout: 15 x 15 cells, the first column 100 pixels from the left
// edge, the first row at the top; a cell is read at its centre.
inline constexpr int SwatchFirstColumnLeft = 100;
inline constexpr int SwatchCell = 15;
inline constexpr int SwatchPixelX(int column)
{
    return 107 + SwatchCell * (column - 1);
}
inline constexpr int SwatchPixelY(int row)
{
    return 7 + SwatchCell * (row - 1);
}

// Colour roles (swatch columns) of each kind of swatch.
inline constexpr int TextSwatchColumns = 1;  // label text
inline constexpr int FieldSwatchColumns = 2; // background, text
inline constexpr int GridSwatchColumns = 6;  // header bg, header text, cells bg,
                                             // cells text, selection bg, selection text
inline constexpr int TabSwatchColumns = 1;   // page background

// How each button strip is cut: rows x columns of equal cells, numbered row
// by row from 0, and the size of one cell in pixels.
struct StripLayout {
    std::string_view file;
    int rows, columns, cellWidth, cellHeight;
};
inline constexpr StripLayout StripLayouts[] = {
    {"SystemButtons.bmp", 1, 2, 90, 26},     // skinned button up, pressed
    {"BoardButtons.bmp", 6, 4, 64, 40},      // board toolbar faces
    {"BoardSetupButtons.bmp", 3, 3, 64, 40}, // set-up toolbar faces
    {"InterfaceButtons.bmp", 4, 3, 64, 40},  // game list toolbar: up, pressed, disabled
};

} // namespace Support
