#include "options/option_lists.h"

#include <gtest/gtest.h>

using namespace OptionsSupport;

TEST(CheckInterval, AStoredIntervalShowsTheNearestWholeSecondHalvesToEven)
{
    const struct {
        int ms;
        int item;
    } cases[] = {
        {20000, 20},
        {0, 0},
        {1000, 1},
        {30000, 30},
        {2500, 2},
        {3500, 4},
        {499, 0},
        {1501, 2},
        // Out of the list's range: the nearest item, never a failure to open.
        {-5000, 0},
        {45000, 30},
        {2147483647, 30},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckIntervalItem(c.ms), c.item) << c.ms;
    const QStringList items = CheckIntervalItems();
    ASSERT_EQ(items.size(), 31);
    EXPECT_EQ(items.first(), QStringLiteral("Never"));
    EXPECT_EQ(items[20], QStringLiteral("20"));
    EXPECT_EQ(CheckIntervalOfItem(0), 0);
    EXPECT_EQ(CheckIntervalOfItem(30), 30000);
}

TEST(NotificationTimeout, TwentyItemsFromNeverToTenHoursStoredByPosition)
{
    const QStringList items = NotificationTimeoutItems();
    ASSERT_EQ(items.size(), 20);
    const struct {
        int position;
        const char* text;
    } cases[] = {{0, "Never"},       {1, "30 seconds"}, {2, "1 minute"}, {10, "5 minutes"},
                 {11, "10 minutes"}, {16, "1 hour"},    {19, "10 hours"}};
    for (const auto& c : cases)
        EXPECT_EQ(items[c.position], QString::fromLatin1(c.text));
    EXPECT_EQ(NearestItem(25, 20), 19);
    EXPECT_EQ(NearestItem(-1, 20), 0);
    EXPECT_EQ(SearchDepthItems().size(), 5);
    EXPECT_EQ(SearchDepthItems()[4], QStringLiteral("4 - Normally takes too long"));
}

TEST(Tabs, CaptionsHelpTopicsAndThePlainStripWithoutSkins)
{
    const struct {
        int tab;
        const char* caption;
        int topic;
    } cases[] = {{1, "General", 7},     {2, "Notification", 8}, {3, "Chess set", 9},
                 {4, "Heuristics", 10}, {5, "Saved AI", 11},    {6, "Skins", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(TabCaption(c.tab), QString::fromLatin1(c.caption));
        EXPECT_EQ(HelpTopicOfTab(c.tab), c.topic);
        EXPECT_EQ(TabOfCaption(QString::fromLatin1(c.caption)), c.tab == 6 ? 0 : c.tab);
    }
    EXPECT_EQ(TabOfCaption(QStringLiteral("general")), 0);
}
