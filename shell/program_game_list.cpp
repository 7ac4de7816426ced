#include "shell/program_game_list.h"

#include "foundation/options_about_entry.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "foundation/window_names.h"
#include "shell/window_place.h"

namespace SysTraySupport {

namespace {

const QString WindowName = QLatin1String(WindowNames::GameInterface);

} // namespace

void ProgramGameList::ShowGameList()
{
    if (!window_) {
        window_ = new Support::GameInterface(model_, services_);
        window_->setAttribute(Qt::WA_DeleteOnClose, true);
        if (!stateCaption_.isEmpty()) {
            window_->setWindowTitle(stateCaption_);
            window_->setWindowIcon(stateIcon_);
        }
        if (!window_->Form_Load()) {
            // The skin loader has told the user; the window goes unshown.
            window_->setAttribute(Qt::WA_DeleteOnClose, false);
            delete window_.data();
            return;
        }
        // Closing the window by itself forgets it; the program's shut-down
        // unloads it through the registration.
        QObject::connect(window_.data(), &Support::GameInterface::Unloaded, [this] {
            Support::ForgetWindow(WindowName);
            window_ = nullptr;
        });
        Support::RegisterWindow(WindowName, {[this] { Unload(); }, {}});
    }
    // Where the user left it, after a board or in an earlier run.
    Support::MoveToKeptPlace(*window_, Support::ProgramSettings().GameListPlace);
    if (window_->isMinimized())
        window_->showNormal();
    window_->show();
    Support::BringToTop(window_.data());
    window_->repaint();
}

bool ProgramGameList::GameListShown() const
{
    return window_ && window_->Loaded();
}

bool ProgramGameList::GameListMinimised() const
{
    return GameListShown() && window_->isMinimized();
}

void ProgramGameList::HideGameList()
{
    if (window_)
        window_->hide();
}

void ProgramGameList::Unload()
{
    if (window_)
        window_->close();
}

void ProgramGameList::FillGameList(std::optional<int> selectGameId)
{
    if (window_)
        window_->Refill(selectGameId);
}

std::optional<int> ProgramGameList::SelectedGameId()
{
    return window_ ? window_->SelectedGameId() : std::nullopt;
}

void ProgramGameList::ShowTrayState(const QIcon& icon, const QString& caption)
{
    stateIcon_ = icon;
    stateCaption_ = caption;
    if (window_) {
        window_->setWindowTitle(caption);
        window_->setWindowIcon(icon);
    }
}

} // namespace SysTraySupport
