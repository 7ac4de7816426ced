#include "options/heuristics_page.h"

#include "options/option_controls.h"
#include "options/options_page.h"

#include "foundation/skinned_button.h"

#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTreeWidget>

namespace OptionsSupport {

BandSlider::BandSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) { }

void BandSlider::SetBand(int start, int length)
{
    bandStart_ = start;
    bandLength_ = length;
    update();
}

void BandSlider::paintEvent(QPaintEvent* event)
{
    QSlider::paintEvent(event);
    if (bandLength_ == 0)
        return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const auto x = [&](int value) {
        return groove.left()
               + QStyle::sliderPositionFromValue(minimum(), maximum(), value, groove.width());
    };
    QPainter painter(this);
    painter.fillRect(
        QRect(QPoint(x(bandStart_), height() - 5), QPoint(x(bandStart_ + bandLength_), height() - 2)),
        QColor(40, 90, 170));
}

HeuristicsPage::HeuristicsPage(OptionsPage& window, HeuristicsOptions& options)
    : window_(window), options_(options)
{
}

void HeuristicsPage::Create(QWidget* page)
{
    list_ = new QTreeWidget(page);
    list_->setObjectName(QStringLiteral("opHeuristicsList"));
    list_->setGeometry(6, 6, 453, 178);
    list_->setColumnCount(6);
    list_->setHeaderLabels({QString(), QStringLiteral("Heuristic"), QStringLiteral("Current Motivation"),
                            QString(), QStringLiteral("New Motivation"), QString()});
    const int widths[] = {18, 140, 96, 38, 92, 38};
    for (int column = 0; column < 6; ++column)
        list_->setColumnWidth(column, widths[column]);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setIndentation(10);

    slider_ = new BandSlider(page);
    slider_->setObjectName(QStringLiteral("opHeuristicSlider"));
    slider_->setRange(-200, 200);
    slider_->setPageStep(10);
    slider_->setGeometry(6, 188, 340, 26);
    low_ = AddLabel(page, QStringLiteral("HLabelLow"), QStringLiteral("Low"), QRect(6, 214, 60, 18));
    dontCare_ = AddLabel(page, QStringLiteral("HLabelDontCare"), QStringLiteral("Dont care"),
                         QRect(136, 214, 80, 18));
    dontCare_->setAlignment(Qt::AlignHCenter);
    high_ =
        AddLabel(page, QStringLiteral("HLabelHigh"), QStringLiteral("High"), QRect(286, 214, 60, 18));
    high_->setAlignment(Qt::AlignRight);
    defaults_ = AddButton(page, &window_, QStringLiteral("AIDefault"), QStringLiteral("Defaults"),
                          QStringLiteral("De&fault"), QRect(362, 194, 90, 26), [this] {
                              options_.RestoreDefaults();
                              window_.Refresh();
                          });

    QObject::connect(list_, &QTreeWidget::currentItemChanged, &window_, [this](QTreeWidgetItem* item) {
        if (window_.Refreshing())
            return;
        options_.SelectRow(item ? item->data(0, Qt::UserRole).toInt() : 0);
        window_.Refresh();
    });
    QObject::connect(slider_, &QSlider::valueChanged, &window_, [this](int value) {
        if (window_.Refreshing())
            return;
        options_.SliderMoved(value);
        window_.Refresh();
    });
    QObject::connect(list_, &QTreeWidget::itemDoubleClicked, &window_, [this](QTreeWidgetItem* item) {
        const int row = item->data(0, Qt::UserRole).toInt();
        if (!IsHeuristicRow(row))
            return; // the tree opens and closes groups itself
        options_.DropPendingValue(row);
        window_.Refresh();
    });
}

QTreeWidgetItem* HeuristicsPage::Item(int row) const
{
    return row >= FirstHeuristicRow && row <= LastHeuristicRow
               ? items_[std::size_t(row - FirstHeuristicRow)]
               : nullptr;
}

void HeuristicsPage::Fill()
{
    list_->setUpdatesEnabled(false);
    list_->clear();
    items_.fill(nullptr);
    QTreeWidgetItem* group = nullptr;
    QTreeWidgetItem* subGroup = nullptr;
    for (int row = FirstHeuristicRow; row <= LastHeuristicRow; ++row) {
        const HeuristicRow& line = HeuristicRowAt(row);
        QTreeWidgetItem* item = nullptr;
        switch (line.kind) {
        case HeuristicRowKind::Group:
            item = group = new QTreeWidgetItem(list_);
            subGroup = nullptr;
            break;
        case HeuristicRowKind::SubGroup:
            item = subGroup = new QTreeWidgetItem(group);
            break;
        case HeuristicRowKind::Heuristic:
            item = new QTreeWidgetItem(subGroup ? subGroup : group);
            break;
        }
        item->setData(0, Qt::UserRole, row);
        if (line.kind == HeuristicRowKind::Heuristic) {
            item->setText(1, line.label);
            item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
            item->setTextAlignment(5, Qt::AlignRight | Qt::AlignVCenter);
        } else {
            // A group's label spills over the empty cells beside it.
            item->setText(0, line.label);
            item->setFirstColumnSpanned(true);
            QFont bold = list_->font();
            bold.setBold(true);
            item->setFont(0, bold);
        }
        items_[std::size_t(row - FirstHeuristicRow)] = item;
    }
    list_->expandAll();
    list_->setUpdatesEnabled(true);
}

void HeuristicsPage::Refresh()
{
    const HeuristicsEditor& editor = options_.Editor();
    for (int row = FirstHeuristicRow; row <= LastHeuristicRow; ++row) {
        QTreeWidgetItem* item = Item(row);
        if (!item || !IsHeuristicRow(row))
            continue;
        item->setText(3, QString::number(*editor.Current(row)));
        const auto pending = editor.Pending(row);
        item->setText(5, pending ? QString::number(*pending) : QString());
        const bool highlighted = editor.Highlighted(row);
        QFont font = list_->font();
        font.setBold(highlighted);
        item->setFont(1, font);
        item->setForeground(1, highlighted ? QColor(0, 0, 0xFF) : QColor(0, 0, 0));
    }
    QTreeWidgetItem* selected = Item(options_.SelectedRow());
    if (list_->currentItem() != selected) {
        const QSignalBlocker block(list_);
        list_->setCurrentItem(selected);
    }
    SetSlider();
}

void HeuristicsPage::SetSlider()
{
    const SliderState slider = options_.Editor().Slider(options_.SelectedRow());
    {
        const QSignalBlocker block(slider_);
        slider_->setValue(slider.value);
    }
    slider_->SetBand(slider.bandStart, slider.bandLength);
    for (QWidget* part : std::initializer_list<QWidget*>{slider_, low_, dontCare_, high_})
        part->setVisible(slider.visible);
}

} // namespace OptionsSupport
