// The rules every start position obeys, each row a board breaking one of
// them (or none) and the refusal it must give.

#include "rules/setup_rules.h"

#include "board_builder.h"

#include <gtest/gtest.h>

using namespace BoardSupport;
using MoveValidation::Black;
using MoveValidation::White;

TEST(SetupRules, EachRuleRefusesItsBoard)
{
    struct Row {
        const char* what;
        const char* pieces;
        MoveValidation::Colour sideToMove;
        SetupRefusal refusal;
    };
    const Row rows[] = {
        {"the two kings", "Ke1 ke8", White, SetupRefusal::None},
        {"White in check with White to move", "Ke1 qe5 ke8", White, SetupRefusal::None},
        {"no White king", "Qd1 ke8", White, SetupRefusal::WhiteKingCount},
        {"two White kings", "Ke1 Ka1 ke8", White, SetupRefusal::WhiteKingCount},
        {"no kings at all", "Qd1 qd8", White, SetupRefusal::WhiteKingCount},
        {"no Black king", "Ke1 qd8", White, SetupRefusal::BlackKingCount},
        {"two Black kings", "Ke1 ke8 kh8", White, SetupRefusal::BlackKingCount},
        {"White pawn on row 1", "Ke1 Pa1 ke8", White, SetupRefusal::PawnOnEndRow},
        {"White pawn on row 8", "Ke1 Pa8 ke6", White, SetupRefusal::PawnOnEndRow},
        {"Black pawn on row 1", "Ke3 ph1 ke8", White, SetupRefusal::PawnOnEndRow},
        {"Black pawn on row 8", "Ke1 ph8 ke6", White, SetupRefusal::PawnOnEndRow},
        {"pawns on rows 2 and 7", "Ke1 Pa7 ph2 ke8", White, SetupRefusal::None},
        {"Black in check with White to move", "Ke1 Qe5 ke8", White, SetupRefusal::WaitingSideInCheck},
        {"Black in check by a pawn", "Ke1 Pd7 ke8", White, SetupRefusal::WaitingSideInCheck},
        {"both kings in check", "Ke1 Qh5 qe4 ke8", White, SetupRefusal::WaitingSideInCheck},
        {"Black to move, White in check", "Ke1 qe5 ke8", Black, SetupRefusal::WaitingSideInCheck},
        {"a check blocked", "Ke1 Qe5 ne7 ke8", White, SetupRefusal::None},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CheckSetupPosition(TestBoards::Squares(row.pieces), row.sideToMove), row.refusal)
            << row.what;
    EXPECT_EQ(CheckSetupPosition(*ParsePositionString(StartPositionString)), SetupRefusal::None);
}
