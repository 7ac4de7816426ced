#pragma once
// The pawn promotion dialog: four picture buttons (rook, knight, bishop,
// queen) in the colour of the side that moves. It closes only through a
// choice; closing it or pressing Escape leaves it waiting.

#include "board/board_host.h"
#include "foundation/answering_dialog.h"
#include "rules/piece.h"

#include <QRect>
#include <QSize>

#include <array>
#include <optional>

class QLabel;
class QToolButton;

namespace BoardSupport {

// Where the dialog's parts stand, in pixels, for pieces of the given picture
// size: the skinned window keeps its designed size while the pictures fit,
// and both layouts keep the skinned spacing between the instruction, the
// buttons and the window's edge below them, so every picture shows whole.
struct ExchangePawnGeometry {
    QSize window;
    QRect label;
    std::array<QRect, 4> buttons;
    QSize icon;
};
ExchangePawnGeometry ExchangePawnLayout(QSize picture, bool simpleUI);

class ExchangePawn : public Support::AnsweringDialog<std::optional<MoveValidation::PieceCode>> {
    Q_OBJECT
public:
    ExchangePawn(MoveValidation::Colour side, BoardPictures& pictures);

    // The layout (skinned or plain), the pictures and the tool tips. False
    // when the skin could not be applied.
    bool Form_Load(bool simpleUI, bool showToolTips);

    // Button 0 rook, 1 knight, 2 bishop, 3 queen: the chosen piece code and
    // the window hidden.
    void PieceButton_Click(int index);
    std::optional<MoveValidation::PieceCode> ChosenPiece() const { return Answer(); }

    std::array<QToolButton*, 4> PieceButton{};
    QLabel* Label1 = nullptr;

protected:
    void SetSimpleUI() override;
    // Enter, Escape and closing leave the window waiting for its choice.
    void CloseRequested() override { }

private:
    void SetToolTips(bool on);
    // The parts placed for this chess set's pictures in the layout.
    void Place(bool simpleUI);

    MoveValidation::Colour side_;
    BoardPictures& pictures_;
};

// Asks the player through the modal host which piece the pawn becomes.
// Without an answer (a failed skin) the pawn becomes a queen.
MoveValidation::PieceCode AskForPromotion(MoveValidation::Colour side, BoardPictures& pictures,
                                          bool simpleUI, bool showToolTips);

} // namespace BoardSupport
