#pragma once
// The help viewer: our HTML help pages shown in a help window that belongs
// to the window that asked for it. Each owner has at most one help window;
// asking again moves it to the new page, closing the owner (or asking to
// close its help) closes it. The window can also show a finder beside the
// page: the contents (every section by title) and an index of key words.

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include <utility>
#include <vector>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace Platform {

// One line of the finder: the text shown and the page it leads to.
struct HelpEntry {
    QString Text;
    QUrl Page;
};

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // A top-level window that lives as a child of its owner, so that it
    // takes input beside a modal owner and goes when the owner goes.
    explicit HelpWindow(QWidget* owner);

    // Shows the page (a local file, with an optional "#anchor"); a missing
    // file shows a short notice instead.
    void ShowPage(const QUrl& page);
    // Shows the finder's two tabs beside the page; hidden again by ShowPage.
    void ShowFinder(const QList<HelpEntry>& contents, const QList<HelpEntry>& index);

    QTextBrowser* Browser() const { return browser_; }
    QTabWidget* Finder() const { return finder_; }
    QListWidget* ContentsList() const { return contentsList_; }
    QListWidget* IndexList() const { return indexList_; }
    QLineEdit* IndexFilter() const { return indexFilter_; }

private:
    void FillList(QListWidget* list, const QList<HelpEntry>& entries);
    void FilterIndex(const QString& text);

    QTextBrowser* browser_;
    QTabWidget* finder_;
    QListWidget* contentsList_;
    QListWidget* indexList_;
    QLineEdit* indexFilter_;
};

// The help windows of the run, one per owner (nullptr is an owner too: the
// help of a caller that has no window).
class HelpViewer {
public:
    // The owner's help window, made when it has none; shown and raised.
    HelpWindow& WindowFor(QWidget* owner);
    // The owner's help window, nullptr when it has none open.
    HelpWindow* Find(QWidget* owner);
    void Close(QWidget* owner);
    void CloseAll();
    int OpenWindowCount();

private:
    void Prune();
    std::vector<std::pair<QWidget*, QPointer<HelpWindow>>> windows_;
};

HelpViewer& ProgramHelpViewer();

// The key words a help page lists in its <meta name="keywords"> line,
// separated by ";"; none when the file cannot be read.
QStringList ReadPageKeywords(const QString& filePath);
// The page's <title>, "" when it has none.
QString ReadPageTitle(const QString& filePath);

} // namespace Platform
