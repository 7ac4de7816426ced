#include "options/skins_page.h"

#include "options/option_controls.h"
#include "options/options_page.h"
#include "options/skin_preview.h"

#include <QLabel>
#include <QListWidget>

namespace OptionsSupport {

SkinsPage::SkinsPage(OptionsPage& window, SkinOptions& options) : window_(window), options_(options) { }

void SkinsPage::Create(QWidget* page)
{
    AddLabel(page, QStringLiteral("SkinsList_L"), QStringLiteral("Available skins:"),
             QRect(10, 8, 200, 18));
    list_ = AddList(page, QStringLiteral("opSkinsList"), QRect(10, 26, 286, 210));
    AddLabel(page, QStringLiteral("SkinPreview_L"), QStringLiteral("Skin preview:"),
             QRect(308, 8, 146, 18));
    previewBoard_ = AddLabel(page, QStringLiteral("PreviewBoard"), QString(), QRect(308, 26, 146, 119));
    previewInterface_ =
        AddLabel(page, QStringLiteral("PreviewInterface"), QString(), QRect(308, 151, 146, 84));
    for (QLabel* preview : {previewBoard_, previewInterface_})
        preview->setScaledContents(true);
    QObject::connect(list_, &QListWidget::currentRowChanged, &window_, [this](int row) {
        if (window_.Refreshing())
            return;
        options_.RowChanged(row);
        window_.Refresh();
    });
}

void SkinsPage::Refresh()
{
    ShowNameList(*list_, options_.List());
    // The skin's windows in small; a background that cannot be read leaves
    // its preview empty.
    const QString folder = options_.PreviewPath(QString());
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
    show(previewBoard_, PreviewWindow::Board);
    show(previewInterface_, PreviewWindow::GameList);
}

} // namespace OptionsSupport
