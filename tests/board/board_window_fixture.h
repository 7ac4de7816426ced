#pragma once
// What the board window's tests begin from: the offscreen application, the
// program's folder, a modal host the test answers, the fixture database in
// a data folder of the test's own, and the host the board reports to.

#include "foundation/program_state.h"

#include "../foundation/widget_test_support.h"
#include "board_test_support.h"
#include "recording_board_host.h"

#include <gtest/gtest.h>

namespace BoardTests {

class BoardWindowFixture : public ::testing::Test {
protected:
    BoardWindowFixture()
    {
        data.CopyFixture();
        Support::Globals().Mail.PendingMoveList.clear();
        Support::Globals().Quitting = false;
    }

    TestSupport::QtApp app;
    TestSupport::ProgramFolder program;
    TestSupport::ScriptedHost modal;
    TempDataFolder data;
    RecordingBoardHost host;
    bool loaded = false;
};

} // namespace BoardTests
