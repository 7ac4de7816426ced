#pragma once
// The options window: six pages behind skinned tabs (five behind a plain
// tab strip in the plain layout) over an OptionsController, which holds
// every value and does every command; the window shows what it holds.
// Shown modally through RunOptionsPage, which Support::ShowOptions calls.

#include "options/chess_set_page.h"
#include "options/general_page.h"
#include "options/heuristics_page.h"
#include "options/notification_page.h"
#include "options/options_controller.h"
#include "options/saved_ai_page.h"
#include "options/skins_page.h"

#include "foundation/answering_dialog.h"
#include "foundation/skinned_button.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QTabBar;

namespace Support {
class OptionsPort;
}

namespace OptionsSupport {

// The options window, modal, until OK has stored or Cancel dropped the changes.
void RunOptionsPage(Support::OptionsPort& port);

// The frame of the options window: the caption, the tabs (skinned, or a
// plain tab strip), the pages and the Help, OK, Cancel and Apply buttons;
// each page is a part of its own over the controller. Enter is OK; Escape
// and closing are Cancel.
class OptionsPage : public Support::DialogWindow {
    Q_OBJECT
public:
    OptionsPage(Support::Settings& settings, Support::OptionsPort& port);
    ~OptionsPage() override;

    // The load: layout, skin, every control filled. False when the window
    // must close without being shown.
    bool Form_Load();

    OptionsController& Controller() { return controller_; }
    // The answer for the caller's modal loop: the window has unloaded.
    bool Unloaded() const { return Answered(); }

    // The commands of the foot of the window.
    void OkButtonFace_Click();
    void CancelButtonFace_Click();
    void ApplyButtonFace_Click();
    void HelpButton_Click();
    void ChangeTab(int tab);

    // What the window shows, drawn anew from the controller. While it is
    // drawn, the controls' changes are the window's own, not the user's.
    void Refresh();
    bool Refreshing() const { return refreshing_; }

    // The pages, by tab.
    GeneralPage& General() { return general_; }
    NotificationPage& Notification() { return notification_; }
    ChessSetPage& ChessSet() { return chessSet_; }
    HeuristicsPage& Heuristics() { return heuristics_; }
    SavedAIPage& SavedAI() { return savedAI_; }
    SkinsPage& Skins() { return skins_; }

    // The frame's controls; tabs are GeneralTab to SkinsTab.
    QLabel* FormCaption() const { return formCaption_; }
    QFrame* PageFrame(int tab) const { return pages_[std::size_t(tab - 1)]; }
    Support::SkinnedButton* Tab(int tab) const { return tabs_[std::size_t(tab - 1)]; }
    QTabBar* TabStrip() const { return tabStrip_; }
    QLabel* HelpButton() const { return helpButton_; }
    QPushButton* HelpButtonS() const { return helpButtonS_; }
    Support::SkinnedButton* OkButton() const { return okButton_; }
    Support::SkinnedButton* CancelButton() const { return cancelButton_; }
    Support::SkinnedButton* ApplyButton() const { return applyButton_; }

protected:
    void SetSimpleUI() override;
    void EnterPressed() override;
    void EscapePressed() override;
    int HelpTopic() const override;
    void Answering() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildFrame();
    // The buttons of the window's foot and of its pages.
    std::array<Support::SkinnedButton*, 7> CommandButtons() const;
    void SetToolTips();
    void PaintButtonsRaised();
    void RefreshInterfaceButtons();
    void EnableApplyButton();

    OptionsController controller_;
    GeneralPage general_;
    NotificationPage notification_;
    ChessSetPage chessSet_;
    HeuristicsPage heuristics_;
    SavedAIPage savedAI_;
    SkinsPage skins_;
    QLabel* formCaption_ = nullptr;
    std::array<QFrame*, TabCount> pages_{};
    std::array<Support::SkinnedButton*, TabCount> tabs_{};
    QTabBar* tabStrip_ = nullptr;
    QLabel* helpButton_ = nullptr;
    QPushButton* helpButtonS_ = nullptr;
    Support::SkinnedButton* okButton_ = nullptr;
    Support::SkinnedButton* cancelButton_ = nullptr;
    Support::SkinnedButton* applyButton_ = nullptr;
    bool refreshing_ = false;
};

} // namespace OptionsSupport
