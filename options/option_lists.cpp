#include "options/option_lists.h"

#include <algorithm>
#include <cmath>

namespace OptionsSupport {

namespace {

const QStringList& TabCaptions()
{
    static const QStringList captions = {QStringLiteral("General"),   QStringLiteral("Notification"),
                                         QStringLiteral("Chess set"), QStringLiteral("Heuristics"),
                                         QStringLiteral("Saved AI"),  QStringLiteral("Skins")};
    return captions;
}

} // namespace

QString TabCaption(int tab)
{
    return tab >= 1 && tab <= TabCount ? TabCaptions()[tab - 1] : QString();
}

int TabOfCaption(const QString& caption)
{
    // The strip has no Skins tab, so its caption selects nothing.
    const int index = int(TabCaptions().indexOf(caption));
    return index >= 0 && index < PlainTabCount ? index + 1 : 0;
}

int HelpTopicOfTab(int tab)
{
    return tab >= 1 && tab <= PlainTabCount ? 6 + tab : 0;
}

QStringList CheckIntervalItems()
{
    QStringList items = {QStringLiteral("Never")};
    for (int seconds = 1; seconds <= 30; ++seconds)
        items << QString::number(seconds);
    return items;
}

int CheckIntervalItem(int intervalMs)
{
    // nearbyint rounds halves to even under the default rounding mode.
    const double seconds = std::nearbyint(double(intervalMs) / 1000.0);
    return int(std::clamp(seconds, 0.0, 30.0));
}

QStringList SearchDepthItems()
{
    return {QStringLiteral("0 - Silly"), QStringLiteral("1 - Easy"), QStringLiteral("2 - Thinks a bit"),
            QStringLiteral("3 - Quite tricky"), QStringLiteral("4 - Normally takes too long")};
}

QStringList NotificationTimeoutItems()
{
    return {QStringLiteral("Never"),       QStringLiteral("30 seconds"),  QStringLiteral("1 minute"),
            QStringLiteral("1.5 minutes"), QStringLiteral("2 minutes"),   QStringLiteral("2.5 minutes"),
            QStringLiteral("3 minutes"),   QStringLiteral("3.5 minutes"), QStringLiteral("4 minutes"),
            QStringLiteral("4.5 minutes"), QStringLiteral("5 minutes"),   QStringLiteral("10 minutes"),
            QStringLiteral("20 minutes"),  QStringLiteral("30 minutes"),  QStringLiteral("40 minutes"),
            QStringLiteral("50 minutes"),  QStringLiteral("1 hour"),      QStringLiteral("2 hours"),
            QStringLiteral("5 hours"),     QStringLiteral("10 hours")};
}

int NearestItem(int position, int count)
{
    return std::clamp(position, 0, std::max(count - 1, 0));
}

const std::vector<std::pair<QString, QString>>& ToolTipTable()
{
    static const std::vector<std::pair<QString, QString>> table = {
        {QStringLiteral("Tabset1Face"), QStringLiteral("General options")},
        {QStringLiteral("Tabset2Face"), QStringLiteral("Chess move notification options")},
        {QStringLiteral("Tabset3Face"), QStringLiteral("Chess set selection options")},
        {QStringLiteral("Tabset4Face"), QStringLiteral("Computer AI settings")},
        {QStringLiteral("Tabset5Face"), QStringLiteral("Saved computer AI settings")},
        {QStringLiteral("Tabset6Face"), QStringLiteral("Select user interface skins")},
        {QStringLiteral("opSysTrayTimerCombo"),
         QStringLiteral("The number of seconds between checking for new move emails")},
        {QStringLiteral("opDisplaySplash"),
         QStringLiteral("Whether to display the splash screen at application launch")},
        {QStringLiteral("opVerbose"),
         QStringLiteral("Whether to display warning messages when illegal chess moves are attempted")},
        {QStringLiteral("opShowToolTips"), QStringLiteral("Whether to display these little tool tips")},
        {QStringLiteral("opIconList"), QStringLiteral("Icons used in the system tray")},
        {QStringLiteral("vsCSearchDepth"),
         QStringLiteral("How many moves the computer should look ahead when playing chess")},
        {QStringLiteral("opDefaultView"),
         QStringLiteral(
             "View the board from the White side regardless of which colour you are playing")},
        {QStringLiteral("opSimpleUI"),
         QStringLiteral("Whether to display the skinned window style or the plain window style")},
        {QStringLiteral("opSystrayStartup"),
         QStringLiteral("Whether to start marrowdale as a system tray icon or a windowed application")},
        {QStringLiteral("opNotifySound"),
         QStringLiteral("Whether to play a sound when a new move arrives")},
        {QStringLiteral("opNotifyDialog"),
         QStringLiteral("Whether to display a message when a new move arrives")},
        {QStringLiteral("opBrowseSound"),
         QStringLiteral("Click to choose a sound to play for new move notification")},
        {QStringLiteral("opNotificationSound"),
         QStringLiteral("The sound chosen to notify you of a new move")},
        {QStringLiteral("opTimeoutCombo"),
         QStringLiteral("How long to leave the new move notification dialog on screen")},
        {QStringLiteral("opChessSet"), QStringLiteral("The chess set to use when playing chess")},
        {QStringLiteral("opChessBoard"),
         QStringLiteral("The chess board variant to use when playing chess")},
        {QStringLiteral("opHeuristicsList"),
         QStringLiteral(
             "All the motivations to perform chess actions used to determin the computers next move")},
        {QStringLiteral("opHeuristicSlider"),
         QStringLiteral("Set the value for a given heuristic from very low motivation to very high")},
        {QStringLiteral("opSavedAIFiles"),
         QStringLiteral("A list of all the available heuristics data files")},
        {QStringLiteral("opSaveAIName"),
         QStringLiteral("The name of the heuristics data file to create when Save is clicked")},
        {QStringLiteral("LoadAIFace"), QStringLiteral("Load the heuristics data from a chosen file")},
        {QStringLiteral("SaveAIFace"), QStringLiteral("Save the current heuristics data to a file")},
        {QStringLiteral("DeleteAIFace"), QStringLiteral("Delete a chosen heuristics data file")},
        {QStringLiteral("AIDefault"),
         QStringLiteral("Return the heuristics data to its origional factory default values")},
        {QStringLiteral("opSkinsList"), QStringLiteral("A list of all available skins")},
    };
    return table;
}

NextRunNotice SimpleUINotice(bool checked)
{
    return {
        QStringLiteral("Skin style"),
        checked
            ? QStringLiteral("Changing to the plain window style user interface will not take effect "
                             "until the next time you run Marrowdale.")
            : QStringLiteral("Changing to the Skinned style user interface will not take effect until "
                             "the next time you run Marrowdale.")};
}

NextRunNotice SystrayStartupNotice(bool checked)
{
    return {QStringLiteral("Application startup"),
            checked
                ? QStringLiteral("Changing to a system tray startup will not take effect until the next "
                                 "time you run Marrowdale.")
                : QStringLiteral("Changing to a windowed application startup will not take effect until "
                                 "the next time you run Marrowdale.")};
}

} // namespace OptionsSupport
