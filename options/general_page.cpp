#include "options/general_page.h"

#include "options/option_controls.h"
#include "options/options_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

namespace OptionsSupport {

namespace {

constexpr int IconRowHeight = 20;
constexpr int IconColumnWidth = 66;

} // namespace

GeneralPage::GeneralPage(OptionsPage& window, GeneralOptions& options)
    : window_(window), options_(options)
{
}

void GeneralPage::AddBox(QWidget* page, OptionBox box, const QString& name, const QString& caption,
                         const QPoint& at, int labelWidth)
{
    const CaptionedBox made = OptionsSupport::AddBox(page, name, caption, at, labelWidth, &window_);
    boxes_[std::size_t(box)] = made.box;
    labels_[std::size_t(box)] = made.label;
    QObject::connect(made.box, &QCheckBox::clicked, &window_, [this, box](bool checked) {
        options_.BoxClicked(box, checked);
        window_.Refresh();
    });
}

void GeneralPage::Create(QWidget* page)
{
    AddLabel(page, QStringLiteral("Label1"), QStringLiteral("New move email check interval (seconds):"),
             QRect(10, 12, 236, 20));
    checkInterval_ = AddCombo(page, QStringLiteral("opSysTrayTimerCombo"), CheckIntervalItems(),
                              QRect(250, 10, 80, 24));
    AddBox(page, OptionBox::DisplaySplash, QStringLiteral("opDisplaySplash"),
           QStringLiteral("Show splash screen at startup?"), {10, 44}, 190);
    AddBox(page, OptionBox::SimpleUI, QStringLiteral("opSimpleUI"),
           QStringLiteral("Plain style User Interface?"), {210, 44}, 232);
    AddBox(page, OptionBox::Verbose, QStringLiteral("opVerbose"),
           QStringLiteral("Verbose notifications?"), {10, 70}, 190);
    AddBox(page, OptionBox::SystrayStartup, QStringLiteral("opSystrayStartup"),
           QStringLiteral("Start Marrowdale as a system tray icon?"), {210, 70}, 232);
    AddBox(page, OptionBox::ShowToolTips, QStringLiteral("opShowToolTips"),
           QStringLiteral("Show tooltips?"), {10, 96}, 190);
    AddBox(page, OptionBox::DefaultView, QStringLiteral("opDefaultView"),
           QStringLiteral("Always default to White view?"), {10, 122}, 190);
    AddLabel(page, QStringLiteral("Label2"), QStringLiteral("System tray icons:"),
             QRect(10, 162, 120, 20));
    CreateIconList(page);
    AddLabel(page, QStringLiteral("vsCSearchDepth_L"), QStringLiteral("Search depth:"),
             QRect(10, 214, 120, 20));
    searchDepth_ =
        AddCombo(page, QStringLiteral("vsCSearchDepth"), SearchDepthItems(), QRect(132, 212, 220, 24));

    for (QComboBox* combo : {checkInterval_, searchDepth_})
        QObject::connect(combo, &QComboBox::currentIndexChanged, &window_, [this, combo](int index) {
            if (window_.Refreshing())
                return;
            (combo == checkInterval_ ? options_.Controls().checkIntervalItem
                                     : options_.Controls().searchDepthItem) = index;
            options_.ControlChanged();
            window_.Refresh();
        });
}

void GeneralPage::CreateIconList(QWidget* page)
{
    iconList_ = new QTableWidget(page);
    iconList_->setObjectName(QStringLiteral("opIconList"));
    iconList_->setColumnCount(3);
    iconList_->setHorizontalHeaderLabels(
        {QStringLiteral("Normal"), QStringLiteral("New move"), QStringLiteral("No network")});
    iconList_->verticalHeader()->hide();
    iconList_->horizontalHeader()->setFixedHeight(IconRowHeight);
    iconList_->verticalHeader()->setDefaultSectionSize(IconRowHeight);
    for (int column = 0; column < 3; ++column)
        iconList_->setColumnWidth(column, IconColumnWidth);
    iconList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    iconList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    iconList_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    iconList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    iconList_->setSelectionMode(QAbstractItemView::NoSelection);
    iconList_->setIconSize(QSize(16, 16));
    // Room for the header and exactly one set: the set in view is the choice.
    iconList_->setGeometry(132, 152,
                           3 * IconColumnWidth + iconList_->verticalScrollBar()->sizeHint().width() + 2,
                           2 * IconRowHeight + 2);
    QObject::connect(iconList_->verticalScrollBar(), &QScrollBar::valueChanged, &window_,
                     [this](int value) {
                         if (window_.Refreshing())
                             return;
                         options_.Controls().iconSet = value + 1;
                         options_.ControlChanged();
                         window_.Refresh();
                     });
}

bool GeneralPage::LabelReleased(QObject* watched)
{
    for (std::size_t i = 0; i < labels_.size(); ++i)
        if (labels_[i] && watched == labels_[i]) {
            options_.LabelClicked(OptionBox(i));
            window_.Refresh();
            return true;
        }
    return false;
}

void GeneralPage::Refresh()
{
    const GeneralControls& g = options_.Controls();
    const QSignalBlocker b1(checkInterval_), b2(searchDepth_);
    checkInterval_->setCurrentIndex(g.checkIntervalItem);
    searchDepth_->setCurrentIndex(g.searchDepthItem);
    const bool values[] = {g.displaySplash,  g.simpleUI,     g.verbose,
                           g.systrayStartup, g.showToolTips, g.defaultView};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const QSignalBlocker block(boxes_[i]);
        boxes_[i]->setChecked(values[i]);
    }
    RefreshIconList();
}

void GeneralPage::RefreshIconList()
{
    const int sets = options_.IconSetCount();
    if (iconList_->rowCount() != sets) {
        iconList_->setRowCount(sets);
        const QList<QPixmap>& icons = options_.TrayIcons();
        for (int set = 0; set < sets; ++set)
            for (int column = 0; column < 3; ++column) {
                // A label centres its picture in the cell.
                auto* cell = new QLabel;
                cell->setPixmap(icons[set * 3 + column]);
                cell->setAlignment(Qt::AlignCenter);
                iconList_->setCellWidget(set, column, cell);
            }
    }
    const QSignalBlocker block(iconList_->verticalScrollBar());
    iconList_->verticalScrollBar()->setValue(options_.Controls().iconSet - 1);
}

} // namespace OptionsSupport
