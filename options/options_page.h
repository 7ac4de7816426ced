#pragma once
// The options window: six pages behind skinned tabs (five behind a plain
// tab strip in the plain layout) over an OptionsController, which holds
// every value and does every command; the window shows what it holds.
// Shown modally through RunOptionsPage, which Support::ShowOptions calls.

#include "options/options_controller.h"

#include "foundation/answering_dialog.h"
#include "foundation/skinned_button.h"

#include <QSlider>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabBar;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace Support {
class OptionsPort;
class PictureClip;
} // namespace Support

namespace OptionsSupport {

// The options window, modal, until OK has stored or Cancel dropped the changes.
void RunOptionsPage(Support::OptionsPort& port);

// A slider that also marks a band between two values (0 and the current
// weight) beside its groove.
class BandSlider : public QSlider {
    Q_OBJECT
public:
    explicit BandSlider(QWidget* parent);
    void SetBand(int start, int length);
    int BandStart() const { return bandStart_; }
    int BandLength() const { return bandLength_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int bandStart_ = 0;
    int bandLength_ = 0;
};

// Enter is OK; Escape and closing are Cancel.
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

    // What the window shows, drawn anew from the controller.
    void Refresh();

    // Controls, by the names the skin, the tool tips and the tests look up.
    QLabel* FormCaption;
    std::array<QFrame*, TabCount + 1> Page{}; // 1 to 6
    QTabBar* TabStrip;
    QLabel* HelpButton;
    QPushButton* HelpButtonS;
    std::array<Support::SkinnedButton*, TabCount + 1> Tabset{}; // 1 to 6
    Support::SkinnedButton *OkButton, *CancelButton, *ApplyButton;
    Support::SkinnedButton *LoadAI, *DeleteAI, *AIDefault, *SaveAI;

    QComboBox* opSysTrayTimerCombo;
    QCheckBox *opDisplaySplash, *opSimpleUI, *opVerbose, *opSystrayStartup, *opShowToolTips,
        *opDefaultView;
    QTableWidget* opIconList;
    QComboBox* vsCSearchDepth;
    QCheckBox *opNotifySound, *opNotifyDialog;
    QPushButton* opBrowseSound;
    QLabel* opNotificationSound;
    QComboBox* opTimeoutCombo;

    QListWidget *opChessSet, *opChessBoard;
    std::array<QLabel*, 89> pCBoard{}; // 10 * column + row, 11 to 88
    Support::PictureClip* PreviewChessSet;

    QTreeWidget* opHeuristicsList;
    BandSlider* opHeuristicSlider;
    QLabel *HLabelLow, *HLabelDontCare, *HLabelHigh;

    QListWidget* opSavedAIFiles;
    QLineEdit* opSaveAIName;

    QListWidget* opSkinsList;
    QLabel *PreviewBoard, *PreviewInterface;

    // The caption label of a box ("opVerbose_L" for opVerbose).
    QLabel* CaptionLabel(OptionBox box) const;

protected:
    void SetSimpleUI() override;
    void EnterPressed() override;
    void EscapePressed() override;
    int HelpTopic() const override;
    void Answering() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildFrame();
    void BuildGeneralPage();
    void BuildIconList(QWidget* page);
    void BuildNotificationPage();
    void BuildChessSetPage();
    void BuildHeuristicsPage();
    void BuildSavedAIPage();
    void BuildSkinsPage();
    Support::SkinnedButton* BuildButton(QWidget* parent, const QString& name, const QString& caption,
                                        const QString& plainCaption, const QRect& geometry,
                                        const std::function<void()>& command);
    // The buttons of the window's foot and of its pages.
    std::array<Support::SkinnedButton*, 7> CommandButtons() const;
    QCheckBox* AddBox(QWidget* page, OptionBox box, const QString& name, const QString& caption,
                      const QPoint& at, int labelWidth);
    void SetToolTips();
    void PaintButtonsRaised();
    void RefreshInterfaceButtons();
    void EnableApplyButton();
    void RefreshGeneral();
    void RefreshIconList();
    void RefreshChessSet();
    void PreviewSet();
    void PopulateHeuristicsList();
    void RefreshHeuristics();
    void SetHeuristicSlider();
    void RefreshSavedAI();
    void RefreshSkins();

    OptionsController controller_;
    std::array<QCheckBox*, 8> boxes_{};
    std::array<QLabel*, 8> boxLabels_{};
    std::array<QTreeWidgetItem*, LastHeuristicRow + 1> heuristicItems_{};
    bool refreshing_ = false;
};

} // namespace OptionsSupport
