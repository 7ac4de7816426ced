#include "foundation/title_caption.h"

#include "foundation/title_band.h"

#include <QEvent>

#include <algorithm>
#include <utility>
#include <vector>

namespace Support {

namespace {

constexpr char CaptionName[] = "TitleCaption";
// Space kept between the caption and the controls beside it, and at the
// window's rounded corners.
constexpr int Gap = 12;
// The picture's outline along the band's top.
constexpr int TopEdge = 4;

} // namespace

TitleCaption::TitleCaption(QWidget& window, int bandHeight) : QLabel(&window), bandHeight_(bandHeight)
{
    setObjectName(QLatin1String(CaptionName));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    // The menu titles' light face on the dark band.
    setStyleSheet(QStringLiteral("QLabel { color: #F3E6CC; font-weight: bold; }"));
    setText(window.windowTitle());
    // Clicks fall through to the window, which is dragged by its band.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    window.installEventFilter(this);
}

TitleCaption* TitleCaption::Of(const QWidget& window)
{
    return window.findChild<TitleCaption*>(QLatin1String(CaptionName), Qt::FindDirectChildrenOnly);
}

TitleCaption* TitleCaption::ShowOn(QWidget& window)
{
    const int band = WindowNames::TitleBandHeight(window.objectName().toStdString());
    if (band <= 0 || window.findChild<QWidget*>(QStringLiteral("FormCaption")))
        return nullptr;
    TitleCaption* caption = Of(window);
    if (!caption)
        caption = new TitleCaption(window, band);
    caption->Place();
    caption->show();
    return caption;
}

void TitleCaption::Place()
{
    QWidget& window = *parentWidget();
    const QRect band(0, 0, window.width(), bandHeight_);
    // The stretches of the band left free by the controls on it.
    std::vector<std::pair<int, int>> taken;
    for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child != this && !child->isHidden() && child->geometry().intersects(band))
            taken.emplace_back(child->x(), child->x() + child->width());
    std::sort(taken.begin(), taken.end());
    int bestLeft = Gap;
    int bestWidth = 0;
    int left = Gap;
    for (const auto& [start, end] : taken) {
        if (start - Gap - left > bestWidth) {
            bestLeft = left;
            bestWidth = start - Gap - left;
        }
        left = std::max(left, end + Gap);
    }
    if (window.width() - Gap - left > bestWidth) {
        bestLeft = left;
        bestWidth = window.width() - Gap - left;
    }
    // Centred on the band below the picture's dark top edge, in line with
    // the menu titles.
    const int height = std::min(bandHeight_ - TopEdge, fontMetrics().height() + 4);
    setGeometry(bestLeft, (bandHeight_ - height + TopEdge) / 2, std::max(bestWidth, 0), height);
    raise();
}

bool TitleCaption::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::WindowTitleChange)
        setText(parentWidget()->windowTitle());
    return QLabel::eventFilter(watched, event);
}

} // namespace Support
