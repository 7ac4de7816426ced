#pragma once
// What the start-up, shut-down and help tests share: a fresh settings store
// and data folder per test, a skinned tray window so the message box can
// load, a modal host that records every message and answers it with OK,
// and a sound player that records instead of playing.

#include "widget_test_support.h"

#include "foundation/msg_form.h"
#include "foundation/picture_stores.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "platform/sound_player.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace TestSupport {

struct ShownMessage {
    QString caption;
    QString text;
    QString okCaption;
    bool cancelShown;
};

class RecordingPlayer : public Platform::SoundPlayer {
public:
    RecordingPlayer() { Platform::SetSoundPlayer(this); }
    ~RecordingPlayer() override { Platform::SetSoundPlayer(nullptr); }
    void Play(const QString& filePath) override { Played.push_back(filePath); }
    std::vector<QString> Played;
};

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        tray.setObjectName(QStringLiteral("SystemTray"));
        ASSERT_TRUE(Support::ApplySkin(tray));
        Support::ProgramState& state = Support::Globals();
        state.ModalBusy = false;
        state.CheckTimerEnabled = false;
        state.DPICheck = state.ResolutionCheck = state.ColourDepthCheck = state.SoundAllowed = true;
        state.SimpleUIForced = false;
        host.Script = [this](QWidget& w) {
            auto& box = static_cast<Support::MsgForm&>(w);
            Messages.push_back(
                {box.FormCaption->text(), box.Message->text(),
                 box.SimpleLayout() ? box.OKButtonS->text() : box.OkButton.caption->text(),
                 box.CancelShown()});
            box.OkButtonFace_Click();
        };
    }
    void TearDown() override
    {
        Support::Pictures() = Support::PictureStores{};
        Support::ResetGlobals();
    }

    QTemporaryDir config;
    QTemporaryDir data;
    ProgramFolder folder;
    ScriptedHost host;
    RecordingPlayer player;
    QWidget tray;
    std::vector<ShownMessage> Messages;
};

} // namespace TestSupport
