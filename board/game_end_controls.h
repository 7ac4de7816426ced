#pragma once
// The board's part in ending a game: the Accept and Decline buttons for
// the opponent's draw offer (skinned, with their plain twins), surrender
// and the offer in place of a move, and the timer that shows the end
// notices and flashes the kings.

class QPushButton;
class QTimer;

namespace Support {
class SkinnedButton;
} // namespace Support

namespace BoardSupport {

class Board;
class GameController;

class GameEndControls {
public:
    GameEndControls(Board& window, GameController& game);

    void Create();

    Support::SkinnedButton* AcceptDraw() const { return acceptDraw_; }
    Support::SkinnedButton* DeclineDraw() const { return declineDraw_; }
    QPushButton* AcceptDrawPlain() const;
    QPushButton* DeclineDrawPlain() const;
    QTimer* CheckTimer() const { return checkTimer_; }

    // The answers shown while an offer waits, the draw's picture in the
    // logo's place.
    void ShowDrawButtons();
    // The program's logo, or the draw's picture while the row shown is an
    // offer awaiting the player's answer.
    void ShowLogo();
    void SurrenderGame();
    void OfferDraw();
    void DecideDraw(bool accept);
    void StartCheckTimer();
    // One tick of the board's timer.
    void CheckTimer_Timer();

private:
    Board& window_;
    GameController& game_;
    Support::SkinnedButton* acceptDraw_ = nullptr;
    Support::SkinnedButton* declineDraw_ = nullptr;
    QTimer* checkTimer_ = nullptr;
};

} // namespace BoardSupport
