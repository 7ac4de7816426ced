#include "dialogs/dialog_label.h"

#include <QLabel>

namespace Dialogs {

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}

} // namespace Dialogs
