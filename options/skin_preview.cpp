#include "options/skin_preview.h"

#include "board/board_layout.h"
#include "foundation/skin.h"
#include "foundation/skin_table.h"

#include <QPainter>

#include <vector>

namespace OptionsSupport {

namespace {

struct PreviewLayout {
    const char* background;
    const char* strip;
    std::vector<int> cells;   // the faces shown, in the strip's cells
    std::vector<QRect> faces; // where they stand on the background
    const char* gridSwatch;
    QRect grid;
};

// The skinned board: seven toolbar faces down its left (900 twips apart
// from 600, 555), and its move list.
PreviewLayout BoardLayout()
{
    PreviewLayout layout{
        "Board.jpg", "BoardButtons.bmp", {0, 2, 4, 6, 8, 10, 14},
        {},          "BoardGrid.bmp",    BoardSupport::PxRect(BoardSupport::MoveListTwips)};
    for (int i = 0; i < 7; ++i)
        layout.faces.push_back(BoardSupport::PxRect(600, 555 + 900 * i, 960, 600));
    return layout;
}

// The skinned game list: four toolbar faces along its top, and its grid.
PreviewLayout GameListLayout()
{
    PreviewLayout layout{"Interface.jpg",     "InterfaceButtons.bmp",  {0, 3, 6, 9}, {},
                         "InterfaceGrid.bmp", QRect(94, 131, 577, 162)};
    for (int i = 0; i < 4; ++i)
        layout.faces.push_back(QRect(38 + 71 * i, 50, 64, 40));
    return layout;
}

const Support::StripLayout* StripOf(const char* file)
{
    for (const Support::StripLayout& strip : Support::StripLayouts)
        if (strip.file == file)
            return &strip;
    return nullptr;
}

} // namespace

QImage SkinPreviewPicture(const QString& skinFolder, PreviewWindow window)
{
    const PreviewLayout layout = window == PreviewWindow::Board ? BoardLayout() : GameListLayout();
    QImage picture(skinFolder + QLatin1String(layout.background));
    if (picture.isNull())
        return picture;
    picture = picture.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&picture);

    const QImage strip(skinFolder + QLatin1String(layout.strip));
    if (const Support::StripLayout* cells = StripOf(layout.strip); cells && !strip.isNull())
        for (std::size_t i = 0; i < layout.cells.size(); ++i) {
            const int cell = layout.cells[i];
            const QRect source((cell % cells->columns) * cells->cellWidth,
                               (cell / cells->columns) * cells->cellHeight, cells->cellWidth,
                               cells->cellHeight);
            painter.drawImage(layout.faces[i], strip, source);
        }

    // Swatch columns 1 and 3: the header's and the cells' back colours.
    const QImage swatch(skinFolder + QLatin1String(layout.gridSwatch));
    const Support::SkinColour header = Support::GetSkinColour(swatch, 1, 1);
    const Support::SkinColour cells = Support::GetSkinColour(swatch, 3, 1);
    if (header != Support::InvalidSkinColour && cells != Support::InvalidSkinColour) {
        const int headerHeight = 18;
        painter.fillRect(layout.grid, Support::ToQColor(cells));
        painter.fillRect(QRect(layout.grid.topLeft(), QSize(layout.grid.width(), headerHeight)),
                         Support::ToQColor(header));
    }
    return picture;
}

} // namespace OptionsSupport
