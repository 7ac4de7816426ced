#include "dialogs/notation_lines.h"

#include "store/move_entries.h"

namespace Support {

std::vector<std::string> NotationLines(const MoveList& moves)
{
    std::vector<std::string> lines;
    bool waitingForSecond = false;
    for (const MoveRecord& row : moves) {
        const BoardSupport::SpecialEntry special = BoardSupport::SpecialEntryOf(row.notation);
        if (special == BoardSupport::SpecialEntry::DrawOffer
            || special == BoardSupport::SpecialEntry::DrawDeclined)
            continue;
        if (waitingForSecond) {
            lines.back() += " " + row.notation;
        } else {
            lines.push_back(std::to_string(lines.size() + 1) + "." + row.notation);
        }
        waitingForSecond = !waitingForSecond;
    }
    return lines;
}

std::vector<std::string> ParagraphLines(const std::vector<std::string>& lines, std::size_t width)
{
    std::vector<std::string> paragraph;
    for (const std::string& line : lines) {
        const std::string entry = line + " ";
        if (paragraph.empty()
            || (!paragraph.back().empty() && paragraph.back().size() + entry.size() > width))
            paragraph.emplace_back();
        paragraph.back() += entry;
    }
    return paragraph;
}

std::string NotationCell(const std::string& line)
{
    if (line.size() >= NotationCellWidth)
        return line + " ";
    return line + std::string(NotationCellWidth - line.size(), ' ');
}

} // namespace Support
