#include "board/exchange_pawn.h"

#include "board/board_layout.h"
#include "foundation/modal_host.h"
#include "foundation/tool_tip.h"
#include "foundation/window_names.h"

#include <QLabel>
#include <QPixmap>
#include <QToolButton>

#include <algorithm>

namespace BoardSupport {

using namespace MoveValidation;

namespace {

// In twips: the skinned window is 4050 x 2325, its instruction below the
// skin's title band and deep enough for its three lines; in the plain
// layout, which has no band, every control moves 640 up and 250 left and
// the window is 500 narrower, ending below the pieces as the skinned one
// does.
constexpr int DialogWidthTwips = 4050;
constexpr int DialogHeightTwips = 2325;
constexpr QRect LabelTwips(300, 660, 3450, 675);
constexpr int ButtonTop = 1410;
constexpr int ButtonLeft = 300;
constexpr int ButtonStep = 900;
constexpr TwipShift PlainShift{250, 640};
constexpr int PlainNarrower = 500;

// The chess set's cells of the four pieces: White 1..4, Black 17..20.
constexpr int FirstCell(Colour side)
{
    return side == White ? 1 : 17;
}

} // namespace

ExchangePawnGeometry ExchangePawnLayout(QSize picture, bool simpleUI)
{
    const QPoint shift = simpleUI ? QPoint(Px(PlainShift.left), Px(PlainShift.up)) : QPoint();
    // A button is a square at least, or the picture's size when larger; it
    // shows the picture within a 2-pixel rim.
    const int side = std::max({SquarePixels, picture.width(), picture.height()});
    const int gap = Px(ButtonStep - SquareTwips);
    const int left = Px(ButtonLeft) - shift.x();
    const int top = Px(ButtonTop) - shift.y();
    ExchangePawnGeometry layout;
    layout.label = PxRect(LabelTwips.x(), LabelTwips.y(), LabelTwips.width(), LabelTwips.height())
                       .translated(-shift);
    for (int i = 0; i < 4; ++i)
        layout.buttons[i] = QRect(left + i * (side + gap), top, side, side);
    layout.icon = QSize(side - 4, side - 4);
    // Below the pieces the skinned window's room; beside the last one as
    // much as before the first.
    const int below = Px(DialogHeightTwips - ButtonTop - SquareTwips);
    const QSize needed(layout.buttons[3].right() + 1 + left, layout.buttons[3].bottom() + 1 + below);
    const QSize designed = simpleUI ? QSize(Px(DialogWidthTwips - PlainNarrower), needed.height())
                                    : QSize(Px(DialogWidthTwips), Px(DialogHeightTwips));
    layout.window = designed.expandedTo(needed);
    return layout;
}

ExchangePawn::ExchangePawn(Colour side, BoardPictures& pictures)
    : AnsweringDialog(std::nullopt), side_(side), pictures_(pictures)
{
    setObjectName(QLatin1String(WindowNames::ExchangePawn));
    setWindowTitle(QStringLiteral("Pawn exchange..."));
    Label1 = new QLabel(
        QStringLiteral(
            "Please select a piece to which you wish to promote the pawn you have just moved."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("PieceButton%1").arg(i));
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, [this, i] { PieceButton_Click(i); });
        PieceButton[i] = button;
    }
    Place(false);
}

void ExchangePawn::Place(bool simpleUI)
{
    QSize picture;
    for (int i = 0; i < 4; ++i)
        picture = picture.expandedTo(
            pictures_.ChessSetCell(FirstCell(side_) + i).deviceIndependentSize().toSize());
    const ExchangePawnGeometry layout = ExchangePawnLayout(picture, simpleUI);
    setFixedSize(layout.window);
    Label1->setGeometry(layout.label);
    for (int i = 0; i < 4; ++i) {
        PieceButton[i]->setGeometry(layout.buttons[i]);
        PieceButton[i]->setIconSize(layout.icon);
    }
}

bool ExchangePawn::Form_Load(bool simpleUI, bool showToolTips)
{
    if (!LoadLayout(simpleUI))
        return false;
    for (int i = 0; i < 4; ++i)
        PieceButton[i]->setIcon(QIcon(pictures_.ChessSetCell(FirstCell(side_) + i)));
    SetToolTips(showToolTips);
    return true;
}

void ExchangePawn::SetSimpleUI()
{
    Place(true);
}

void ExchangePawn::SetToolTips(bool on)
{
    const char* tips[] = {"Rook", "Knight", "Bishop", "Queen"};
    for (int i = 0; i < 4; ++i)
        Support::SetToolTip(PieceButton[i], tips[i], on);
}

void ExchangePawn::PieceButton_Click(int index)
{
    AnswerWith(static_cast<PieceCode>(side_ == White ? index + 1 : index + 7));
}

PieceCode AskForPromotion(Colour side, BoardPictures& pictures, bool simpleUI, bool showToolTips)
{
    ExchangePawn window(side, pictures);
    window.setWindowModality(Qt::ApplicationModal);
    if (window.Form_Load(simpleUI, showToolTips))
        Support::CurrentModalHost().RunModal(window);
    return window.ChosenPiece().value_or(side == White ? WhiteQueen : BlackQueen);
}

} // namespace BoardSupport
