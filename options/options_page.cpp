#include "options/options_page.h"

#include "foundation/tool_tip.h"
#include "foundation/window_names.h"
#include "options/option_controls.h"

#include "foundation/help.h"
#include "foundation/modal_host.h"
#include "foundation/skin.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

namespace OptionsSupport {

namespace {

// The skinned layout, in pixels of the background picture (600 x 470):
// the title band, a row of tabs, the pages, the buttons at the foot.
constexpr QSize SkinnedSize(600, 470);
constexpr QRect CaptionRect(24, 10, 400, 20);
constexpr QRect SkinnedPageRect(68, 84, 465, 253);
constexpr int TabTop = 50, TabLeft = 24, TabStep = 93, ButtonWidth = 90, ButtonHeight = 26;
constexpr QRect SkinnedHelpRect(40, 424, 22, 22);
constexpr QRect OkRect(300, 422, ButtonWidth, ButtonHeight);
constexpr QRect CancelRect(394, 422, ButtonWidth, ButtonHeight);
constexpr QRect ApplyRect(488, 422, ButtonWidth, ButtonHeight);
// The plain layout (7700 x 5500 twips, places as laid out in twips / 15).
constexpr QSize PlainSize(513, 367);
constexpr QRect PlainTabStripRect(19, 20, 470, 24);
constexpr QRect PlainPageRect(21, 44, 465, 253);
constexpr QRect PlainHelpRect(19, 309, 77, 23);
constexpr QRect PlainOkRect(254, 309, 77, 23);
constexpr QRect PlainCancelRect(333, 309, 77, 23);
constexpr QRect PlainApplyRect(412, 309, 77, 23);

const QString TabName = QStringLiteral("Tabset%1");

} // namespace

void RunOptionsPage(Support::OptionsPort& port)
{
    OptionsPage window(Support::ProgramSettings(), port);
    if (!window.Form_Load())
        return;
    Support::CurrentModalHost().RunModal(window);
}

OptionsPage::OptionsPage(Support::Settings& settings, Support::OptionsPort& port)
    : controller_(settings, port), general_(*this, controller_.General()),
      notification_(*this, controller_.General()), chessSet_(*this, controller_.ChessSet()),
      heuristics_(*this, controller_.Heuristics()), savedAI_(*this, controller_.SavedAI()),
      skins_(*this, controller_.Skins())
{
    setObjectName(QLatin1String(WindowNames::OptionsPage));
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(SkinnedSize);
    // The pages are laid out for a small dialog font.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    BuildFrame();
    general_.Create(PageFrame(GeneralTab));
    notification_.Create(PageFrame(NotificationTab));
    chessSet_.Create(PageFrame(ChessSetTab));
    heuristics_.Create(PageFrame(HeuristicsTab));
    savedAI_.Create(PageFrame(SavedAITab));
    skins_.Create(PageFrame(SkinsTab));
    TakeKeysFirst();
}

OptionsPage::~OptionsPage() = default;

std::array<Support::SkinnedButton*, 7> OptionsPage::CommandButtons() const
{
    return {okButton_,
            cancelButton_,
            applyButton_,
            savedAI_.LoadButton(),
            savedAI_.DeleteButton(),
            heuristics_.DefaultsButton(),
            savedAI_.SaveButton()};
}

void OptionsPage::BuildFrame()
{
    formCaption_ = new QLabel(QStringLiteral("Options"), this);
    formCaption_->setObjectName(QStringLiteral("FormCaption"));
    formCaption_->setGeometry(CaptionRect);
    formCaption_->setStyleSheet(QStringLiteral("color: #f4e8d0; font-weight: bold;"));

    for (int tab = 1; tab <= TabCount; ++tab) {
        QFrame*& page = pages_[std::size_t(tab - 1)];
        page = new QFrame(this);
        page->setObjectName(QStringLiteral("Page%1").arg(tab));
        page->setGeometry(SkinnedPageRect);
        page->hide();
        const QRect at(TabLeft + TabStep * (tab - 1), TabTop, ButtonWidth, ButtonHeight);
        Support::SkinnedButton*& button = tabs_[std::size_t(tab - 1)];
        button = new Support::SkinnedButton(*this, TabName.arg(tab), at, TabCaption(tab), QString());
        // A tab stays down while it is the current one.
        button->ShowsPress = [] { return false; };
        connect(button->face, &Support::ButtonFace::MouseDown, this, [this, tab](Qt::MouseButton b) {
            if (b == Qt::LeftButton)
                ChangeTab(tab);
        });
    }
    tabStrip_ = new QTabBar(this);
    tabStrip_->setObjectName(QStringLiteral("TabStrip"));
    for (int tab = 1; tab <= PlainTabCount; ++tab)
        tabStrip_->addTab(TabCaption(tab));
    tabStrip_->hide();
    connect(tabStrip_, &QTabBar::currentChanged, this, [this](int index) {
        if (const int tab = TabOfCaption(tabStrip_->tabText(index)); tab != 0 && !refreshing_)
            ChangeTab(tab);
    });

    helpButton_ = new QLabel(QStringLiteral("?"), this);
    helpButton_->setObjectName(QStringLiteral("HelpButton"));
    helpButton_->setGeometry(SkinnedHelpRect);
    helpButton_->setAlignment(Qt::AlignCenter);
    helpButton_->setStyleSheet(QStringLiteral(
        "color: #3a2414; font-weight: bold; border: 2px solid #3a2414; border-radius: 11px;"));
    helpButtonS_ = new QPushButton(QStringLiteral("&Help"), this);
    helpButtonS_->setObjectName(QStringLiteral("HelpButtonS"));
    helpButtonS_->setGeometry(PlainHelpRect);
    helpButtonS_->hide();
    connect(helpButtonS_, &QPushButton::clicked, this, &OptionsPage::HelpButton_Click);

    okButton_ = AddButton(this, this, QStringLiteral("OkButton"), QStringLiteral("OK"),
                          QStringLiteral("&OK"), OkRect, [this] { OkButtonFace_Click(); });
    cancelButton_ =
        AddButton(this, this, QStringLiteral("CancelButton"), QStringLiteral("Cancel"),
                  QStringLiteral("&Cancel"), CancelRect, [this] { CancelButtonFace_Click(); });
    applyButton_ = AddButton(this, this, QStringLiteral("ApplyButton"), QStringLiteral("Apply"),
                             QStringLiteral("&Apply"), ApplyRect, [this] { ApplyButtonFace_Click(); });
    // Apply paints pressed only while it is enabled.
    applyButton_->ShowsPress = [this] { return controller_.ApplyEnabled(); };
    // The message box's twin is named "OKButtonS"; so is this one.
    okButton_->plainTwin->setObjectName(QStringLiteral("OKButtonS"));
}

// ---- Load, layouts and tool tips

bool OptionsPage::Form_Load()
{
    if (!LoadLayout(controller_.SimpleUI()))
        return false;
    if (!controller_.SimpleUI())
        PaintButtonsRaised();
    if (!controller_.Load())
        return false;
    heuristics_.Fill();
    ChangeTab(GeneralTab);
    Refresh();
    return true;
}

void OptionsPage::PaintButtonsRaised()
{
    for (Support::SkinnedButton* tab : tabs_)
        tab->PaintPressed(false);
    for (Support::SkinnedButton* button : CommandButtons())
        button->Show(false);
}

void OptionsPage::SetSimpleUI()
{
    setFixedSize(PlainSize);
    tabStrip_->show();
    tabStrip_->setGeometry(PlainTabStripRect);
    formCaption_->hide();
    for (int tab = 1; tab <= TabCount; ++tab) {
        Tab(tab)->HideSkinned();
        PageFrame(tab)->setGeometry(PlainPageRect);
        PageFrame(tab)->setFrameShape(QFrame::NoFrame);
    }
    helpButton_->hide();
    helpButtonS_->show();
    okButton_->plainTwin->setGeometry(PlainOkRect);
    cancelButton_->plainTwin->setGeometry(PlainCancelRect);
    applyButton_->plainTwin->setGeometry(PlainApplyRect);
    for (Support::SkinnedButton* button : CommandButtons())
        button->Show(true);
}

void OptionsPage::SetToolTips()
{
    // What is stored counts: a change shows once Apply or OK has stored it.
    const bool shown = controller_.StoredSettings().ShowToolTips;
    int tab = 0;
    for (const auto& [name, tip] : ToolTipTable()) {
        if (auto* control = findChild<QWidget*>(name))
            Support::SetToolTip(control, tip, shown);
        if (name.startsWith(QLatin1String("Tabset")) && tab < PlainTabCount)
            tabStrip_->setTabToolTip(tab++, shown ? tip : QString());
    }
}

// ---- Tabs and the commands at the foot

void OptionsPage::ChangeTab(int tab)
{
    if (tab < 1 || tab > TabCount)
        return;
    if (!controller_.SimpleUI()) {
        Tab(controller_.CurrentTab())->PaintPressed(false);
        Tab(tab)->PaintPressed(true);
    }
    PageFrame(controller_.CurrentTab())->hide();
    PageFrame(tab)->show();
    controller_.ChangeTab(tab);
    if (controller_.SimpleUI() && tab <= PlainTabCount) {
        const QSignalBlocker block(tabStrip_);
        tabStrip_->setCurrentIndex(tab - 1);
    }
}

void OptionsPage::OkButtonFace_Click()
{
    if (controller_.Ok())
        EndWithAnswer();
    else
        Refresh();
}

void OptionsPage::CancelButtonFace_Click()
{
    EndWithAnswer();
}

void OptionsPage::ApplyButtonFace_Click()
{
    if (!controller_.ApplyEnabled())
        return;
    controller_.Apply();
    RefreshInterfaceButtons();
    Refresh();
}

void OptionsPage::RefreshInterfaceButtons()
{
    // A skin change has loaded new button pictures: every button is
    // painted again, the current tab pressed.
    if (!controller_.SimpleUI())
        PaintButtonsRaised();
    if (!controller_.SimpleUI())
        Tab(controller_.CurrentTab())->PaintPressed(true);
}

void OptionsPage::HelpButton_Click()
{
    if (const int topic = HelpTopic())
        Support::ShowHelpContext(this, topic);
}

int OptionsPage::HelpTopic() const
{
    return HelpTopicOfTab(controller_.CurrentTab());
}

void OptionsPage::EnableApplyButton()
{
    applyButton_->SetEnabled(controller_.ApplyEnabled());
}

void OptionsPage::Answering()
{
    Support::CloseHelp(this);
}

void OptionsPage::EnterPressed()
{
    OkButtonFace_Click();
}

void OptionsPage::EscapePressed()
{
    CancelButtonFace_Click();
}

bool OptionsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == helpButton_) {
            HelpButton_Click();
            return true;
        }
        if (general_.LabelReleased(watched) || notification_.LabelReleased(watched))
            return true;
    }
    return DialogWindow::eventFilter(watched, event);
}

// ---- What the window shows

void OptionsPage::Refresh()
{
    refreshing_ = true;
    general_.Refresh();
    notification_.Refresh();
    chessSet_.Refresh();
    heuristics_.Refresh();
    savedAI_.Refresh();
    skins_.Refresh();
    EnableApplyButton();
    SetToolTips();
    refreshing_ = false;
}

} // namespace OptionsSupport
