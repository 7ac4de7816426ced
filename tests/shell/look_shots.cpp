// Not a test: pictures of the board with each chess set and of the board
// and the game list with each skin, for looking at; and the board in its
// plain layout, and with its Actions menu open, in both layouts.
//   look-shots OUTPUT_FOLDER
#include "board/board_window.h"
#include "shell/game_interface.h"
#include "shell/game_list_model.h"
#include "shell/program_board.h"

#include "foundation/chess_set.h"
#include "foundation/picture_stores.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

namespace {

class StillHost : public BoardSupport::BoardHost {
public:
    BoardSupport::BoardPictures& Pictures() override { return pictures_; }
    void ReturnToGameList(int) override { }
    void LeaveGameList() override { }
    void UpdateTrayState(int) override { }
    void NotifyNewMoves() override { }
    bool SendMoveMail(int) override { return false; }
    bool ExportMoveFile(int) override { return false; }
    bool LoadChessSet() override { return true; }
    void PrintCurrentBoardState(const BoardSupport::GameController&, QWidget&) override { }
    void ShowCredits() override { }

private:
    SysTraySupport::TrayPictures pictures_;
};

// The window's picture with its open popup drawn where it stands.
QImage WithMenu(QWidget& window, QMenu& menu, QPoint global)
{
    QImage picture = window.grab().toImage();
    QPainter painter(&picture);
    painter.drawPixmap(window.mapFromGlobal(global), menu.grab());
    return picture;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/shots/look");
    QDir().mkpath(out);
    QTemporaryDir data;
    QFile::copy(QStringLiteral(MD_FIXTURES_DIR "/three_games.dat"),
                data.path() + QStringLiteral("/Mdgdb.dat"));
    Support::Globals().ProgramFolder = QStringLiteral(MD_SHARE_DIR);
    Support::Globals().DataPath = data.path() + QStringLiteral("/");
    const Database::DataFolder folder(QFile::encodeName(data.path()).toStdString());

    const struct {
        const char* skin;
        const char* set;
    } looks[] = {{"Marrowdale Classic", "Classic Wood"},
                 {"Marrowdale Classic", "Pen and Ink"},
                 {"Harbour Slate", "Classic Wood"},
                 {"Harbour Slate", "Pen and Ink"}};
    for (const auto& look : looks) {
        Support::Settings& settings = Support::ProgramSettings();
        settings.Skin = QString::fromLatin1(look.skin);
        QWidget tray;
        tray.setObjectName(QStringLiteral("SystemTray"));
        Support::Pictures() = Support::PictureStores{};
        Support::ApplySkin(tray);
        Support::Globals().TrayForm = &tray;
        Support::LoadChessSet(QString::fromLatin1(look.set), QStringLiteral("Plain"));
        const QString name = QStringLiteral("%1-%2")
                                 .arg(QString::fromLatin1(look.skin), QString::fromLatin1(look.set))
                                 .replace(' ', '_');

        StillHost host;
        BoardSupport::Board board(host, folder);
        BoardSupport::BoardOptions options;
        options.request.gameId = 1;
        board.Form_Load(options);
        board.show();
        app.processEvents();
        board.grab().save(out + QStringLiteral("/board-") + name + QStringLiteral(".png"));
        BoardSupport::Board plain(host, folder);
        options.simpleUI = true;
        plain.Form_Load(options);
        plain.show();
        app.processEvents();
        plain.grab().save(out + QStringLiteral("/board-plain-") + name + QStringLiteral(".png"));
        BoardSupport::Board setup(host, folder);
        BoardSupport::BoardOptions setupOptions;
        setupOptions.request.newGameSetup = true;
        setup.Form_Load(setupOptions);
        setup.show();
        app.processEvents();
        setup.grab().save(out + QStringLiteral("/board-setup-") + name + QStringLiteral(".png"));

        if (&look == &looks[0])
            for (const bool setup : {false, true})
                for (const bool simpleUI : {false, true}) {
                    StillHost plainHost;
                    BoardSupport::Board layout(plainHost, folder);
                    BoardSupport::BoardOptions shown;
                    shown.request.gameId = setup ? -1 : 1;
                    shown.request.newGameSetup = setup;
                    shown.simpleUI = simpleUI;
                    layout.Form_Load(shown);
                    layout.show();
                    app.processEvents();
                    const QString kind = QStringLiteral("%1%2").arg(
                        setup ? QStringLiteral("setup-") : QString(),
                        simpleUI ? QStringLiteral("plain") : QStringLiteral("skinned"));
                    layout.grab().save(out + QStringLiteral("/board-%1.png").arg(kind));
                    QPoint at;
                    QMenu* menu = nullptr;
                    QObject::connect(&layout, &BoardSupport::Board::MenuShown,
                                     [&](QMenu* m, QPoint global) {
                                         menu = m;
                                         at = global;
                                     });
                    layout.GameMenu_MouseDown(simpleUI ? static_cast<QWidget*>(layout.GameMenu_L)
                                                       : layout.Menu1Button,
                                              Qt::LeftButton);
                    app.processEvents();
                    WithMenu(layout, *menu, at)
                        .save(out + QStringLiteral("/board-%1-game-menu.png").arg(kind));
                    menu->hide();
                }
        Support::GameListModel model;
        Support::GameListServices services;
        Support::GameInterface list(model, services);
        list.Form_Load();
        list.show();
        app.processEvents();
        list.grab().save(out + QStringLiteral("/list-") + name + QStringLiteral(".png"));
        Support::Globals().TrayForm = nullptr;
    }
    return 0;
}
