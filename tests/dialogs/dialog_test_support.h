#pragma once
// What the dialog tests share: a program folder with the generated artwork,
// a hidden tray window skinned into the picture stores, and a modal
// host that answers each window with a script.

#include "foundation/picture_stores.h"
#include "foundation/program_state.h"
#include "foundation/skin.h"
#include "tests/foundation/widget_test_support.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace DialogTesting {

class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        tray.setObjectName(QStringLiteral("SystemTray"));
        ASSERT_TRUE(Support::ApplySkin(tray));
        Support::Globals().TrayForm = &tray;
    }
    void TearDown() override
    {
        Support::Globals().TrayForm = nullptr;
        Support::Pictures() = Support::PictureStores{};
    }

    // The help pages into the program folder, for the tests that open help.
    void CopyHelpPages()
    {
        ASSERT_TRUE(TestSupport::CopyTree(QStringLiteral(MD_SHARE_DIR "/help"),
                                          folder.Path() + QStringLiteral("/help")));
    }

    TestSupport::ProgramFolder folder;
    TestSupport::ScriptedHost host;
    QWidget tray;
};

} // namespace DialogTesting
