#include "foundation/picture_clip.h"

namespace Support {

QPixmap PictureGrid::GraphicCell(int index) const
{
    if (picture_.isNull() || index < 0 || index >= rows_ * columns_)
        return {};
    const int w = picture_.width() / columns_;
    const int h = picture_.height() / rows_;
    // Cells are cut in the picture's own pixels and keep its scale, so a
    // twice-size board still gives cells of the board's square size.
    QPixmap cell = picture_.copy((index % columns_) * w, (index / columns_) * h, w, h);
    cell.setDevicePixelRatio(picture_.devicePixelRatio());
    return cell;
}

PictureClip::PictureClip(QWidget* owner, const QString& name, int rows, int columns)
    : QWidget(owner), grid_(rows, columns)
{
    setObjectName(name);
    hide();
}

} // namespace Support
