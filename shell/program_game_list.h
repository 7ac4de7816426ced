#pragma once
// The game list behind the tray's port: it loads the one GameInterface
// window when asked, refills it, reports its selected game and, without a
// tray icon, shows the tray state as its caption and icon. The list's sort
// lives here for the whole run, across the window's loads.

#include "shell/game_interface.h"
#include "shell/game_list_model.h"
#include "shell/tray_services.h"

#include <QIcon>
#include <QPointer>

namespace SysTraySupport {

class ProgramGameList : public GameListPort {
public:
    // What the window it loads is given (its board and mail ports, its
    // hooks); kept for each later load.
    void SetServices(Support::GameListServices services) { services_ = std::move(services); }

    void ShowGameList() override;
    bool GameListShown() const override;
    bool GameListMinimised() const override;
    void HideGameList() override;
    void FillGameList(std::optional<int> selectGameId) override;
    std::optional<int> SelectedGameId() override;
    void ShowTrayState(const QIcon& icon, const QString& caption) override;
    void ShowPlainHelpItem() override { }
    void HideHideInterfaceItems() override { }

    // The loaded window, or nullptr.
    Support::GameInterface* Window() const { return window_.data(); }
    Support::GameListModel& Model() { return model_; }

private:
    void Unload();

    Support::GameListModel model_;
    Support::GameListServices services_;
    QPointer<Support::GameInterface> window_;
    QIcon stateIcon_;
    QString stateCaption_;
};

} // namespace SysTraySupport
