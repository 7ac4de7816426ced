#pragma once
// The window caption, the players' tag and the comment panel of the board.

#include "store/game_record.h"

#include <string>

namespace BoardSupport {

// What the captions are made from.
struct GameFacts {
    std::string whitePlayerName;
    std::string blackPlayerName;
    bool playerIsHost = true;
    bool playerMayMove = false;
    bool checkmated = false;
    bool surrendered = false;
    bool gameDrawn = false;
    int entries = 0;
};

struct FormCaptions {
    std::string caption;
    std::string playersTag;
    bool awaitingOpponent = false;
};

std::string OpponentName(const GameFacts& game);

// The player has won: mated the opponent with the last entry, or the
// opponent resigned with it.
bool WonGame(const GameFacts& game);

FormCaptions SetFormCaptions(const GameFacts& game);

struct CommentPanel {
    std::string text;
    int pointSize = 8;
};

// The comment of the selected row, said by "You" or the opponent; in a
// computer game the search figures once the computer has moved.
CommentPanel DisplayPlayerComment(const GameFacts& game, const MoveList& entries, int selectedRow);
CommentPanel ComputerComment(int movesConsidered, int lastMoveScore);

} // namespace BoardSupport
