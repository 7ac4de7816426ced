#include "foundation/help.h"

#include "foundation/program_state.h"
#include "platform/help_viewer.h"

#include <QDir>
#include <QUrl>

#include <algorithm>

namespace Support {

const std::vector<HelpTopicPage>& HelpTopics()
{
    static const std::vector<HelpTopicPage> topics = {
        {1, "contents.html", "Marrowdale Help"},
        {2, "about.html", "The about box"},
        {3, "game-list.html", "The game list"},
        {4, "new-game.html", "Starting a new game"},
        {5, "board.html", "The board window"},
        {6, "new-move.html", "A new move has arrived"},
        {7, "options-general.html", "Options: General"},
        {8, "options-notification.html", "Options: Notification"},
        {9, "options-chess-set.html", "Options: Chess set"},
        {10, "options-heuristics.html", "Options: Heuristics"},
        {11, "options-saved-ai.html", "Options: Saved AI"},
        {12, "print-game.html", "Printing a game"},
        {13, "print-board.html", "Printing the board"},
        {14, "tray.html", "The tray icon and its menu"},
        {16, "import-moves.html", "Importing move files"},
        {17, "notification-sound.html", "Choosing the new-move sound"},
    };
    return topics;
}

QString HelpFolder()
{
    return QDir(Globals().ProgramFolder).filePath(QStringLiteral("help")) + u'/';
}

QString HelpTopicFile(int topic)
{
    const auto& topics = HelpTopics();
    auto found = std::find_if(topics.begin(), topics.end(),
                              [topic](const HelpTopicPage& page) { return page.Topic == topic; });
    if (found == topics.end())
        found = topics.begin();
    return HelpFolder() + QString::fromLatin1(found->File);
}

void ShowHelpContext(QWidget* window, int topic)
{
    Platform::ProgramHelpViewer().WindowFor(window).ShowPage(QUrl::fromLocalFile(HelpTopicFile(topic)));
}

void ShowHelpContents(QWidget* window)
{
    QList<Platform::HelpEntry> contents;
    QList<Platform::HelpEntry> index;
    for (const HelpTopicPage& topic : HelpTopics()) {
        const QString file = HelpFolder() + QString::fromLatin1(topic.File);
        const QUrl page = QUrl::fromLocalFile(file);
        contents.append({QString::fromUtf8(topic.Title), page});
        for (const QString& word : Platform::ReadPageKeywords(file))
            index.append({word, page});
    }
    std::stable_sort(index.begin(), index.end(), [](const auto& a, const auto& b) {
        return a.Text.compare(b.Text, Qt::CaseInsensitive) < 0;
    });
    Platform::ProgramHelpViewer().WindowFor(window).ShowFinder(contents, index);
}

void CloseHelp(QWidget* window)
{
    Platform::ProgramHelpViewer().Close(window);
}

} // namespace Support
