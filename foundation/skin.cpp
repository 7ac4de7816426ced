#include "foundation/skin.h"
#include "foundation/qt_text.h"
#include "foundation/title_caption.h"

#include "foundation/window_shape.h"

#include "foundation/message_box.h"
#include "foundation/modal_host.h"
#include "foundation/picture_clip.h"
#include "foundation/picture_stores.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin_table.h"
#include "foundation/window_shape.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QTableView>
#include <QTreeView>
#include <QWidget>

#include <functional>
#include <vector>

namespace Support {

QColor ToQColor(SkinColour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

SkinColour FromQColor(const QColor& colour)
{
    return SkinColour(colour.red()) | (SkinColour(colour.green()) << 8)
           | (SkinColour(colour.blue()) << 16);
}

SkinColour GetSkinColour(const QImage& swatch, int column, int row)
{
    // 16-bit coordinate arithmetic, as the swatch layout is defined.
    const auto x = static_cast<std::int16_t>(107 + 15 * (column - 1));
    const auto y = static_cast<std::int16_t>(7 + 15 * (row - 1));
    if (!swatch.valid(x, y))
        return InvalidSkinColour;
    return FromQColor(swatch.pixelColor(x, y));
}

SkinColour GetSkinColour(const PictureClip& holder, int column, int row)
{
    return GetSkinColour(holder.Picture().toImage(), column, row);
}

QString SkinFolder(const QString& skin)
{
    return Globals().ProgramFolder + QStringLiteral("/UI Graphics/") + skin + QStringLiteral("/");
}

namespace {

// One step of the skinning: the file it reads and what it does with it.
// Apply answers False when the file cannot be loaded or a control it names
// is missing.
struct SkinStep {
    QString file;
    std::function<bool(const QString& path)> apply;
};

bool LoadPicture(const QString& path, QPixmap& picture)
{
    return QFileInfo(path).isFile() && picture.load(path) && !picture.isNull();
}

// The hidden holder a swatch is loaded into, made when the window lacks it.
PictureClip& SwatchHolder(QWidget& window, const QString& name)
{
    if (auto* holder = window.findChild<PictureClip*>(name))
        return *holder;
    return *new PictureClip(&window, name, 1, 1);
}

// Loads a swatch that must hold `rows` rows of `columns` colours.
bool LoadSwatch(QWidget& window, const QString& holderName, const QString& path, int columns, int rows,
                QImage& swatch)
{
    QPixmap picture;
    if (!LoadPicture(path, picture))
        return false;
    swatch = picture.toImage();
    if (rows > 0 && !swatch.valid(SwatchPixelX(columns), SwatchPixelY(rows)))
        return false;
    SwatchHolder(window, holderName).SetPicture(picture);
    return true;
}

QWidget* Control(QWidget& window, const std::string& name)
{
    return window.findChild<QWidget*>(Q(name));
}

void SetColours(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles, const QColor& colour)
{
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : roles) {
        palette.setColor(QPalette::Active, role, colour);
        palette.setColor(QPalette::Inactive, role, colour);
    }
    widget.setPalette(palette);
}

bool ApplyBackground(QWidget& window, const QString& path)
{
    QPixmap picture;
    if (!LoadPicture(path, picture))
        return false;
    QPalette palette = window.palette();
    palette.setBrush(QPalette::Window, QBrush(picture));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    return true;
}

bool ApplyButtonStrip(QWidget& window, const std::string& target, const QString& path)
{
    QPixmap picture;
    if (!LoadPicture(path, picture))
        return false;
    if (auto* clip = window.findChild<PictureClip*>(Q(target))) {
        clip->SetPicture(picture);
        return true;
    }
    if (auto* label = window.findChild<QLabel*>(Q(target))) {
        label->setPixmap(picture);
        return true;
    }
    // A strip every window shares goes into the program's picture stores.
    if (PictureGrid* grid = StoreGrid(Pictures(), Q(target))) {
        grid->SetPicture(picture);
        return true;
    }
    return false;
}

bool ApplyTextSwatch(QWidget& window, const FormSkinEntry& entry, const QString& path)
{
    QImage swatch;
    const int rows = int(entry.textLabels.size());
    if (!LoadSwatch(window, QStringLiteral("TextColours"), path, TextSwatchColumns, rows, swatch))
        return false;
    for (int r = 1; r <= rows; ++r) {
        QWidget* label = Control(window, entry.textLabels[std::size_t(r - 1)]);
        if (!label)
            return false;
        SetColours(*label, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText},
                   ToQColor(GetSkinColour(swatch, 1, r)));
        label->setAutoFillBackground(false);
    }
    return true;
}

bool ApplyFieldSwatch(QWidget& window, const FormSkinEntry& entry, const QString& path)
{
    QImage swatch;
    const int rows = int(entry.fieldControls.size());
    if (!LoadSwatch(window, QStringLiteral("FieldColours"), path, FieldSwatchColumns, rows, swatch))
        return false;
    for (int r = 1; r <= rows; ++r) {
        QWidget* field = Control(window, entry.fieldControls[std::size_t(r - 1)]);
        if (!field)
            return false;
        SetColours(*field, {QPalette::Base, QPalette::Button, QPalette::Window},
                   ToQColor(GetSkinColour(swatch, 1, r)));
        SetColours(*field, {QPalette::Text, QPalette::ButtonText, QPalette::WindowText},
                   ToQColor(GetSkinColour(swatch, 2, r)));
    }
    return true;
}

bool ApplyGridSwatch(QWidget& window, const FormSkinEntry& entry, const QString& path)
{
    QImage swatch;
    const int rows = int(entry.gridControls.size());
    if (!LoadSwatch(window, QStringLiteral("GridColours"), path, GridSwatchColumns, rows, swatch))
        return false;
    for (int r = 1; r <= rows; ++r) {
        QWidget* grid = Control(window, entry.gridControls[std::size_t(r - 1)]);
        if (!grid)
            return false;
        auto colour = [&](int column) { return ToQColor(GetSkinColour(swatch, column, r)); };
        SetColours(*grid, {QPalette::Base, QPalette::AlternateBase, QPalette::Window}, colour(3));
        SetColours(*grid, {QPalette::Text, QPalette::WindowText}, colour(4));
        SetColours(*grid, {QPalette::Highlight}, colour(5));
        SetColours(*grid, {QPalette::HighlightedText}, colour(6));
        QHeaderView* headers[2] = {nullptr, nullptr};
        if (auto* table = qobject_cast<QTableView*>(grid)) {
            headers[0] = table->horizontalHeader();
            headers[1] = table->verticalHeader();
        } else if (auto* tree = qobject_cast<QTreeView*>(grid)) {
            headers[0] = tree->header();
        }
        for (QHeaderView* header : headers)
            if (header) {
                SetColours(*header, {QPalette::Button, QPalette::Window}, colour(1));
                SetColours(*header, {QPalette::ButtonText, QPalette::WindowText}, colour(2));
            }
        // Grids that draw their own header and selection read these.
        for (int column = 1; column <= GridSwatchColumns; ++column)
            grid->setProperty(GridColourProperties[column - 1], colour(column));
    }
    return true;
}

bool ApplyTabSwatch(QWidget& window, const FormSkinEntry& entry, const QString& path)
{
    QImage swatch;
    if (!LoadSwatch(window, QStringLiteral("TabColours"), path, TabSwatchColumns, entry.tabPages,
                    swatch))
        return false;
    for (int i = 1; i <= entry.tabPages; ++i) {
        QWidget* page = window.findChild<QWidget*>(QStringLiteral("Page%1").arg(i));
        if (!page)
            return false;
        SetColours(*page, {QPalette::Window}, ToQColor(GetSkinColour(swatch, 1, i)));
        page->setAutoFillBackground(true);
    }
    return true;
}

std::vector<SkinStep> StepsFor(QWidget& window, const FormSkinEntry& entry)
{
    std::vector<SkinStep> steps;
    if (!entry.background.empty())
        steps.push_back({Q(entry.background),
                         [&window](const QString& path) { return ApplyBackground(window, path); }});
    for (const ButtonStrip& strip : entry.buttons)
        steps.push_back({Q(strip.file), [&window, target = strip.target](const QString& path) {
                             return ApplyButtonStrip(window, target, path);
                         }});
    if (!entry.textSwatch.empty())
        steps.push_back({Q(entry.textSwatch), [&window, &entry](const QString& path) {
                             return ApplyTextSwatch(window, entry, path);
                         }});
    if (!entry.fieldSwatch.empty())
        steps.push_back({Q(entry.fieldSwatch), [&window, &entry](const QString& path) {
                             return ApplyFieldSwatch(window, entry, path);
                         }});
    if (!entry.gridSwatch.empty())
        steps.push_back({Q(entry.gridSwatch), [&window, &entry](const QString& path) {
                             return ApplyGridSwatch(window, entry, path);
                         }});
    if (!entry.tabSwatch.empty())
        steps.push_back({Q(entry.tabSwatch), [&window, &entry](const QString& path) {
                             return ApplyTabSwatch(window, entry, path);
                         }});
    return steps;
}

void ReportFatalSkinFailure(const QString& path)
{
    CurrentModalHost().SystemMessage(
        SystemMessageIcon::Critical, QStringLiteral("Invalid skin file"),
        QStringLiteral("Marrowdale could not locate the following skin file and will now quit;\n\n")
            + path);
    ProgramState& state = Globals();
    state.Quitting = true;
    if (state.EndProgram)
        state.EndProgram();
    else
        QCoreApplication::exit(1);
}

} // namespace

