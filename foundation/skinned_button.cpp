#include "foundation/skinned_button.h"

#include "foundation/picture_stores.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <cmath>

namespace Support {

ButtonFace::ButtonFace(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void ButtonFace::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    emit MouseDown(event->button());
}

void ButtonFace::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseUp(event->button());
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit Click();
}

namespace {

QLabel* MakeCaption(QWidget& window, const QString& name)
{
    auto* label = new QLabel(&window);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

void SetTextColour(QLabel& label, QRgb rgb)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, QColor(rgb));
    label.setPalette(palette);
}

void HideParts(const SkinnedButtonParts& parts)
{
    for (QWidget* w : {static_cast<QWidget*>(parts.picture), static_cast<QWidget*>(parts.caption),
                       static_cast<QWidget*>(parts.shadow), static_cast<QWidget*>(parts.face)})
        if (w->isVisibleTo(w->parentWidget()))
            w->hide();
}

void Paint(const SkinnedButtonParts& parts, const QString& caption, bool pressed)
{
    for (QWidget* w : {static_cast<QWidget*>(parts.picture), static_cast<QWidget*>(parts.caption),
                       static_cast<QWidget*>(parts.shadow), static_cast<QWidget*>(parts.face)})
        w->show();

    const QPixmap face = ButtonFaceCell(pressed ? 1 : 0);
    if (!face.isNull())
        parts.picture->setPixmap(face);

    const QRect x = parts.picture->geometry();
    const int shift = pressed ? PressedShift : 0;
    const int captionHeight = parts.caption->height();
    parts.caption->setGeometry(x.left() + shift, CaptionTop(x.top(), x.height(), captionHeight) + shift,
                               x.width(), captionHeight);
    parts.caption->setText(caption);
    SetTextColour(*parts.caption, parts.face->isEnabled() ? CaptionColour : DisabledCaptionColour);

    parts.shadow->setGeometry(parts.caption->x() + ShadowOffset, parts.caption->y() + ShadowOffset,
                              parts.caption->width(), captionHeight);
    parts.shadow->setText(caption);
    SetTextColour(*parts.shadow, ShadowColour);

    parts.face->setGeometry(x);
    parts.shadow->raise();
    parts.caption->raise();
    parts.face->raise();
}

// The five controls of a button at `geometry` (window pixels), all hidden
// until painted or shown. The twin is named plainTwinName, or the base name
// followed by "S".
SkinnedButtonParts MakeParts(QWidget& window, const QString& baseName, const QRect& geometry,
                             const QString& plainTwinName)
{
    SkinnedButtonParts parts;
    parts.picture = new QLabel(&window);
    parts.picture->setObjectName(baseName);
    parts.picture->setScaledContents(true);
    parts.picture->setGeometry(geometry);
    parts.picture->hide();

    const int captionHeight = window.fontMetrics().height() + 2;
    parts.shadow = MakeCaption(window, baseName + QStringLiteral("Label_2"));
    parts.caption = MakeCaption(window, baseName + QStringLiteral("Label_1"));
    parts.shadow->resize(geometry.width(), captionHeight);
    parts.caption->resize(geometry.width(), captionHeight);

    parts.face = new ButtonFace(&window);
    parts.face->setObjectName(baseName + QStringLiteral("Face"));
    parts.face->setGeometry(geometry);
    parts.face->hide();

    parts.plainTwin = new QPushButton(&window);
    parts.plainTwin->setObjectName(plainTwinName.isEmpty() ? baseName + QStringLiteral("S")
                                                           : plainTwinName);
    parts.plainTwin->setGeometry(geometry);
    parts.plainTwin->hide();
    return parts;
}

// A push button reads "&" as a shortcut mark; the caller's caption is text.
QString Literal(QString caption)
{
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

SkinnedButton::SkinnedButton(QWidget& window, const QString& baseName, const QRect& geometry,
                             const QString& plainTwinName)
    : QObject(&window), SkinnedButtonParts(MakeParts(window, baseName, geometry, plainTwinName))
{
    connect(face, &ButtonFace::MouseDown, this, [this](Qt::MouseButton b) {
        if ((PressButtons & b) && (!ShowsPress || ShowsPress()))
            Paint(*this, caption_, true);
    });
    connect(face, &ButtonFace::MouseUp, this, [this](Qt::MouseButton b) {
        if ((PressButtons & b) && (!ShowsPress || ShowsPress()))
            Paint(*this, caption_, false);
    });
    connect(face, &ButtonFace::Click, this, &SkinnedButton::Clicked);
    connect(plainTwin, &QPushButton::clicked, this, &SkinnedButton::Clicked);
}

SkinnedButton::SkinnedButton(QWidget& window, const QString& baseName, const QRect& geometry,
                             const QString& caption, const QString& plainCaption,
                             const QString& plainTwinName)
    : SkinnedButton(window, baseName, geometry, plainTwinName)
{
    SetCaptions(caption, plainCaption);
}

void SkinnedButton::SetCaptions(const QString& caption, const QString& plainCaption)
{
    caption_ = caption;
    plainTwin->setText(plainCaption);
}

void SkinnedButton::Show(bool simpleUI)
{
    if (simpleUI) {
        HideSkinned();
        plainTwin->show();
    } else {
        Paint(*this, caption_, false);
    }
}

void SkinnedButton::Hide()
{
    HideSkinned();
    plainTwin->hide();
}

void SkinnedButton::PaintPressed(bool pressed)
{
    Paint(*this, caption_, pressed);
}

void SkinnedButton::ShowSkinned(const QString& caption)
{
    caption_ = caption;
    Paint(*this, caption, false);
}

void SkinnedButton::ShowPlain(const QString& caption)
{
    caption_ = caption;
    plainTwin->setText(Literal(caption));
    plainTwin->show();
}

void SkinnedButton::HideSkinned()
{
    HideParts(*this);
}

void SkinnedButton::SetEnabled(bool enabled)
{
    SetTextColour(*caption, enabled ? CaptionColour : DisabledCaptionColour);
    face->setEnabled(enabled);
    plainTwin->setEnabled(enabled);
}

void SkinnedButton::MoveBy(int dx, int dy)
{
    for (QWidget* part :
         {static_cast<QWidget*>(picture), static_cast<QWidget*>(face), static_cast<QWidget*>(caption),
          static_cast<QWidget*>(shadow), static_cast<QWidget*>(plainTwin)})
        part->move(part->x() + dx, part->y() + dy);
}

int CaptionTop(int faceTop, int faceHeight, int captionHeight)
{
    return static_cast<int>(std::floor(faceTop + faceHeight / 2.0 - captionHeight / 2.0));
}

QPixmap ButtonFaceCell(int cell)
{
    return Pictures().ButtonImages.GraphicCell(cell);
}

} // namespace Support
