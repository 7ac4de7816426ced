#include "options/chess_set_page.h"

#include "options/option_controls.h"
#include "options/options_page.h"

#include "foundation/picture_clip.h"

#include <QLabel>
#include <QListWidget>

namespace OptionsSupport {

namespace {

constexpr int SquareSize = 28;
constexpr int PreviewLeft = 229, PreviewTop = 15;

} // namespace

ChessSetPage::ChessSetPage(OptionsPage& window, ChessSetOptions& options)
    : window_(window), options_(options)
{
}

void ChessSetPage::Create(QWidget* page)
{
    AddLabel(page, QStringLiteral("Label8"), QStringLiteral("Chess set"), QRect(10, 8, 200, 18));
    sets_ = AddList(page, QStringLiteral("opChessSet"), QRect(10, 26, 200, 96));
    AddLabel(page, QStringLiteral("Label9"), QStringLiteral("Chess board"), QRect(10, 130, 200, 18));
    boards_ = AddList(page, QStringLiteral("opChessBoard"), QRect(10, 148, 200, 96));
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row) {
            auto* square = new QLabel(page);
            square->setObjectName(QStringLiteral("pCBoard%1").arg(10 * column + row));
            square->setGeometry(PreviewLeft + SquareSize * (column - 1),
                                PreviewTop + SquareSize * (8 - row), SquareSize, SquareSize);
            square->setScaledContents(true);
            square->hide();
            squares_[std::size_t(column - 1)][std::size_t(row - 1)] = square;
        }
    picture_ = new Support::PictureClip(&window_, QStringLiteral("PreviewChessSet"), 4, 8);
    QObject::connect(sets_, &QListWidget::currentRowChanged, &window_, [this](int row) {
        if (window_.Refreshing())
            return;
        options_.SetRowChanged(row);
        window_.Refresh();
    });
    QObject::connect(boards_, &QListWidget::currentRowChanged, &window_, [this](int row) {
        if (window_.Refreshing())
            return;
        options_.BoardRowChanged(row);
        window_.Refresh();
    });
}

void ChessSetPage::Refresh()
{
    ShowNameList(*sets_, options_.Sets());
    ShowNameList(*boards_, options_.Boards());
    PreviewSet();
}

void ChessSetPage::PreviewSet()
{
    const QString path = options_.PreviewPicturePath();
    QPixmap picture;
    // A board picture that cannot be read hides the preview, as no board does.
    if (path.isEmpty() || !picture.load(path)) {
        for (const auto& column : squares_)
            for (QLabel* square : column)
                square->hide();
        return;
    }
    if (picture_->property("path").toString() != path) {
        picture_->SetPicture(picture);
        picture_->setProperty("path", path);
    }
    const PreviewSquares squares = StartPositionPreview();
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            QLabel* square = PreviewSquare(column, row);
            square->setPixmap(
                picture_->GraphicCell(PreviewClipGraphic(squares[column][row], column, row)));
            square->show();
        }
}

} // namespace OptionsSupport
