#include "tests/options/options_test_support.h"

#include "options/select_sound.h"

#include "foundation/msg_form.h"
#include "foundation/picture_stores.h"
#include "foundation/program_state.h"
#include "foundation/skin.h"

#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

namespace OptionsTesting {

OptionsFolders::OptionsFolders()
{
    if (!TestSupport::CopyTree(QStringLiteral(MD_SHARE_DIR "/Graphics"),
                               program_.Path() + QStringLiteral("/Graphics")))
        ADD_FAILURE() << "cannot copy the generated chess sets";
    Support::Globals().DataPath = DataPath();
    tray_.setObjectName(QStringLiteral("SystemTray"));
    if (!Support::ApplySkin(tray_))
        ADD_FAILURE() << "cannot skin the tray window";
    Support::Globals().TrayForm = &tray_;
}

OptionsFolders::~OptionsFolders()
{
    Support::Globals().TrayForm = nullptr;
    Support::Globals().DataPath.clear();
}

QString OptionsFolders::ChessSetPath(const QString& set) const
{
    return program_.Path() + QStringLiteral("/Graphics/") + set + QStringLiteral("/");
}

void OptionsFolders::CopyChessSet(const QString& from, const QString& to) const
{
    ASSERT_TRUE(TestSupport::CopyTree(ChessSetPath(from), ChessSetPath(to)));
}

RecordingPort::RecordingPort()
{
    // Each icon a flat colour of its own, so a test can tell them apart.
    for (int i = 0; i < 18; ++i) {
        QPixmap icon(16, 16);
        icon.fill(QColor::fromHsv(i * 20, 200, 200));
        icons << icon;
    }
}

AnsweringHost::AnsweringHost()
{
    Script = [this](QWidget& window) {
        if (auto* box = qobject_cast<Support::MsgForm*>(&window)) {
            messages.push_back({box->FormCaption->text(), box->Message->text()});
            const bool ok = answers.empty() ? true : answers.front();
            if (!answers.empty())
                answers.pop_front();
            ok ? box->OkButtonFace_Click() : box->CancelButtonFace_Click();
        } else if (auto* chooserWindow = qobject_cast<OptionsSupport::SelectSound*>(&window)) {
            if (chooser)
                chooser(*chooserWindow);
        }
    };
}

std::vector<QString> AnsweringHost::Captions() const
{
    std::vector<QString> captions;
    for (const ShownMessage& m : messages)
        captions.push_back(m.caption);
    return captions;
}

} // namespace OptionsTesting
