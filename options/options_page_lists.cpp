// The pages of the options window that show lists: the tray icon sets, the
// chess sets and boards with their preview, the heuristics, the weight
// files and the skins.
#include "options/options_page.h"

#include "foundation/picture_clip.h"
#include "options/skin_preview.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTableWidget>
#include <QTreeWidget>

namespace OptionsSupport {

namespace {

constexpr int IconRowHeight = 20;
constexpr int IconColumnWidth = 66;
constexpr int PreviewSquare = 28;
constexpr int PreviewLeft = 229, PreviewTop = 15;

QListWidget* AddList(QWidget* page, const QString& name, const QRect& at)
{
    auto* list = new QListWidget(page);
    list->setObjectName(name);
    list->setGeometry(at);
    return list;
}

QLabel* AddLabel(QWidget* page, const QString& name, const QString& text, const QRect& at)
{
    auto* label = new QLabel(text, page);
    label->setObjectName(name);
    label->setGeometry(at);
    return label;
}

// The names, the selected row and the bold row of a list.
void ShowNameList(QListWidget& widget, const NameList& list)
{
    const QSignalBlocker block(&widget);
    if (widget.count() != list.names.size() || [&] {
            for (int i = 0; i < widget.count(); ++i)
                if (widget.item(i)->text() != list.names[i])
                    return true;
            return false;
        }()) {
        widget.clear();
        widget.addItems(list.names);
    }
    for (int i = 0; i < widget.count(); ++i) {
        QFont font = widget.font();
        font.setBold(i == list.bold);
        widget.item(i)->setFont(font);
    }
    widget.setCurrentRow(list.selected);
    if (list.selected < 0)
        widget.clearSelection();
}

} // namespace

// ---- Tray icon sets

void OptionsPage::BuildIconList(QWidget* page)
{
    opIconList = new QTableWidget(page);
    opIconList->setObjectName(QStringLiteral("opIconList"));
    opIconList->setColumnCount(3);
    opIconList->setHorizontalHeaderLabels(
        {QStringLiteral("Normal"), QStringLiteral("New move"), QStringLiteral("No network")});
    opIconList->verticalHeader()->hide();
    opIconList->horizontalHeader()->setFixedHeight(IconRowHeight);
    opIconList->verticalHeader()->setDefaultSectionSize(IconRowHeight);
    for (int column = 0; column < 3; ++column)
        opIconList->setColumnWidth(column, IconColumnWidth);
    opIconList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    opIconList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    opIconList->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    opIconList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    opIconList->setSelectionMode(QAbstractItemView::NoSelection);
    opIconList->setIconSize(QSize(16, 16));
    // Room for the header and exactly one set: the set in view is the choice.
    opIconList->setGeometry(
        132, 152, 3 * IconColumnWidth + opIconList->verticalScrollBar()->sizeHint().width() + 2,
        2 * IconRowHeight + 2);
    connect(opIconList->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (refreshing_)
            return;
        controller_.General().iconSet = value + 1;
        controller_.ControlChanged();
        Refresh();
    });
}

void OptionsPage::RefreshIconList()
{
    const int sets = controller_.IconSetCount();
    if (opIconList->rowCount() != sets) {
        opIconList->setRowCount(sets);
        const QList<QPixmap>& icons = controller_.TrayIcons();
        for (int set = 0; set < sets; ++set)
            for (int column = 0; column < 3; ++column) {
                // A label centres its picture in the cell.
                auto* cell = new QLabel;
                cell->setPixmap(icons[set * 3 + column]);
                cell->setAlignment(Qt::AlignCenter);
                opIconList->setCellWidget(set, column, cell);
            }
    }
    const QSignalBlocker block(opIconList->verticalScrollBar());
    opIconList->verticalScrollBar()->setValue(controller_.General().iconSet - 1);
}

// ---- Chess set page

