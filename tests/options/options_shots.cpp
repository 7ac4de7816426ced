// Not a test: pictures of every page of the options window in both
// layouts, and of the file chooser in both modes, for looking at.
//   options-shots OUTPUT_FOLDER
#include "options/options_page.h"
#include "options/select_sound.h"

#include "foundation/options_port.h"
#include "foundation/picture_stores.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {

class StillPort : public Support::OptionsPort {
public:
    QList<QPixmap> TrayIconImages() override
    {
        QList<QPixmap> images;
        const QPixmap strip(Support::Globals().ProgramFolder
                            + QStringLiteral("/Icons/TrayIconSets.png"));
        for (int i = 0; i < strip.width() / 16; ++i)
            images << strip.copy(i * 16, 0, 16, 16);
        return images;
    }
    void RedrawTrayIcon() override { }
    void ChessSetChanged() override { }
    bool ApplySkinToOpenWindows() override { return true; }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString out =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/shots/options");
    QDir().mkpath(out);
    QTemporaryDir data;
    Support::Globals().ProgramFolder = QStringLiteral(MD_SHARE_DIR);
    Support::Globals().DataPath = data.path() + QStringLiteral("/");
    QWidget tray;
    tray.setObjectName(QStringLiteral("SystemTray"));
    Support::ApplySkin(tray);
    Support::Globals().TrayForm = &tray;
    StillPort port;

    const struct {
        bool plain;
        const char* skin;
    } looks[] = {{false, "Marrowdale Classic"}, {false, "Harbour Slate"}, {true, "Marrowdale Classic"}};
    for (const auto& look : looks) {
        const bool plain = look.plain;
        const QString skin = QString::fromLatin1(look.skin);
        Support::Settings& settings = Support::ProgramSettings();
        settings = Support::Settings{};
        settings.SimpleUI = plain;
        settings.Skin = skin;
        Support::ApplySkin(tray);
        settings.NotificationMethod = 3;
        OptionsSupport::OptionsPage page(settings, port);
        page.Form_Load();
        page.show();
        page.Controller().Heuristics().SelectRow(4);
        page.Controller().Heuristics().SliderMoved(-60);
        page.Refresh();
        const int tabs = plain ? OptionsSupport::PlainTabCount : OptionsSupport::TabCount;
        for (int tab = 1; tab <= tabs; ++tab) {
            page.ChangeTab(tab);
            app.processEvents();
            page.grab().save(
                QStringLiteral("%1/options-%2-tab%3.png")
                    .arg(out, plain ? QStringLiteral("plain") : QString(skin).replace(' ', '_'))
                    .arg(tab));
        }
        for (const auto mode :
             {OptionsSupport::ChooserMode::Sound, OptionsSupport::ChooserMode::Import}) {
            OptionsSupport::SelectSound chooser(mode, QStringLiteral(MD_SHARE_DIR), QString());
            chooser.Form_Load(plain);
            chooser.show();
            app.processEvents();
            chooser.grab().save(
                QStringLiteral("%1/chooser-%2-%3.png")
                    .arg(out, plain ? QStringLiteral("plain") : QString(skin).replace(' ', '_'),
                         mode == OptionsSupport::ChooserMode::Sound ? "sound" : "import"));
        }
    }
    return 0;
}
