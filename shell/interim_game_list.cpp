#include "shell/interim_game_list.h"

#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "store/database.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace SysTraySupport {

namespace {

const QString WindowName = QStringLiteral("GameInterface");
QPointer<InterimGameListWindow> openWindow;
// The window is loaded (shown and not yet closed or unloaded).
bool listShown = false;

QString StatusText(int status)
{
    switch (status) {
    case 1: return QStringLiteral("Your move");
    case 2: return QStringLiteral("Waiting");
    case 3: return QStringLiteral("Won");
    case 4: return QStringLiteral("Lost");
    case 5: return QStringLiteral("Draw offered");
    case 6: return QStringLiteral("Drawn");
    default: return QString();
    }
}

} // namespace

InterimGameListWindow::InterimGameListWindow()
{
    setObjectName(WindowName);
    setAttribute(Qt::WA_DeleteOnClose, true);
    resize(560, 320);

    StateText = new QLabel(this);
    GameList = new QTreeWidget(this);
    GameList->setObjectName(QStringLiteral("GameList"));
    GameList->setRootIsDecorated(false);
    GameList->setHeaderLabels({QStringLiteral("Game_ID"), QStringLiteral("Status"), QStringLiteral("Opponent"),
                               QStringLiteral("Game title"), QStringLiteral("Date started")});
    GameList->hideColumn(0);
    GameList->header()->setSectionResizeMode(QHeaderView::Stretch);
    RetrieveButton = new QPushButton(QStringLiteral("&Retrieve games"), this);
    ExitButton = new QPushButton(QStringLiteral("Exit Marrowdale"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(RetrieveButton);
    buttons->addWidget(ExitButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StateText);
    layout->addWidget(GameList, 1);
    layout->addLayout(buttons);

    connect(RetrieveButton, &QPushButton::clicked, this, [this] {
        if (Retrieve)
            Retrieve();
    });
    connect(ExitButton, &QPushButton::clicked, this, [] { Support::ExitProgram(); });
}

void InterimGameListWindow::Fill(std::optional<int> selectGameId)
{
    const Database::DataFolder folder = Support::ProgramDataFolder();
    std::vector<GameRecord> games;
    Database::SelectGames(folder, games, "", "Game_status;A;Game_opponents_name;A;Game_date;D");
    GameList->clear();
    for (const GameRecord& game : games) {
        auto* row = new QTreeWidgetItem(GameList);
        row->setText(0, QString::number(game.GAME_ID));
        row->setText(1, StatusText(game.GAME_STATUS));
        row->setText(2, QString::fromStdString(game.GAME_OPPONENTS_NAME));
        row->setText(3, QString::fromStdString(game.GAME_NAME));
        row->setText(4, QString::fromStdString(game.GAME_DATE));
        if (selectGameId && *selectGameId == game.GAME_ID)
            GameList->setCurrentItem(row);
    }
    const QString count = games.empty() ? QStringLiteral("No games are stored yet.")
                                        : QStringLiteral("%1 stored games.").arg(games.size());
    // The caption carries the tray state; a desktop without window frames
    // shows no caption, so the state stands here too.
    StateText->setText(windowTitle() + QStringLiteral(". ") + count);
}

std::optional<int> InterimGameListWindow::SelectedGameId() const
{
    if (QTreeWidgetItem* row = GameList->currentItem())
        return row->text(0).toInt();
    return std::nullopt;
}

void InterimGameListWindow::closeEvent(QCloseEvent* event)
{
    listShown = false;
    Support::ForgetWindow(WindowName);
    event->accept();
    // Without a tray icon this window is the program.
    if (!Support::ProgramSettings().SystrayStartup && !Support::Globals().Quitting)
        Support::ExitProgram();
}

InterimGameListWindow* InterimGameList::Window() const
{
    return openWindow.data();
}

void InterimGameList::ShowGameList()
{
    if (!openWindow) {
        openWindow = new InterimGameListWindow;
        openWindow->Retrieve = Retrieve;
        Support::RegisterWindow(WindowName, {[] {
                                                 if (openWindow) {
                                                     openWindow->hide();
                                                     openWindow->deleteLater();
                                                 }
                                                 listShown = false;
                                             },
                                             [] { openWindow = nullptr; }});
    }
    listShown = true;
    openWindow->setWindowTitle(stateCaption_);
    openWindow->setWindowIcon(stateIcon_);
    openWindow->Fill(openWindow->SelectedGameId());
    openWindow->show();
    openWindow->raise();
    openWindow->repaint();
}

bool InterimGameList::GameListShown() const
{
    return listShown;
}

void InterimGameList::FillGameList(std::optional<int> selectGameId)
{
    if (openWindow)
        openWindow->Fill(selectGameId);
}

std::optional<int> InterimGameList::SelectedGameId()
{
    return openWindow ? openWindow->SelectedGameId() : std::nullopt;
}

void InterimGameList::ShowTrayState(const QIcon& icon, const QString& caption)
{
    stateIcon_ = icon;
    stateCaption_ = caption;
    if (openWindow) {
        openWindow->setWindowTitle(caption);
        openWindow->setWindowIcon(icon);
        openWindow->Fill(openWindow->SelectedGameId());
    }
}

} // namespace SysTraySupport
