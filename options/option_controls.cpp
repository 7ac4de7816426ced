#include "options/option_controls.h"

#include "foundation/skinned_button.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>

namespace OptionsSupport {

QLabel* AddLabel(QWidget* page, const QString& name, const QString& text, const QRect& at)
{
    auto* label = new QLabel(text, page);
    label->setObjectName(name);
    label->setGeometry(at);
    return label;
}

QComboBox* AddCombo(QWidget* page, const QString& name, const QStringList& items, const QRect& at)
{
    auto* combo = new QComboBox(page);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setGeometry(at);
    return combo;
}

QListWidget* AddList(QWidget* page, const QString& name, const QRect& at)
{
    auto* list = new QListWidget(page);
    list->setObjectName(name);
    list->setGeometry(at);
    return list;
}

Support::SkinnedButton* AddButton(QWidget* parent, QObject* context, const QString& name,
                                  const QString& caption, const QString& plainCaption,
                                  const QRect& geometry, const std::function<void()>& command)
{
    auto* button = new Support::SkinnedButton(*parent, name, geometry, caption, plainCaption);
    QObject::connect(button, &Support::SkinnedButton::Clicked, context, command);
    return button;
}

CaptionedBox AddBox(QWidget* page, const QString& name, const QString& caption, const QPoint& at,
                    int labelWidth, QObject* labelFilter)
{
    CaptionedBox made;
    made.box = new QCheckBox(page);
    made.box->setObjectName(name);
    made.box->setGeometry(at.x(), at.y(), 18, 20);
    made.label = new QLabel(caption, page);
    made.label->setObjectName(name + QStringLiteral("_L"));
    made.label->setGeometry(at.x() + 20, at.y(), labelWidth, 20);
    made.label->installEventFilter(labelFilter);
    return made;
}

void ShowNameList(QListWidget& widget, const NameList& list)
{
    const QSignalBlocker block(&widget);
    if (widget.count() != list.names.size() || [&] {
            for (int i = 0; i < widget.count(); ++i)
                if (widget.item(i)->text() != list.names[i])
                    return true;
            return false;
        }()) {
        widget.clear();
        widget.addItems(list.names);
    }
    for (int i = 0; i < widget.count(); ++i) {
        QFont font = widget.font();
        font.setBold(i == list.bold);
        widget.item(i)->setFont(font);
    }
    widget.setCurrentRow(list.selected);
    if (list.selected < 0)
        widget.clearSelection();
}

} // namespace OptionsSupport
