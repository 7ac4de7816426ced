#include "game/setup_checks.h"

#include "rules/check.h"

#include <algorithm>
#include <array>
#include <vector>

namespace BoardSupport {

using namespace MoveValidation;

namespace {

constexpr Support::MsgIcon RefusedSetupIcon = Support::MsgIcon::SetupRefusal;
constexpr Support::SoundCue RefusedSetupCue = Support::SoundCue::Information;

const char* const CheckmateText =
    "Checkmate.  Placing that piece there will result in checkmate which is not a valid starting state.";
const char* const StalemateText =
    "Stalemate.  Placing that piece there will result in a stalemate which is not a valid starting state.";
const char* const BothKingsText =
    "Putting that piece there will result in both kings being in check, which is impossible in chess.";

SetupJudgement Refuse(const char* text)
{
    return SetupJudgement{true, InvalidSetupMessage(text), NoSideChecked};
}

SetupJudgement Allow(int checkedSide)
{
    return SetupJudgement{false, BoardMessage{}, checkedSide};
}

// One colour's material, kings aside.
struct Material {
    std::array<int, 7> kinds{}; // by PieceKind
    int lightBishops = 0;
    int darkBishops = 0;

    int Pawns() const { return kinds[Pawn]; }
    int CourtPieces() const { return kinds[Rook] + kinds[Knight] + kinds[Bishop] + kinds[Queen]; }
    // Pieces beyond the starting set, each of which a pawn must have been
    // promoted to: a second queen, a third rook or knight, a second bishop
    // on squares of one shade.
    int Promoted() const
    {
        auto beyond = [](int count, int start) { return std::max(0, count - start); };
        return beyond(kinds[Queen], 1) + beyond(kinds[Rook], 2) + beyond(kinds[Knight], 2)
               + beyond(lightBishops, 1) + beyond(darkBishops, 1);
    }
};

Material Count(const BoardSquares& squares, Colour colour)
{
    Material material;
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            const int piece = squares(column, row);
            if (!IsPieceOfColour(piece, colour) || IsKing(piece))
                continue;
            ++material.kinds[KindOf(piece)];
            if (KindOf(piece) == Bishop)
                ++(GetSquareShade(column, row) == 0 ? material.lightBishops : material.darkBishops);
        }
    return material;
}

std::vector<const char*> WarningLines(const Material& m)
{
    // A side starts with eight pawns and seven court pieces besides its king.
    constexpr int StartingPawns = 8;
    constexpr int StartingPieces = 15;
    std::vector<const char*> lines;
    if (m.Pawns() > StartingPawns)
        lines.push_back("To many pawns");
    if (m.Promoted() > std::max(0, StartingPawns - m.Pawns()))
        lines.push_back("Not exchanged enough pawns to pay for the court pieces");
    if (m.kinds[Bishop] >= 2 && m.lightBishops == 0)
        lines.push_back("No bishops on a white board square");
    if (m.kinds[Bishop] >= 2 && m.darkBishops == 0)
        lines.push_back("No bishops on a black board square");
    if (m.Pawns() + m.CourtPieces() > StartingPieces)
        lines.push_back("More than 16 pieces on the board");
    return lines;
}

std::string Block(const char* heading, const std::vector<const char*>& lines)
{
    std::string block = heading;
    for (const char* line : lines)
        block += std::string("\n      ") + line;
    return block;
}

} // namespace

BoardMessage InvalidSetupMessage(std::string text)
{
    return BoardMessage{RefusedSetupIcon, "Invalid setup", std::move(text), RefusedSetupCue, false};
}

SetupJudgement JudgeSetupPosition(const Position& position, Colour own)
{
    const Colour other = static_cast<Colour>(OtherColour(own));
    const int checked = position.checkedSide;
    switch (GetCheckState(position, other, true, checked, Move::None())) {
    case Checkmate:
        return Refuse(CheckmateText);
    case InCheck:
        return IsInCheck(position, own) ? Refuse(BothKingsText) : Allow(other);
    case NotInCheck:
        break;
    }
    if (HasNoLegalMove(position, other, Move::None(), checked))
        return Refuse(StalemateText);
    switch (GetCheckState(position, own, true, checked, Move::None())) {
    case Checkmate:
        return Refuse(CheckmateText);
    case InCheck:
        return Allow(own);
    case NotInCheck:
        break;
    }
    if (HasNoLegalMove(position, own, Move::None(), checked))
        return Refuse(StalemateText);
    return Allow(NoSideChecked);
}

std::string SetupWarnings(const BoardSquares& squares)
{
    const std::vector<const char*> white = WarningLines(Count(squares, White));
    const std::vector<const char*> black = WarningLines(Count(squares, Black));
    std::string text;
    if (!white.empty())
        text = Block("White warnings", white);
    if (!white.empty() && !black.empty())
        text += "\n\n";
    if (!black.empty())
        text += Block("Black warnings", black);
    return text;
}

} // namespace BoardSupport
