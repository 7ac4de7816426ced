#pragma once
// The options window's Chess set page: the sets, the boards of the chosen
// set, and the start position drawn with them.

#include "options/chess_set_options.h"

#include <array>

class QLabel;
class QListWidget;
class QWidget;

namespace Support {
class PictureClip;
}

namespace OptionsSupport {

class OptionsPage;

class ChessSetPage {
public:
    ChessSetPage(OptionsPage& window, ChessSetOptions& options);

    void Create(QWidget* page);
    void Refresh();

    QListWidget* Sets() const { return sets_; }
    QListWidget* Boards() const { return boards_; }
    // The preview's square at column and row 1 to 8 (a1 is 1, 1).
    QLabel* PreviewSquare(int column, int row) const
    {
        return squares_[std::size_t(column - 1)][std::size_t(row - 1)];
    }

private:
    void PreviewSet();

    OptionsPage& window_;
    ChessSetOptions& options_;
    QListWidget* sets_ = nullptr;
    QListWidget* boards_ = nullptr;
    std::array<std::array<QLabel*, 8>, 8> squares_{}; // [column][row]
    Support::PictureClip* picture_ = nullptr;
};

} // namespace OptionsSupport
