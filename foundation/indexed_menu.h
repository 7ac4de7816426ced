#pragma once
// A popup menu whose items are known by the index its dispatch routine
// takes. The indexes run as the menu was designed: separators count, and
// an index may be skipped.

#include <QMenu>

#include <functional>
#include <map>

namespace Support {

class IndexedMenu : public QMenu {
public:
    explicit IndexedMenu(const QString& name);

    // The captions carry no shortcut marks: an "&" shows as itself.
    QAction* Add(int index, const QString& caption);
    QAction* Separator(int index);
    // The item at the index; nullptr for an index the menu lacks.
    QAction* Item(int index) const;
    const std::map<int, QAction*>& Items() const { return items_; }
    // Every item's click calls the dispatch with its index, while the
    // context lives.
    void ConnectItems(QObject* context, const std::function<void(int index)>& dispatch);

private:
    std::map<int, QAction*> items_;
};

} // namespace Support
