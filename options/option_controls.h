#pragma once
// The controls the options window's pages are made of, built alike on
// every page: labels, lists, combo boxes, skinned buttons and check boxes
// with a caption label beside them.

#include "options/name_list.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QObject;
class QWidget;

namespace Support {
class SkinnedButton;
}

namespace OptionsSupport {

QLabel* AddLabel(QWidget* page, const QString& name, const QString& text, const QRect& at);
QComboBox* AddCombo(QWidget* page, const QString& name, const QStringList& items, const QRect& at);
QListWidget* AddList(QWidget* page, const QString& name, const QRect& at);

// A skinned button on `parent` whose click runs `command` while `context`
// lives.
Support::SkinnedButton* AddButton(QWidget* parent, QObject* context, const QString& name,
                                  const QString& caption, const QString& plainCaption,
                                  const QRect& geometry, const std::function<void()>& command);

// A check box and its caption label ("opVerbose_L" for "opVerbose"); the
// label's clicks go to `labelFilter`, which toggles the box.
struct CaptionedBox {
    QCheckBox* box = nullptr;
    QLabel* label = nullptr;
};
CaptionedBox AddBox(QWidget* page, const QString& name, const QString& caption, const QPoint& at,
                    int labelWidth, QObject* labelFilter);

// The names, the selected row and the bold row of a list.
void ShowNameList(QListWidget& widget, const NameList& list);

} // namespace OptionsSupport
