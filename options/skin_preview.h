#pragma once
// A skin's look in small for the options window: a window's background
// picture with that skin's own button faces and grid colours laid where the
// window shows them, so the preview shows the skin's window, not its bare
// texture.

#include <QImage>
#include <QString>

namespace OptionsSupport {

enum class PreviewWindow { Board, GameList };

// From the skin folder (with its trailing "/"): the window's background
// ("Board.jpg" or "Interface.jpg"), its toolbar's up faces and its grid's
// header and cell colours. Null when the background cannot be read (the
// preview stays empty); a missing strip or swatch leaves its part bare.
QImage SkinPreviewPicture(const QString& skinFolder, PreviewWindow window);

} // namespace OptionsSupport