bool ApplySkin(QWidget& window)
{
    const QString name = window.objectName();
    if (name == QLatin1String(UnskinnedWindow.data(), qsizetype(UnskinnedWindow.size())))
        return true;
    const FormSkinEntry* entry = FindFormSkin(name.toStdString());
    if (!entry) {
        ShowMessage(Support::MsgIcon::Warning, QStringLiteral("Invalid window skin"),
                    QStringLiteral("No skin file specified for the current window, ") + name
                        + QStringLiteral("."),
                    QStringLiteral("OK"), QString(), false);
        return false;
    }

    QString& skin = ProgramSettings().Skin;
    bool fellBack = false;
    for (const SkinStep& step : StepsFor(window, *entry)) {
        if (step.apply(SkinFolder(skin) + step.file))
            continue;
        if (!fellBack) {
            // Once only: the default skin serves this step and the rest,
            // and stays the skin for the rest of the run.
            fellBack = true;
            skin = QString::fromUtf8(DefaultSkinName.data(), qsizetype(DefaultSkinName.size()));
            if (step.apply(SkinFolder(skin) + step.file))
                continue;
        }
        ReportFatalSkinFailure(SkinFolder(skin) + step.file);
        return false;
    }
    if (!entry->buttons.empty())
        Globals().SkinRefreshPending = true;
    if (!entry->background.empty())
        TitleCaption::ShowOn(window);
    return true;
}

bool LoadSkinnedOrPlain(QWidget& window, bool simpleUI, const std::function<void()>& setSimpleUI)
{
    if (simpleUI) {
        setSimpleUI();
        return true;
    }
    WindowShape::ApplyWindowShape(window);
    return ApplySkin(window);
}

void ShiftIntoPlainLayout(QWidget& window, const PlainLayoutShift& shift)
{
    for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        child->move(child->x() - shift.left, child->y() - shift.up);
    window.setFixedSize(window.width() - shift.shrinkWidth, window.height() - shift.shrinkHeight);
}

} // namespace Support
