#pragma once
// The fixture every scenario table runs on: one mail world per test, of the
// kind the instantiation names.

#include "tests/mail/mail_world.h"

#include <gtest/gtest.h>

namespace MailTesting {

class MailScenario : public ::testing::TestWithParam<WorldKind> {
protected:
    void SetUp() override
    {
        world = GetParam().Make();
        if (!world)
            GTEST_SKIP() << GetParam().Name << " is not available here";
    }
    std::unique_ptr<MailWorld> world;
};

inline void PrintTo(const WorldKind& kind, std::ostream* os)
{
    *os << kind.Name;
}

inline std::string WorldName(const ::testing::TestParamInfo<WorldKind>& info)
{
    return info.param.Name;
}

} // namespace MailTesting
