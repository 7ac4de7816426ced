#pragma once
// The small pictures of the about box and the credits, drawn here in the
// program's wood tones: the about box's tall picture, the program icon and
// its drag cursor, and the credits' close button.

#include <QCursor>
#include <QPixmap>

namespace DialogPictures {

// A strip of board squares, `columns` across, with a king and a knight
// standing on it.
QPixmap StandingPieces(QSize size, int columns = 2);
// The program's icon (Icons/Marrowdale.png in the program folder) at the
// size asked for; a drawn stand-in when the file is missing.
QPixmap ProgramIcon(int size);
// The cursor the icon shows while it is dragged.
QCursor IconDragCursor();
// A round close button with a cross.
QPixmap CloseButtonPicture(QSize size);

} // namespace DialogPictures
