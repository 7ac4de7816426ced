#pragma once
// What the options window's lists hold and how a stored setting picks an
// item: the tabs and their help topics, the check interval, the search depth
// and the notification time-out lists, and the tool tips of every control.

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace OptionsSupport {

enum OptionsTab : int {
    GeneralTab = 1,
    NotificationTab,
    ChessSetTab,
    HeuristicsTab,
    SavedAITab,
    SkinsTab
};
inline constexpr int TabCount = 6;
// The plain layout has no Skins tab: skins belong to the skinned layout.
inline constexpr int PlainTabCount = 5;

// "General" ... "Skins" for tabs 1 to 6.
QString TabCaption(int tab);
// The tab whose caption this is; 0 for any other text.
int TabOfCaption(const QString& caption);
// Help topics 7 to 11 for tabs 1 to 5; 0 (no help) for the Skins tab.
int HelpTopicOfTab(int tab);

// "Never", "1" ... "30" seconds; the item data is item * 1000 ms.
QStringList CheckIntervalItems();
// The item an interval in milliseconds shows: the nearest whole second,
// halves to even, kept within the list.
int CheckIntervalItem(int intervalMs);
inline int CheckIntervalOfItem(int item)
{
    return item * 1000;
}

QStringList SearchDepthItems();
QStringList NotificationTimeoutItems();

// A stored position kept within a list of `count` items (the nearest item).
int NearestItem(int position, int count);

// The tool tips, in the order they are set: control name, text. The tabs of
// the plain tab strip take the texts of the first five.
const std::vector<std::pair<QString, QString>>& ToolTipTable();

// The next-run notices of the two mode boxes.
struct NextRunNotice {
    QString caption;
    QString text;
};
NextRunNotice SimpleUINotice(bool checked);
NextRunNotice SystrayStartupNotice(bool checked);

} // namespace OptionsSupport
