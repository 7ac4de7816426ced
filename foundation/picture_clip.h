#pragma once
// A picture cut into a grid of equal cells, numbered row by row from 0: the
// store from which skinned buttons, toolbars and the board take their faces.
// PictureGrid is the plain value; PictureClip is the same held as a hidden
// control of the window that owns it, where the skin fills it by name.

#include <QPixmap>
#include <QWidget>

namespace Support {

class PictureGrid {
public:
    PictureGrid(int rows, int columns) : rows_(rows), columns_(columns) { }

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

class PictureClip : public QWidget {
    Q_OBJECT
public:
    PictureClip(QWidget* owner, const QString& name, int rows, int columns);

    void SetPicture(const QPixmap& picture) { grid_.SetPicture(picture); }
    const QPixmap& Picture() const { return grid_.Picture(); }
    int Rows() const { return grid_.Rows(); }
    int Columns() const { return grid_.Columns(); }
    QPixmap GraphicCell(int index) const { return grid_.GraphicCell(index); }
    PictureGrid& Grid() { return grid_; }

private:
    PictureGrid grid_;
};

} // namespace Support
