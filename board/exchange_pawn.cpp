#include "board/exchange_pawn.h"

#include "board/board_layout.h"
#include "foundation/modal_host.h"
#include "foundation/tool_tip.h"
#include "foundation/window_names.h"

#include <QLabel>
#include <QToolButton>

namespace BoardSupport {

using namespace MoveValidation;

namespace {

// In twips: the skinned window is 4050 x 2325, its instruction below the
// skin's title band and deep enough for its three lines; in the plain
// layout, which has no band, every control moves 640 up and 250 left and
// the window is 1005 lower and 500 narrower.
constexpr int DialogWidthTwips = 4050;
constexpr int DialogHeightTwips = 2325;
constexpr QRect LabelTwips(300, 660, 3450, 675);
constexpr int ButtonTop = 1410;
constexpr int ButtonLeft = 300;
constexpr int ButtonStep = 900;
constexpr TwipShift PlainShift{250, 640};
constexpr int PlainNarrower = 500;
constexpr int PlainLower = 1005;

// The chess set's cells of the four pieces: White 1..4, Black 17..20.
constexpr int FirstCell(Colour side)
{
    return side == White ? 1 : 17;
}

} // namespace

ExchangePawn::ExchangePawn(Colour side, BoardPictures& pictures)
    : AnsweringDialog(std::nullopt), side_(side), pictures_(pictures)
{
    setObjectName(QLatin1String(WindowNames::ExchangePawn));
    setWindowTitle(QStringLiteral("Pawn exchange..."));
    setFixedSize(Px(DialogWidthTwips), Px(DialogHeightTwips));
    Label1 = new QLabel(
        QStringLiteral(
            "Please select a piece to which you wish to promote the pawn you have just moved."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setGeometry(PxRect(LabelTwips.x(), LabelTwips.y(), LabelTwips.width(), LabelTwips.height()));
    for (int i = 0; i < 4; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("PieceButton%1").arg(i));
        button->setGeometry(PxRect(ButtonLeft + i * ButtonStep, ButtonTop, SquareTwips, SquareTwips));
        button->setIconSize(QSize(SquarePixels - 4, SquarePixels - 4));
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, [this, i] { PieceButton_Click(i); });
        PieceButton[i] = button;
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
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        child->move(child->x() - Px(PlainShift.left), child->y() - Px(PlainShift.up));
    setFixedSize(Px(DialogWidthTwips - PlainNarrower), Px(DialogHeightTwips - PlainLower));
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
