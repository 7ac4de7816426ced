#include "board/plain_layout.h"

#include <QPoint>

namespace BoardSupport {

namespace {

bool OneOf(const QString& name, std::initializer_list<const char*> names)
{
    for (const char* candidate : names)
        if (name == QLatin1String(candidate))
            return true;
    return false;
}

} // namespace

std::optional<TwipShift> PlainShiftOf(const QString& controlName)
{
    if (OneOf(controlName, {"MDLogo", "Trash", "DrawLogo", "AcceptDrawS", "DeclineDrawS", "MoveList"})
        || controlName.startsWith(QLatin1String("PiecePallete")))
        return PlainRightColumnShift;
    if (OneOf(controlName, {"PlayersTag", "OpponentComment", "PlayerComment_L", "PlayerComment",
                            "SearchProgress", "CancelSearchS", "LabelBoarder_L"}))
        return PlainCommentAreaShift;
    return std::nullopt;
}

QPoint PlainPixelShift(TwipShift shift)
{
    // Rounded by size, so a shift right is as long as the same shift left.
    auto pixels = [](int twips) { return twips < 0 ? -Px(-twips) : Px(twips); };
    return QPoint(-pixels(shift.left), -pixels(shift.up));
}

std::vector<ControlTip> BoardToolTips(bool setupMode, const QString& version)
{
    std::vector<ControlTip> tips;
    auto tip = [&tips](const QString& control, const char* text) {
        tips.push_back({control, QString::fromLatin1(text)});
    };
    // The skinned button's picture lies under a face that takes the mouse:
    // both carry the tip.
    auto toolbar = [&tip](int index, const char* text) {
        tip(QStringLiteral("Toolbar1_%1").arg(index), text);
        tip(QStringLiteral("Toolbar1Face_%1").arg(index), text);
        tip(QStringLiteral("Toolbar1S_%1").arg(index), text);
    };
    tip(QStringLiteral("Menu1Button"), "Actions menu");
    toolbar(1, "VIEW - Toggle between board views");
    toolbar(2, "COORDINATES - Display the board coordinates");
    toolbar(3, "UNDO - Reverse your last move");
    toolbar(7, "CLOSE - Close the form");
    tip(QStringLiteral("PlayersTag"), "Your opponent");
    tip(QStringLiteral("OpponentComment"), "Player comments");
    tip(QStringLiteral("PlayerComment"), "Type a comment here");
    tip(QStringLiteral("SearchProgress"), "Search progress");
    tip(QStringLiteral("MinimiseButton"), "Minimise the board");
    tip(QStringLiteral("MoveList"), "History of previous moves");
    tips.push_back({QStringLiteral("MDLogo"), QStringLiteral("Marrowdale v") + version});
    if (setupMode) {
        tip(QStringLiteral("Menu2Button"), "Piece pallete menu");
        toolbar(4, "RESET - Configure the board for a standard chess opening");
        toolbar(5, "CLEAR - Remove all the pieces from the board");
        toolbar(6, "PLAY - Play the current board setup");
    } else {
        tip(QStringLiteral("Menu2Button"), "Move history menu");
        toolbar(4, "SEND - Send the move to your opponent");
        toolbar(5, "RESEND - Send your last move to your opponent again");
        toolbar(6, "SURRENDER - Surrender the game");
    }
    for (const char* control : {"AcceptDrawFace", "AcceptDrawS"})
        tip(QString::fromLatin1(control), "Accept the offered draw");
    for (const char* control : {"DeclineDrawFace", "DeclineDrawS"})
        tip(QString::fromLatin1(control), "Decline the offered draw");
    for (const char* control : {"CancelSearch", "CancelSearchFace", "CancelSearchS"})
        tip(QString::fromLatin1(control), "Stop the computer from taking its next move");
    return tips;
}

} // namespace BoardSupport
