#include "dialogs/print_layout.h"

#include "dialogs/notation_lines.h"

#include <algorithm>

namespace Printing {

double PageMetrics::LineHeight(TextStyle style) const
{
    switch (style) {
    case TextStyle::Title:
        return titleLine;
    case TextStyle::Body:
        return bodyLine;
    case TextStyle::Small:
        return smallLine;
    case TextStyle::Mono:
        return monoLine;
    case TextStyle::Caption:
        return captionLine;
    }
    return bodyLine;
}

namespace {

// Lines placed down the pages one after the other.
class Flow {
public:
    explicit Flow(const PageMetrics& metrics) : metrics_(metrics), document_(1) { }

    double Top() const { return y_; }
    double Room() const { return metrics_.height - y_; }
    bool AtPageTop() const { return y_ == 0; }
    Page& Current() { return document_.back(); }

    void NewPage()
    {
        document_.emplace_back();
        y_ = 0;
    }
    // A line of text, on a new page when it does not fit on this one.
    void Line(TextStyle style, const QString& text, double scale = 1)
    {
        const double height = metrics_.LineHeight(style) * scale;
        if (height > Room() && !AtPageTop())
            NewPage();
        if (!text.isEmpty())
            Current().texts.push_back({style, 0, y_, text, scale});
        y_ += height;
    }
    void Advance(double height) { y_ += height; }

    Document Finish() { return std::move(document_); }

private:
    const PageMetrics& metrics_;
    Document document_;
    double y_ = 0;
};

void Header(Flow& flow, const GameHeader& header)
{
    flow.Line(TextStyle::Title, QStringLiteral("Marrowdale game, ") + header.white
                                    + QStringLiteral(" vs. ") + header.black);
    flow.Line(TextStyle::Body, QString());
    flow.Line(TextStyle::Body, QString());
    flow.Line(TextStyle::Body, QStringLiteral("Game name : ") + header.name);
    flow.Line(TextStyle::Body, QStringLiteral("White : ") + header.white);
    flow.Line(TextStyle::Body, QStringLiteral("Black : ") + header.black);
    flow.Line(TextStyle::Body, QStringLiteral("Date started : ") + header.dateStarted);
}

// A diagram is ten squares wide and high; diagrams side by side keep half
// a square between them.
constexpr double DiagramSquares = 10;
constexpr double DiagramGap = 0.5;

} // namespace

Document LayoutDiagrams(const GameHeader& header, const std::vector<Diagram>& diagrams, int columns,
                        int rows, const PageMetrics& metrics)
{
    columns = std::max(columns, 1);
    rows = std::max(rows, 1);
    Flow flow(metrics);
    Header(flow, header);
    flow.Line(TextStyle::Body, QString());

    const double across = columns * DiagramSquares + (columns - 1) * DiagramGap;
    const double tallest = (metrics.height - metrics.captionLine) / (DiagramSquares + DiagramGap);
    const double square = std::max(1.0, std::min({DiagramSquare, metrics.width / across, tallest}));
    const double rowHeight = metrics.captionLine + (DiagramSquares + DiagramGap) * square;

    int rowsOnPage = 0;
    for (std::size_t first = 0; first < diagrams.size(); first += std::size_t(columns)) {
        if (rowsOnPage == rows || (rowHeight > flow.Room() && !flow.AtPageTop())) {
            flow.NewPage();
            rowsOnPage = 0;
        }
        const double top = flow.Top();
        for (std::size_t i = first; i < std::min(diagrams.size(), first + std::size_t(columns)); ++i) {
            const double x = double(i - first) * (DiagramSquares + DiagramGap) * square;
            // The caption starts over the board's left edge, inside the frame's square.
            flow.Current().texts.push_back(
                {TextStyle::Caption, x + square, top, diagrams[i].caption, 1});
            flow.Current().diagrams.push_back({x, top + metrics.captionLine, square, diagrams[i].lines});
        }
        flow.Advance(rowHeight);
        ++rowsOnPage;
    }
    return flow.Finish();
}

Document LayoutNotation(const GameHeader& header, const std::vector<std::string>& lines, int columns,
                        int rows, const PageMetrics& metrics)
{
    columns = std::max(columns, 1);
    rows = std::max(rows, 1);
    Flow flow(metrics);
    Header(flow, header);
    flow.Line(TextStyle::Small, QString());
    flow.Line(TextStyle::Small, QString());
    for (const std::string& line : Support::ParagraphLines(lines))
        flow.Line(TextStyle::Small, QString::fromStdString(line));
    flow.Line(TextStyle::Small, QString());
    flow.Line(TextStyle::Small, QString());

    // A table line narrower than the page is printed at full size; a wider
    // one is scaled down so no column is cut off.
    const double lineWidth = double(columns) * double(Support::NotationCellWidth) * metrics.monoAdvance;
    const double scale = lineWidth > metrics.width && lineWidth > 0 ? metrics.width / lineWidth : 1;
    const double rowHeight = metrics.monoLine * scale;
    const auto fitting = [&] { return std::max(1, int(flow.Room() / rowHeight)); };

    const int count = int(lines.size());
    for (int first = 0; first < count;) {
        const int wanted = std::min(rows, count - first);
        if (!flow.AtPageTop() && (first > 0 || fitting() < wanted))
            flow.NewPage();
        const int rowsHere = std::min(rows, fitting());
        for (int r = 0; r < rowsHere && first + r < count; ++r) {
            std::string text;
            for (int c = 0; c < columns; ++c) {
                const int index = first + c * rowsHere + r;
                if (index < count)
                    text += Support::NotationCell(lines[std::size_t(index)]);
            }
            flow.Line(TextStyle::Mono, QString::fromStdString(text), scale);
        }
        first += columns * rowsHere;
    }
    return flow.Finish();
}

Document LayoutCurrentBoard(const GameHeader& header, const QString& moveLine,
                            const Support::DiagramText& board, const PageMetrics& metrics)
{
    Flow flow(metrics);
    Header(flow, header);
    flow.Line(TextStyle::Body, moveLine);
    flow.Line(TextStyle::Body, QString());
    double square = std::min(BoardSquare, metrics.width / DiagramSquares);
    if (square * DiagramSquares > flow.Room()) {
        if (flow.Room() < metrics.height / 2)
            flow.NewPage();
        square = std::min(square, flow.Room() / DiagramSquares);
    }
    flow.Current().diagrams.push_back({0, flow.Top(), std::max(square, 1.0), board});
    return flow.Finish();
}

QStringList PageTexts(const Page& page)
{
    std::vector<TextItem> texts = page.texts;
    std::stable_sort(texts.begin(), texts.end(), [](const TextItem& a, const TextItem& b) {
        return a.y != b.y ? a.y < b.y : a.x < b.x;
    });
    QStringList result;
    for (const TextItem& text : texts)
        result << text.text;
    return result;
}

} // namespace Printing
