#pragma once
// Every window gives its controls their tool tips through this, so the
// option that hides them is kept the same way everywhere: with tips off a
// control has none at all.

#include <QString>
#include <QWidget>

namespace Support {

inline void SetToolTip(QWidget* control, const QString& tip, bool shown)
{
    control->setToolTip(shown ? tip : QString());
}

// The same for a tip written in plain ASCII.
inline void SetToolTip(QWidget* control, const char* tip, bool shown)
{
    SetToolTip(control, QString::fromLatin1(tip), shown);
}

} // namespace Support
