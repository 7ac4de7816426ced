#include "foundation/indexed_menu.h"

namespace Support {

IndexedMenu::IndexedMenu(const QString& name)
{
    setObjectName(name);
}

QAction* IndexedMenu::Add(int index, const QString& caption)
{
    QAction* action = addAction(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
    items_[index] = action;
    return action;
}

QAction* IndexedMenu::Separator(int index)
{
    QAction* action = addSeparator();
    items_[index] = action;
    return action;
}

QAction* IndexedMenu::Item(int index) const
{
    const auto item = items_.find(index);
    return item == items_.end() ? nullptr : item->second;
}

void IndexedMenu::ConnectItems(QObject* context, const std::function<void(int index)>& dispatch)
{
    for (const auto& [index, action] : items_)
        connect(action, &QAction::triggered, context, [dispatch, index = index] { dispatch(index); });
}

} // namespace Support
