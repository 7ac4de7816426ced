#include "options/chess_set_options.h"

#include "options/option_messages.h"

#include "foundation/program_state.h"
#include "rules/piece.h"
#include "rules/position.h"

namespace OptionsSupport {

namespace {

QString GraphicsFolder()
{
    return Support::Globals().ProgramFolder + QStringLiteral("/Graphics/");
}

} // namespace

PreviewSquares StartPositionPreview()
{
    using namespace MoveValidation;
    PreviewSquares squares{};
    const int backRank[9] = {0,         WhiteRook,   WhiteKnight, WhiteBishop, WhiteQueen,
                             WhiteKing, WhiteBishop, WhiteKnight, WhiteRook};
    for (int column = 1; column <= 8; ++column) {
        squares[column][1] = backRank[column];
        squares[column][2] = WhitePawn;
        squares[column][7] = BlackPawn;
        squares[column][8] = backRank[column] + BlackOffset;
    }
    return squares;
}

int PreviewClipGraphic(int piece, int column, int row)
{
    const int kind = MoveValidation::KindOf(piece);
    const int side = kind == 0 || MoveValidation::IsBlackPiece(piece) ? 16 : 0;
    return kind + side + BoardSupport::GetSquareShade(column, row);
}

ChessSetOptions::ChessSetOptions(const Support::Settings& settings, OptionsChanges& changes)
    : settings_(settings), changes_(changes)
{
}

void ChessSetOptions::Load()
{
    PopulateSetList();
    PopulateBoardList(QString());
    selectedBoard_ = boards_.SelectedName();
}

bool ChessSetOptions::PopulateSetList()
{
    sets_.Clear();
    const auto names = SubFolderNames(GraphicsFolder());
    if (!names) {
        Warn(QStringLiteral("Chess set error"),
             QStringLiteral(
                 "There was an error locating your chess sets.  Please ensure you have a folder "
                 "called Graphics within your Marrowdale install folder."));
        return false;
    }
    sets_.names = *names;
    SelectNamed(sets_, settings_.ChessSet, 0);
    return true;
}

void ChessSetOptions::PopulateBoardList(const QString& keepBoard)
{
    boards_.Clear();
    if (!sets_.HasSelection())
        return;
    // A set folder that has gone, or holds no ".jpg", lists no board.
    boards_.names = FileNamesEndingIn(GraphicsFolder() + sets_.SelectedName(), QStringLiteral(".jpg"))
                        .value_or(QStringList());
    if (sets_.SelectedName() == settings_.ChessSet) {
        boards_.bold = int(boards_.names.indexOf(settings_.ChessBoard));
        boards_.selected = boards_.bold;
    }
    if (!keepBoard.isEmpty() && boards_.names.contains(keepBoard))
        boards_.selected = int(boards_.names.indexOf(keepBoard));
}

void ChessSetOptions::SetRowChanged(int row)
{
    if (row == sets_.selected || row < -1 || row >= sets_.names.size())
        return;
    sets_.selected = row;
    PopulateBoardList(selectedBoard_);
    selectedBoard_ = boards_.SelectedName();
    changes_.applyEnabled = true;
}

void ChessSetOptions::BoardRowChanged(int row)
{
    if (row == boards_.selected || row < -1 || row >= boards_.names.size())
        return;
    boards_.selected = row;
    selectedBoard_ = boards_.SelectedName();
    changes_.applyEnabled = true;
}

QString ChessSetOptions::PreviewPicturePath() const
{
    if (!sets_.HasSelection() || !boards_.HasSelection())
        return QString();
    return GraphicsFolder() + sets_.SelectedName() + QStringLiteral("/") + boards_.SelectedName()
           + QStringLiteral(".jpg");
}

void ChessSetOptions::MarkStored()
{
    sets_.bold = sets_.selected;
    boards_.bold = boards_.selected;
}

} // namespace OptionsSupport
