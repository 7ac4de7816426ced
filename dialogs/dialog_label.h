#pragma once
// The labels of the about box, the credits and the print options dialog.

#include <QString>

class QLabel;
class QRect;
class QWidget;

namespace Dialogs {

// A label of plain text at its place in the window.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& text);

} // namespace Dialogs
