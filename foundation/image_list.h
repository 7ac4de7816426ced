#pragma once
// A numbered list of small pictures: the piece icons of the chess set (drag
// cursors, palette) and the tray's icon sets. Images are numbered from 1.

#include <QList>
#include <QPixmap>

namespace Support {

class ImageList {
public:
    void Clear() { images_.clear(); }
    void Add(const QPixmap& image) { images_.append(image); }
    void Replace(QList<QPixmap> images) { images_ = std::move(images); }
    int Count() const { return int(images_.size()); }
    // Image i (1-based); a null pixmap outside the list.
    QPixmap ListImages(int index) const;

private:
    QList<QPixmap> images_;
};

} // namespace Support