void OptionsPage::BuildChessSetPage()
{
    QWidget* page = Page[ChessSetTab];
    AddLabel(page, QStringLiteral("Label8"), QStringLiteral("Chess set"), QRect(10, 8, 200, 18));
    opChessSet = AddList(page, QStringLiteral("opChessSet"), QRect(10, 26, 200, 96));
    AddLabel(page, QStringLiteral("Label9"), QStringLiteral("Chess board"), QRect(10, 130, 200, 18));
    opChessBoard = AddList(page, QStringLiteral("opChessBoard"), QRect(10, 148, 200, 96));
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row) {
            auto* square = new QLabel(page);
            square->setObjectName(QStringLiteral("pCBoard%1").arg(10 * column + row));
            square->setGeometry(PreviewLeft + PreviewSquare * (column - 1),
                                PreviewTop + PreviewSquare * (8 - row), PreviewSquare, PreviewSquare);
            square->setScaledContents(true);
            square->hide();
            pCBoard[std::size_t(10 * column + row)] = square;
        }
    PreviewChessSet = new Support::PictureClip(this, QStringLiteral("PreviewChessSet"), 4, 8);
    connect(opChessSet, &QListWidget::currentRowChanged, this, [this](int row) {
        if (refreshing_)
            return;
        controller_.ChessSetRowChanged(row);
        Refresh();
    });
    connect(opChessBoard, &QListWidget::currentRowChanged, this, [this](int row) {
        if (refreshing_)
            return;
        controller_.BoardRowChanged(row);
        Refresh();
    });
}

void OptionsPage::RefreshChessSet()
{
    ShowNameList(*opChessSet, controller_.ChessSets());
    ShowNameList(*opChessBoard, controller_.Boards());
    PreviewSet();
}

void OptionsPage::PreviewSet()
{
    const QString path = controller_.PreviewPicturePath();
    QPixmap picture;
    // A board picture that cannot be read hides the preview, as no board does.
    if (path.isEmpty() || !picture.load(path)) {
        for (QLabel* square : pCBoard)
            if (square)
                square->hide();
        return;
    }
    if (PreviewChessSet->property("path").toString() != path) {
        PreviewChessSet->SetPicture(picture);
        PreviewChessSet->setProperty("path", path);
    }
    const PreviewSquares squares = StartPositionPreview();
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            QLabel* square = pCBoard[std::size_t(10 * column + row)];
            square->setPixmap(
                PreviewChessSet->GraphicCell(PreviewClipGraphic(squares[column][row], column, row)));
            square->show();
        }
}

// ---- Heuristics page

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

void OptionsPage::BuildHeuristicsPage()
{
    QWidget* page = Page[HeuristicsTab];
    opHeuristicsList = new QTreeWidget(page);
    opHeuristicsList->setObjectName(QStringLiteral("opHeuristicsList"));
    opHeuristicsList->setGeometry(6, 6, 453, 178);
    opHeuristicsList->setColumnCount(6);
    opHeuristicsList->setHeaderLabels({QString(), QStringLiteral("Heuristic"),
                                       QStringLiteral("Current Motivation"), QString(),
                                       QStringLiteral("New Motivation"), QString()});
    const int widths[] = {18, 140, 96, 38, 92, 38};
    for (int column = 0; column < 6; ++column)
        opHeuristicsList->setColumnWidth(column, widths[column]);
    opHeuristicsList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    opHeuristicsList->setIndentation(10);

    opHeuristicSlider = new BandSlider(page);
    opHeuristicSlider->setObjectName(QStringLiteral("opHeuristicSlider"));
    opHeuristicSlider->setRange(-200, 200);
    opHeuristicSlider->setPageStep(10);
    opHeuristicSlider->setGeometry(6, 188, 340, 26);
    HLabelLow =
        AddLabel(page, QStringLiteral("HLabelLow"), QStringLiteral("Low"), QRect(6, 214, 60, 18));
    HLabelDontCare = AddLabel(page, QStringLiteral("HLabelDontCare"), QStringLiteral("Dont care"),
                              QRect(136, 214, 80, 18));
    HLabelDontCare->setAlignment(Qt::AlignHCenter);
    HLabelHigh =
        AddLabel(page, QStringLiteral("HLabelHigh"), QStringLiteral("High"), QRect(286, 214, 60, 18));
    HLabelHigh->setAlignment(Qt::AlignRight);
    AIDefault = BuildButton(page, QStringLiteral("AIDefault"), QStringLiteral("Defaults"),
                            QStringLiteral("De&fault"), QRect(362, 194, 90, 26), [this] {
                                controller_.RestoreDefaults();
                                Refresh();
                            });

    connect(opHeuristicsList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (refreshing_)
            return;
        controller_.SelectHeuristicRow(item ? item->data(0, Qt::UserRole).toInt() : 0);
        Refresh();
    });
    connect(opHeuristicSlider, &QSlider::valueChanged, this, [this](int value) {
        if (refreshing_)
            return;
        controller_.SliderMoved(value);
        Refresh();
    });
    connect(opHeuristicsList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int row = item->data(0, Qt::UserRole).toInt();
        if (!IsHeuristicRow(row))
            return; // the tree opens and closes groups itself
        controller_.DropPendingValue(row);
        Refresh();
    });
}

