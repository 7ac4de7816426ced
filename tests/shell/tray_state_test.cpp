#include "shell/pending_moves.h"
#include "shell/tray_state.h"

#include <gtest/gtest.h>

using namespace SysTraySupport;

namespace {

TEST(TrayState, OffLineComesBeforeANewMoveWhichComesBeforeNothingNew)
{
    struct Case {
        bool offline, standAlone, arrivals;
        int state;
        const char* tip;
    } cases[] = {
        {true, false, true, 3, "Marrowdale - Not connected"},
        {true, false, false, 3, "Marrowdale - Not connected"},
        {true, true, true, 2, "Marrowdale - New move arrived"},
        {false, false, true, 2, "Marrowdale - New move arrived"},
        {false, true, false, 1, "Marrowdale - Nothing new"},
        {true, true, false, 1, "Marrowdale - Nothing new"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.offline << c.standAlone << c.arrivals);
        EXPECT_EQ(ChooseTrayState(c.offline, c.standAlone, c.arrivals),
                  (TrayStateChoice{c.state, QString::fromLatin1(c.tip)}));
    }
}

TEST(TrayState, IconNumberAndGameListCaption)
{
    EXPECT_EQ(TrayIconImage(3, 2), 8);
    EXPECT_EQ(TrayIconImage(1, 1), 1);
    EXPECT_EQ(TrayIconImage(6, 3), 18);
    EXPECT_EQ(TrayIconImage(0, 2), 2); // an out-of-range set counts as the first
    EXPECT_EQ(GameListStateCaption(QStringLiteral("Marrowdale - New move arrived")),
              QStringLiteral("Marrowdale : New move arrived"));
    EXPECT_EQ(GameListStateCaption(LostConnectionTip), QStringLiteral("Marrowdale : Not connected"));
    EXPECT_EQ(GameListStateCaption(QString()), QStringLiteral("Marrowdale : "));
}

TEST(PendingMoves, WholeEntriesOnlyAndNoBlankIds)
{
    EXPECT_EQ(FirstPendingId(std::string("1;11;")), 1);
    EXPECT_EQ(RemovePendingId(std::string("1;11;1;"), 1), std::string("11;"));
    EXPECT_EQ(RemovePendingId(std::string("7;7;"), 7), std::string());
    // Blank entries are no ids: nothing to notify about.
    EXPECT_FALSE(FirstPendingId(std::string(";;")).has_value());
    EXPECT_TRUE(IsPendingListBlank(std::string(";")));
    EXPECT_EQ(FirstPendingId(std::string(";5;")), 5);
    EXPECT_EQ(RemovePendingId(std::string(";5;;6;"), 5), std::string("6;"));
    EXPECT_FALSE(IsPendingListBlank(std::string("6;")));
}

} // namespace
