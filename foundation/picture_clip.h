#pragma once
// A picture cut into a grid of equal cells, numbered row by row from 0: the
// store from which skinned buttons, toolbars and the board take their faces.
// It is a hidden child of the window that owns it, so that other code can
// find it by name like any other control.

#include <QPixmap>
#include <QWidget>

namespace Support {

class PictureClip : public QWidget {
    Q_OBJECT
public:
    PictureClip(QWidget* owner, const QString& name, int rows, int columns);

    void SetPicture(const QPixmap& picture) { picture_ = picture; }
    const QPixmap& Picture() const { return picture_; }
    int Rows() const { return rows_; }
    int Columns() const { return columns_; }

    // Cell i of the grid; a null pixmap when there is no picture or i is
    // outside the grid.
    QPixmap GraphicCell(int index) const;

private:
    QPixmap picture_;
    int rows_;
    int columns_;
};

} // namespace Support