void OptionsPage::PopulateHeuristicsList()
{
    opHeuristicsList->setUpdatesEnabled(false);
    opHeuristicsList->clear();
    heuristicItems_.fill(nullptr);
    QTreeWidgetItem* group = nullptr;
    QTreeWidgetItem* subGroup = nullptr;
    for (int row = FirstHeuristicRow; row <= LastHeuristicRow; ++row) {
        const HeuristicRow& line = HeuristicRowAt(row);
        QTreeWidgetItem* item = nullptr;
        switch (line.kind) {
        case HeuristicRowKind::Group:
            item = group = new QTreeWidgetItem(opHeuristicsList);
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
            QFont bold = opHeuristicsList->font();
            bold.setBold(true);
            item->setFont(0, bold);
        }
        heuristicItems_[std::size_t(row)] = item;
    }
    opHeuristicsList->expandAll();
    opHeuristicsList->setUpdatesEnabled(true);
}

void OptionsPage::RefreshHeuristics()
{
    const HeuristicsEditor& editor = controller_.Heuristics();
    for (int row = FirstHeuristicRow; row <= LastHeuristicRow; ++row) {
        QTreeWidgetItem* item = heuristicItems_[std::size_t(row)];
        if (!item || !IsHeuristicRow(row))
            continue;
        item->setText(3, QString::number(*editor.Current(row)));
        const auto pending = editor.Pending(row);
        item->setText(5, pending ? QString::number(*pending) : QString());
        const bool highlighted = editor.Highlighted(row);
        QFont font = opHeuristicsList->font();
        font.setBold(highlighted);
        item->setFont(1, font);
        item->setForeground(1, highlighted ? QColor(0, 0, 0xFF) : QColor(0, 0, 0));
    }
    const int row = controller_.SelectedHeuristicRow();
    QTreeWidgetItem* selected = row >= FirstHeuristicRow && row <= LastHeuristicRow
                                    ? heuristicItems_[std::size_t(row)]
                                    : nullptr;
    if (opHeuristicsList->currentItem() != selected) {
        const QSignalBlocker block(opHeuristicsList);
        opHeuristicsList->setCurrentItem(selected);
    }
    SetHeuristicSlider();
}

void OptionsPage::SetHeuristicSlider()
{
    const SliderState slider = controller_.Heuristics().Slider(controller_.SelectedHeuristicRow());
    {
        const QSignalBlocker block(opHeuristicSlider);
        opHeuristicSlider->setValue(slider.value);
    }
    opHeuristicSlider->SetBand(slider.bandStart, slider.bandLength);
    for (QWidget* part :
         std::initializer_list<QWidget*>{opHeuristicSlider, HLabelLow, HLabelDontCare, HLabelHigh})
        part->setVisible(slider.visible);
}

// ---- Saved AI page

