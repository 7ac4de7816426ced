#include "options/options_page.h"

#include "foundation/tool_tip.h"
#include "foundation/window_names.h"
#include "options/select_sound.h"

#include "foundation/help.h"
#include "foundation/modal_host.h"
#include "foundation/picture_clip.h"
#include "foundation/skin.h"

#include <QCheckBox>
#include <QComboBox>
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
    : controller_(settings, port)
{
    setObjectName(QLatin1String(WindowNames::OptionsPage));
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(SkinnedSize);
    // The pages are laid out for a small dialog font.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    BuildFrame();
    BuildGeneralPage();
    BuildNotificationPage();
    BuildChessSetPage();
    BuildHeuristicsPage();
    BuildSavedAIPage();
    BuildSkinsPage();
    TakeKeysFirst();
}

OptionsPage::~OptionsPage() = default;

Support::SkinnedButton* OptionsPage::BuildButton(QWidget* parent, const QString& name,
                                                 const QString& caption, const QString& plainCaption,
                                                 const QRect& geometry,
                                                 const std::function<void()>& command)
{
    auto* button = new Support::SkinnedButton(*parent, name, geometry, caption, plainCaption);
    connect(button, &Support::SkinnedButton::Clicked, this, command);
    return button;
}

std::array<Support::SkinnedButton*, 7> OptionsPage::CommandButtons() const
{
    return {OkButton, CancelButton, ApplyButton, LoadAI, DeleteAI, AIDefault, SaveAI};
}

void OptionsPage::BuildFrame()
{
    FormCaption = new QLabel(QStringLiteral("Options"), this);
    FormCaption->setObjectName(QStringLiteral("FormCaption"));
    FormCaption->setGeometry(CaptionRect);
    FormCaption->setStyleSheet(QStringLiteral("color: #f4e8d0; font-weight: bold;"));

    for (int tab = 1; tab <= TabCount; ++tab) {
        Page[tab] = new QFrame(this);
        Page[tab]->setObjectName(QStringLiteral("Page%1").arg(tab));
        Page[tab]->setGeometry(SkinnedPageRect);
        Page[tab]->hide();
        const QRect at(TabLeft + TabStep * (tab - 1), TabTop, ButtonWidth, ButtonHeight);
        Tabset[tab] =
            new Support::SkinnedButton(*this, TabName.arg(tab), at, TabCaption(tab), QString());
        // A tab stays down while it is the current one.
        Tabset[tab]->ShowsPress = [] { return false; };
        connect(Tabset[tab]->face, &Support::ButtonFace::MouseDown, this,
                [this, tab](Qt::MouseButton b) {
                    if (b == Qt::LeftButton)
                        ChangeTab(tab);
                });
    }
    TabStrip = new QTabBar(this);
    TabStrip->setObjectName(QStringLiteral("TabStrip"));
    for (int tab = 1; tab <= PlainTabCount; ++tab)
        TabStrip->addTab(TabCaption(tab));
    TabStrip->hide();
    connect(TabStrip, &QTabBar::currentChanged, this, [this](int index) {
        if (const int tab = TabOfCaption(TabStrip->tabText(index)); tab != 0 && !refreshing_)
            ChangeTab(tab);
    });

    HelpButton = new QLabel(QStringLiteral("?"), this);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    HelpButton->setGeometry(SkinnedHelpRect);
    HelpButton->setAlignment(Qt::AlignCenter);
    HelpButton->setStyleSheet(QStringLiteral(
        "color: #3a2414; font-weight: bold; border: 2px solid #3a2414; border-radius: 11px;"));
    HelpButtonS = new QPushButton(QStringLiteral("&Help"), this);
    HelpButtonS->setObjectName(QStringLiteral("HelpButtonS"));
    HelpButtonS->setGeometry(PlainHelpRect);
    HelpButtonS->hide();
    connect(HelpButtonS, &QPushButton::clicked, this, &OptionsPage::HelpButton_Click);

    OkButton = BuildButton(this, QStringLiteral("OkButton"), QStringLiteral("OK"), QStringLiteral("&OK"),
                           OkRect, [this] { OkButtonFace_Click(); });
    CancelButton =
        BuildButton(this, QStringLiteral("CancelButton"), QStringLiteral("Cancel"),
                    QStringLiteral("&Cancel"), CancelRect, [this] { CancelButtonFace_Click(); });
    ApplyButton = BuildButton(this, QStringLiteral("ApplyButton"), QStringLiteral("Apply"),
                              QStringLiteral("&Apply"), ApplyRect, [this] { ApplyButtonFace_Click(); });
    // Apply paints pressed only while it is enabled.
    ApplyButton->ShowsPress = [this] { return controller_.ApplyEnabled(); };
    // The message box's twin is named "OKButtonS"; so is this one.
    OkButton->plainTwin->setObjectName(QStringLiteral("OKButtonS"));
}

