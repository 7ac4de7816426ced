// When the program tries by itself to get back on-line.
#include "shell/reconnect_policy.h"

#include <gtest/gtest.h>

namespace {

TEST(ReconnectPolicy, OnlyAnOutageTheUserDidNotChoose)
{
    const SysTraySupport::ReconnectPolicy policy;
    for (int bits = 0; bits < 32; ++bits) {
        MailSupport::MailState mail;
        mail.MailOffline = bits & 1;
        mail.NoNetwork = bits & 2;
        mail.StandAloneMode = bits & 4;
        const bool logonMark = bits & 8, declined = bits & 16;
        EXPECT_EQ(policy.TryOnTick(mail, logonMark, declined), bits == 1) << bits;
    }
}

} // namespace
