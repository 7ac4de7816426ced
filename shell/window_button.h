#pragma once
// The small square help, minimise and close buttons the skinned windows
// carry on their picture: a light face with a dark glyph.

#include <QLabel>

namespace Support {

inline void StyleWindowButton(QLabel& button)
{
    button.setAlignment(Qt::AlignCenter);
    button.setStyleSheet(QStringLiteral("QLabel { color: #3A2A1C; font-weight: bold; background: #E8D2A8;"
                                        " border: 1px solid #5A3E28; border-radius: 4px; }"));
}

} // namespace Support