QCheckBox* OptionsPage::AddBox(QWidget* page, OptionBox box, const QString& name, const QString& caption,
                               const QPoint& at, int labelWidth)
{
    auto* check = new QCheckBox(page);
    check->setObjectName(name);
    check->setGeometry(at.x(), at.y(), 18, 20);
    auto* label = new QLabel(caption, page);
    label->setObjectName(name + QStringLiteral("_L"));
    label->setGeometry(at.x() + 20, at.y(), labelWidth, 20);
    label->installEventFilter(this);
    boxes_[std::size_t(box)] = check;
    boxLabels_[std::size_t(box)] = label;
    connect(check, &QCheckBox::clicked, this, [this, box](bool checked) {
        controller_.BoxClicked(box, checked);
        Refresh();
    });
    return check;
}

QLabel* OptionsPage::CaptionLabel(OptionBox box) const
{
    return boxLabels_[std::size_t(box)];
}

namespace {

QLabel* AddLabel(QWidget* page, const QString& name, const QString& text, const QRect& at)
{
    auto* label = new QLabel(text, page);
    label->setObjectName(name);
    label->setGeometry(at);
    return label;
}

QComboBox* AddCombo(QWidget* page, const QString& name, const QStringList& items, const QRect& at)
{
    auto* combo = new QComboBox(page);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setGeometry(at);
    return combo;
}

} // namespace

void OptionsPage::BuildGeneralPage()
{
    QWidget* page = Page[GeneralTab];
    AddLabel(page, QStringLiteral("Label1"), QStringLiteral("New move email check interval (seconds):"),
             QRect(10, 12, 236, 20));
    opSysTrayTimerCombo = AddCombo(page, QStringLiteral("opSysTrayTimerCombo"), CheckIntervalItems(),
                                   QRect(250, 10, 80, 24));
    opDisplaySplash = AddBox(page, OptionBox::DisplaySplash, QStringLiteral("opDisplaySplash"),
                             QStringLiteral("Show splash screen at startup?"), {10, 44}, 190);
    opSimpleUI = AddBox(page, OptionBox::SimpleUI, QStringLiteral("opSimpleUI"),
                        QStringLiteral("Plain style User Interface?"), {210, 44}, 232);
    opVerbose = AddBox(page, OptionBox::Verbose, QStringLiteral("opVerbose"),
                       QStringLiteral("Verbose notifications?"), {10, 70}, 190);
    opSystrayStartup = AddBox(page, OptionBox::SystrayStartup, QStringLiteral("opSystrayStartup"),
                              QStringLiteral("Start Marrowdale as a system tray icon?"), {210, 70}, 232);
    opShowToolTips = AddBox(page, OptionBox::ShowToolTips, QStringLiteral("opShowToolTips"),
                            QStringLiteral("Show tooltips?"), {10, 96}, 190);
    opDefaultView = AddBox(page, OptionBox::DefaultView, QStringLiteral("opDefaultView"),
                           QStringLiteral("Always default to White view?"), {10, 122}, 190);
    AddLabel(page, QStringLiteral("Label2"), QStringLiteral("System tray icons:"),
             QRect(10, 162, 120, 20));
    BuildIconList(page);
    AddLabel(page, QStringLiteral("vsCSearchDepth_L"), QStringLiteral("Search depth:"),
             QRect(10, 214, 120, 20));
    vsCSearchDepth =
        AddCombo(page, QStringLiteral("vsCSearchDepth"), SearchDepthItems(), QRect(132, 212, 220, 24));

    for (QComboBox* combo : {opSysTrayTimerCombo, vsCSearchDepth})
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo](int index) {
            if (refreshing_)
                return;
            (combo == opSysTrayTimerCombo ? controller_.General().checkIntervalItem
                                          : controller_.General().searchDepthItem) = index;
            controller_.ControlChanged();
            Refresh();
        });
}

