#pragma once
// The printouts as pages of placed items, worked out before anything is
// printed: which text line and which diagram go on which page, and where.
// Heights come from the measured line heights of the page's fonts, so a
// page breaks where the next item no longer fits, whatever the printer.
// All lengths are in points (1/72 inch) from the printable area's top left.

#include "dialogs/diagram_replay.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace Printing {

enum class TextStyle { Title, Body, Small, Mono, Caption };

// What the renderer measured: the printable area and each style's line
// height, and the width of one character of the fixed-width face.
struct PageMetrics {
    double width = 0;
    double height = 0;
    double titleLine = 0;
    double bodyLine = 0;
    double smallLine = 0;
    double monoLine = 0;
    double captionLine = 0;
    double monoAdvance = 0;

    double LineHeight(TextStyle style) const;
};

struct TextItem {
    TextStyle style = TextStyle::Body;
    double x = 0;
    double y = 0; // top of the line
    QString text;
    double scale = 1; // below 1 when the line is narrowed to the page
};

// A framed diagram: ten lines of ten characters, each character one square
// of `square` points.
struct DiagramItem {
    double x = 0;
    double y = 0;
    double square = 0;
    Support::DiagramText lines;
};

struct Page {
    std::vector<TextItem> texts;
    std::vector<DiagramItem> diagrams;
};

using Document = std::vector<Page>;

// The lines over every printout: the title and the game's details.
struct GameHeader {
    QString name;
    QString white;
    QString black;
    QString dateStarted;
};

struct Diagram {
    QString caption; // "12:Nf3"
    Support::DiagramText lines;
};

// Squares of the game diagrams and of the current board, before any scaling.
inline constexpr double DiagramSquare = 12;
inline constexpr double BoardSquare = 36;

// Every diagram in a grid of `columns` across; a page holds `rows` rows of
// diagrams, or fewer when fewer fit below the header or on the page. A grid
// wider than the page is scaled down to its width.
Document LayoutDiagrams(const GameHeader& header, const std::vector<Diagram>& diagrams, int columns,
                        int rows, const PageMetrics& metrics);

// The header, the running paragraph, then the table of notation lines:
// `columns` columns of `rows` lines, filled down each column first. The
// table starts a new page when its first block does not fit below the
// paragraph, and a page holds fewer rows when fewer fit.
Document LayoutNotation(const GameHeader& header, const std::vector<std::string>& lines, int columns,
                        int rows, const PageMetrics& metrics);

// The header, the move line and one large diagram (scaled to fit the page).
Document LayoutCurrentBoard(const GameHeader& header, const QString& moveLine,
                            const Support::DiagramText& board, const PageMetrics& metrics);

// Every text on a page, top to bottom, and in a line left to right: what a
// reader of the page sees, in reading order.
QStringList PageTexts(const Page& page);

} // namespace Printing