void OptionsPage::BuildSavedAIPage()
{
    QWidget* page = Page[SavedAITab];
    AddLabel(page, QStringLiteral("Label13"), QStringLiteral("Saved heuristics data files:"),
             QRect(10, 8, 240, 18));
    opSavedAIFiles = AddList(page, QStringLiteral("opSavedAIFiles"), QRect(10, 26, 240, 216));
    AddLabel(page, QStringLiteral("Label11"), QStringLiteral("Save current heuristic settings as:"),
             QRect(262, 8, 200, 18));
    opSaveAIName = new QLineEdit(page);
    opSaveAIName->setObjectName(QStringLiteral("opSaveAIName"));
    opSaveAIName->setGeometry(262, 26, 190, 24);
    const struct {
        Support::SkinnedButton*& button;
        const char* name;
        const char* caption;
        const char* plainCaption;
        int top;
        void (OptionsController::*command)();
    } buttons[] = {
        {LoadAI, "LoadAI", "Load", "&Load", 64, &OptionsController::LoadWeightFile},
        {DeleteAI, "DeleteAI", "Delete", "&Delete", 98, &OptionsController::DeleteWeightFile},
        {SaveAI, "SaveAI", "Save", "&Save", 132, &OptionsController::SaveWeightFile},
    };
    for (const auto& button : buttons)
        button.button =
            BuildButton(page, QString::fromLatin1(button.name), QString::fromLatin1(button.caption),
                        QString::fromLatin1(button.plainCaption), QRect(262, button.top, 90, 26),
                        [this, command = button.command] {
                            (controller_.*command)();
                            Refresh();
                        });
    connect(opSavedAIFiles, &QListWidget::currentRowChanged, this, [this](int row) {
        if (refreshing_)
            return;
        controller_.WeightFileRowChanged(row);
        Refresh();
    });
    connect(opSaveAIName, &QLineEdit::textEdited, this,
            [this](const QString& text) { controller_.SaveName() = text; });
}

void OptionsPage::RefreshSavedAI()
{
    ShowNameList(*opSavedAIFiles, controller_.WeightFiles());
    if (opSaveAIName->text() != controller_.SaveName())
        opSaveAIName->setText(controller_.SaveName());
}

// ---- Skins page

void OptionsPage::BuildSkinsPage()
{
    QWidget* page = Page[SkinsTab];
    AddLabel(page, QStringLiteral("SkinsList_L"), QStringLiteral("Available skins:"),
             QRect(10, 8, 200, 18));
    opSkinsList = AddList(page, QStringLiteral("opSkinsList"), QRect(10, 26, 286, 210));
    AddLabel(page, QStringLiteral("SkinPreview_L"), QStringLiteral("Skin preview:"),
             QRect(308, 8, 146, 18));
    PreviewBoard = AddLabel(page, QStringLiteral("PreviewBoard"), QString(), QRect(308, 26, 146, 119));
    PreviewInterface =
        AddLabel(page, QStringLiteral("PreviewInterface"), QString(), QRect(308, 151, 146, 84));
    for (QLabel* preview : {PreviewBoard, PreviewInterface})
        preview->setScaledContents(true);
    connect(opSkinsList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (refreshing_)
            return;
        controller_.SkinRowChanged(row);
        Refresh();
    });
}

void OptionsPage::RefreshSkins()
{
    ShowNameList(*opSkinsList, controller_.Skins());
    // The skin's windows in small; a background that cannot be read leaves
    // its preview empty.
    const QString folder = controller_.SkinPreviewPath(QString());
    const auto show = [&folder](QLabel* preview, PreviewWindow window) {
        if (folder == preview->property("folder").toString())
            return;
        const QImage picture = folder.isEmpty() ? QImage() : SkinPreviewPicture(folder, window);
        if (picture.isNull())
            preview->clear();
        else
            preview->setPixmap(QPixmap::fromImage(picture));
        preview->setProperty("folder", picture.isNull() ? QString() : folder);
    };
    show(PreviewBoard, PreviewWindow::Board);
    show(PreviewInterface, PreviewWindow::GameList);
}

} // namespace OptionsSupport