void OptionsPage::BuildNotificationPage()
{
    QWidget* page = Page[NotificationTab];
    opNotifySound = AddBox(page, OptionBox::NotifySound, QStringLiteral("opNotifySound"),
                           QStringLiteral("Play a sound"), {10, 14}, 110);
    opBrowseSound = new QPushButton(QStringLiteral("..."), page);
    opBrowseSound->setObjectName(QStringLiteral("opBrowseSound"));
    opBrowseSound->setGeometry(142, 12, 30, 24);
    connect(opBrowseSound, &QPushButton::clicked, this, [this] {
        controller_.BrowseSound(&AskForSoundFile);
        Refresh();
    });
    opNotificationSound =
        AddLabel(page, QStringLiteral("opNotificationSound"), QString(), QRect(182, 14, 270, 20));
    opNotificationSound->setTextFormat(Qt::PlainText);
    opNotifyDialog = AddBox(page, OptionBox::NotifyDialog, QStringLiteral("opNotifyDialog"),
                            QStringLiteral("Display a message"), {10, 46}, 190);
    AddLabel(page, QStringLiteral("Label4"), QStringLiteral("Notification dialog timeout:"),
             QRect(10, 84, 180, 20));
    opTimeoutCombo = AddCombo(page, QStringLiteral("opTimeoutCombo"), NotificationTimeoutItems(),
                              QRect(192, 82, 150, 24));
    connect(opTimeoutCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (refreshing_)
            return;
        controller_.General().timeoutItem = index;
        controller_.ControlChanged();
        Refresh();
    });
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
    PopulateHeuristicsList();
    ChangeTab(GeneralTab);
    Refresh();
    return true;
}

void OptionsPage::PaintButtonsRaised()
{
    for (int tab = 1; tab <= TabCount; ++tab)
        Tabset[tab]->PaintPressed(false);
    for (Support::SkinnedButton* button : CommandButtons())
        button->Show(false);
}

void OptionsPage::SetSimpleUI()
{
    setFixedSize(PlainSize);
    TabStrip->show();
    TabStrip->setGeometry(PlainTabStripRect);
    FormCaption->hide();
    for (int tab = 1; tab <= TabCount; ++tab) {
        Tabset[tab]->HideSkinned();
        Page[tab]->setGeometry(PlainPageRect);
        Page[tab]->setFrameShape(QFrame::NoFrame);
    }
    HelpButton->hide();
    HelpButtonS->show();
    OkButton->plainTwin->setGeometry(PlainOkRect);
    CancelButton->plainTwin->setGeometry(PlainCancelRect);
    ApplyButton->plainTwin->setGeometry(PlainApplyRect);
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
            TabStrip->setTabToolTip(tab++, shown ? tip : QString());
    }
}

// ---- Tabs and the commands at the foot

void OptionsPage::ChangeTab(int tab)
{
    if (tab < 1 || tab > TabCount)
        return;
    if (!controller_.SimpleUI()) {
        Tabset[controller_.CurrentTab()]->PaintPressed(false);
        Tabset[tab]->PaintPressed(true);
    }
    Page[controller_.CurrentTab()]->hide();
    Page[tab]->show();
    controller_.ChangeTab(tab);
    if (controller_.SimpleUI() && tab <= PlainTabCount) {
        const QSignalBlocker block(TabStrip);
        TabStrip->setCurrentIndex(tab - 1);
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
        Tabset[controller_.CurrentTab()]->PaintPressed(true);
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
    ApplyButton->SetEnabled(controller_.ApplyEnabled());
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
        if (watched == HelpButton) {
            HelpButton_Click();
            return true;
        }
        for (std::size_t i = 0; i < boxLabels_.size(); ++i)
            if (watched == boxLabels_[i]) {
                controller_.LabelClicked(OptionBox(i));
                Refresh();
                return true;
            }
    }
    return DialogWindow::eventFilter(watched, event);
}

// ---- What the window shows

void OptionsPage::Refresh()
{
    refreshing_ = true;
    RefreshGeneral();
    RefreshChessSet();
    RefreshHeuristics();
    RefreshSavedAI();
    RefreshSkins();
    EnableApplyButton();
    SetToolTips();
    refreshing_ = false;
}

void OptionsPage::RefreshGeneral()
{
    const GeneralControls& g = controller_.General();
    const QSignalBlocker b1(opSysTrayTimerCombo), b2(vsCSearchDepth), b3(opTimeoutCombo);
    opSysTrayTimerCombo->setCurrentIndex(g.checkIntervalItem);
    vsCSearchDepth->setCurrentIndex(g.searchDepthItem);
    opTimeoutCombo->setCurrentIndex(g.timeoutItem);
    const bool values[] = {g.displaySplash, g.simpleUI,    g.verbose,     g.systrayStartup,
                           g.showToolTips,  g.defaultView, g.notifySound, g.notifyDialog};
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const QSignalBlocker block(boxes_[i]);
        boxes_[i]->setChecked(values[i]);
    }
    opNotificationSound->setText(g.soundName);
    opBrowseSound->setEnabled(controller_.BrowseSoundEnabled());
    RefreshIconList();
}

} // namespace OptionsSupport
