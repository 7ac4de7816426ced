#include "platform/help_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace Platform {

namespace {

constexpr int PageRole = Qt::UserRole + 1;

QString ReadPageHead(const QString& filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The head is all the finder reads; pages keep it near the top.
    return QString::fromUtf8(file.read(16 * 1024));
}

} // namespace

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), browser_(new QTextBrowser), finder_(new QTabWidget),
      contentsList_(new QListWidget), indexList_(new QListWidget), indexFilter_(new QLineEdit)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Marrowdale Help"));
    resize(760, 560);

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexFilter_->setPlaceholderText(tr("Type a key word"));
    indexLayout->addWidget(indexFilter_);
    indexLayout->addWidget(indexList_);
    finder_->addTab(contentsList_, tr("Contents"));
    finder_->addTab(indexPage, tr("Index"));
    finder_->hide();

    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);

    auto* splitter = new QSplitter;
    splitter->addWidget(finder_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);

    auto open = [this](QListWidgetItem* item) {
        if (item)
            browser_->setSource(item->data(PageRole).toUrl());
    };
    connect(contentsList_, &QListWidget::itemActivated, this, open);
    connect(contentsList_, &QListWidget::itemClicked, this, open);
    connect(indexList_, &QListWidget::itemActivated, this, open);
    connect(indexList_, &QListWidget::itemClicked, this, open);
    connect(indexFilter_, &QLineEdit::textChanged, this, &HelpWindow::FilterIndex);
    connect(indexFilter_, &QLineEdit::returnPressed, this, [this, open] {
        for (int row = 0; row < indexList_->count(); ++row)
            if (!indexList_->item(row)->isHidden())
                return open(indexList_->item(row));
    });
}

void HelpWindow::ShowPage(const QUrl& page)
{
    finder_->hide();
    if (page.isLocalFile() && !QFileInfo(page.toLocalFile()).isFile()) {
        browser_->clear();
        browser_->setHtml(tr("<h2>Help page missing</h2><p>The help page %1 could not be found. "
                             "Reinstalling Marrowdale puts it back.</p>")
                              .arg(page.toLocalFile().toHtmlEscaped()));
        return;
    }
    if (browser_->source().adjusted(QUrl::RemoveFragment) == page.adjusted(QUrl::RemoveFragment)
        && !page.fragment().isEmpty())
        browser_->scrollToAnchor(page.fragment());
    else
        browser_->setSource(page);
}

void HelpWindow::ShowFinder(const QList<HelpEntry>& contents, const QList<HelpEntry>& index)
{
    FillList(contentsList_, contents);
    FillList(indexList_, index);
    indexFilter_->clear();
    finder_->show();
    if (!contents.isEmpty() && browser_->source().isEmpty())
        browser_->setSource(contents.first().Page);
}

void HelpWindow::FillList(QListWidget* list, const QList<HelpEntry>& entries)
{
    list->clear();
    for (const HelpEntry& entry : entries) {
        auto* item = new QListWidgetItem(entry.Text, list);
        item->setData(PageRole, entry.Page);
    }
}

void HelpWindow::FilterIndex(const QString& text)
{
    const QString wanted = text.trimmed();
    for (int row = 0; row < indexList_->count(); ++row) {
        QListWidgetItem* item = indexList_->item(row);
        item->setHidden(!wanted.isEmpty() && !item->text().startsWith(wanted, Qt::CaseInsensitive));
    }
}

HelpWindow& HelpViewer::WindowFor(QWidget* owner)
{
    HelpWindow* window = Find(owner);
    if (!window) {
        window = new HelpWindow(owner);
        windows_.emplace_back(owner, window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

HelpWindow* HelpViewer::Find(QWidget* owner)
{
    Prune();
    for (const auto& [key, window] : windows_)
        if (key == owner)
            return window.data();
    return nullptr;
}

void HelpViewer::Close(QWidget* owner)
{
    if (HelpWindow* window = Find(owner)) {
        window->hide();
        delete window;
    }
    Prune();
}

void HelpViewer::CloseAll()
{
    Prune();
    for (auto& entry : windows_)
        delete entry.second.data();
    windows_.clear();
}

int HelpViewer::OpenWindowCount()
{
    Prune();
    return static_cast<int>(windows_.size());
}

void HelpViewer::Prune()
{
    // A window closed by the user or taken down with its owner leaves a
    // null pointer behind; an owner's address may be reused afterwards.
    windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                  [](const auto& entry) { return entry.second.isNull(); }),
                   windows_.end());
}

HelpViewer& ProgramHelpViewer()
{
    static HelpViewer viewer;
    return viewer;
}

QStringList ReadPageKeywords(const QString& filePath)
{
    static const QRegularExpression meta(
        QStringLiteral(R"re(<meta\s+name\s*=\s*"keywords"\s+content\s*=\s*"([^"]*)")re"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = meta.match(ReadPageHead(filePath));
    QStringList words;
    if (!match.hasMatch())
        return words;
    for (const QString& word : match.captured(1).split(u';')) {
        const QString trimmed = word.trimmed();
        if (!trimmed.isEmpty())
            words << trimmed;
    }
    return words;
}

QString ReadPageTitle(const QString& filePath)
{
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = title.match(ReadPageHead(filePath));
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

} // namespace Platform
