#pragma once
// A plain list of the stored games that stands in for the game list window
// until that window is built: it shows each game's opponent, title, date
// and state, carries the tray state in its caption and icon when there is
// no tray icon, and offers the retrieve and exit commands. Closing it ends
// the program when there is no tray icon to return to.

#include "shell/tray_services.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace SysTraySupport {

class InterimGameListWindow : public QWidget {
    Q_OBJECT
public:
    InterimGameListWindow();
    void Fill(std::optional<int> selectGameId);
    std::optional<int> SelectedGameId() const;

    QTreeWidget* GameList;
    QLabel* StateText;
    QPushButton* RetrieveButton;
    QPushButton* ExitButton;

    std::function<void()> Retrieve;

protected:
    void closeEvent(QCloseEvent* event) override;
};

class InterimGameList : public GameListPort {
public:
    void ShowGameList() override;
    bool GameListShown() const override;
    void FillGameList(std::optional<int> selectGameId) override;
    std::optional<int> SelectedGameId() override;
    void ShowTrayState(const QIcon& icon, const QString& caption) override;
    void ShowPlainHelpItem() override {}
    void HideHideInterfaceItems() override {}

    // What the window's Retrieve button does.
    std::function<void()> Retrieve;
    InterimGameListWindow* Window() const;

private:
    QIcon stateIcon_;
    QString stateCaption_ = QStringLiteral("Marrowdale");
};

} // namespace SysTraySupport
