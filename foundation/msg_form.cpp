#include "foundation/msg_form.h"

#include "foundation/notification_timeout.h"
#include "foundation/program_state.h"
#include "foundation/skin.h"
#include "foundation/window_names.h"
#include "foundation/window_shape.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace Support {

namespace {

// The skinned layout, in pixels of the background picture (420 x 200).
constexpr QSize SkinnedSize(420, 200);
constexpr QRect CaptionRect(26, 14, 368, 20);
constexpr QRect IconRect(30, 73, 32, 32);
constexpr QRect MessageRect(80, 50, 312, 78);
constexpr QRect BorderRect(70, 46, 330, 86);
constexpr QRect OkRect(110, 142, 90, 26);
constexpr QRect CancelRect(220, 142, 90, 26);
// The plain layout moves everything into the space of the absent picture
// frame and shrinks the window (left 150 and up 200 twips; 300 twips
// narrower and 600 twips lower).
constexpr PlainLayoutShift PlainLayout{10, 13, 20, 40};

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}

} // namespace

int CentredOkLeft(int okLeft, int okWidth, int cancelLeft, int cancelWidth)
{
    const int span = cancelLeft + cancelWidth - okLeft;
    return static_cast<int>(std::nearbyint(std::floor(span / 2.0) + okLeft - okWidth / 2.0));
}

MsgForm::MsgForm()
    : AnsweringDialog(DialogAnswer::Ok),
      OkButton(*this, QStringLiteral("OkButton"), OkRect, QStringLiteral("OKButtonS")),
      CancelButton(*this, QStringLiteral("CancelButton"), CancelRect)
{
    setObjectName(QLatin1String(WindowNames::MsgForm));
    setWindowTitle(QStringLiteral("Marrowdale"));
    setFixedSize(SkinnedSize);

    FormCaption = MakeLabel(this, QStringLiteral("FormCaption"), CaptionRect);
    MessageBorder_L = MakeLabel(this, QStringLiteral("MessageBorder_L"), BorderRect);
    MessageBorder_L->setFrameShape(QFrame::Box);
    MessageBorder_L->hide();
    Message = MakeLabel(this, QStringLiteral("Message"), MessageRect);
    Message->setWordWrap(true);
    Message->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    MessageIcon = MakeLabel(this, QStringLiteral("MessageIcon"), IconRect);

    OKButtonS = OkButton.plainTwin;
    CancelButtonS = CancelButton.plainTwin;
    connect(&OkButton, &SkinnedButton::Clicked, this, &MsgForm::OkButtonFace_Click);
    connect(&CancelButton, &SkinnedButton::Clicked, this, &MsgForm::CancelButtonFace_Click);

    connect(&TimeoutTicker, &QTimer::timeout, this, &MsgForm::TimeoutTicker_Timer);

    for (int i = 1; i <= 5; ++i)
        IconList.append(
            QPixmap(Globals().ProgramFolder + QStringLiteral("/Icons/MsgIcon%1.png").arg(i)));

    TakeKeysFirst();
}

bool MsgForm::Form_Load(bool simpleUI)
{
    return LoadLayout(simpleUI);
}

void MsgForm::SetSimpleUI()
{
    MessageBorder_L->show();
    MessageBorder_L->lower();
    QFont bold = FormCaption->font();
    bold.setBold(true);
    FormCaption->setFont(bold);
    OkButton.HideSkinned();
    CancelButton.HideSkinned();
    ShiftIntoPlainLayout(*this, PlainLayout);
}

void MsgForm::SetCaption(const QString& caption)
{
    FormCaption->setText(caption);
}

void MsgForm::SetMessageText(const QString& text)
{
    Message->setText(text.isEmpty() ? QString() : text.split(QLatin1Char('|')).join(QLatin1Char('\n')));
    FitMessage();
}

void MsgForm::FitMessage()
{
    // A text longer than the box was drawn for makes the box taller, so
    // that no line is cut off: the buttons move down, the icon stays
    // centred beside the text and, skinned, the picture and the outline
    // stretch with the window.
    const int extra = Message->heightForWidth(Message->width()) - Message->height();
    if (extra <= 0)
        return;
    Message->resize(Message->width(), Message->height() + extra);
    MessageBorder_L->resize(MessageBorder_L->width(), MessageBorder_L->height() + extra);
    MessageIcon->move(MessageIcon->x(), MessageIcon->y() + extra / 2);
    OkButton.MoveBy(0, extra);
    CancelButton.MoveBy(0, extra);
    setFixedSize(width(), height() + extra);
    if (SimpleLayout())
        return;
    QPalette stretched = palette();
    const QPixmap picture = stretched.brush(QPalette::Window).texture();
    if (!picture.isNull()) {
        stretched.setBrush(QPalette::Window, QBrush(picture.scaled(size(), Qt::IgnoreAspectRatio,
                                                                   Qt::SmoothTransformation)));
        setPalette(stretched);
    }
    if (const WindowShape::Member* member = WindowShape::Find(WindowNames::MsgForm))
        setMask(WindowShape::BuildWindowRegion(*member, 1.0f,
                                               float(height()) / float(member->pictureHeight), 0, 0));
}

void MsgForm::SetButtons(const QString& okCaption, const QString& cancelCaption)
{
    const bool withCancel = !cancelCaption.isEmpty();
    if (withCancel) {
        if (SimpleLayout())
            CancelButton.ShowPlain(cancelCaption);
        else
            CancelButton.ShowSkinned(cancelCaption);
    } else if (SimpleLayout()) {
        OKButtonS->move(CentredOkLeft(OKButtonS->x(), OKButtonS->width(), CancelButtonS->x(),
                                      CancelButtonS->width()),
                        OKButtonS->y());
    } else {
        const QRect ok = OkButton.picture->geometry();
        const QRect cancel = CancelButton.picture->geometry();
        CancelButton.HideSkinned();
        OkButton.picture->move(CentredOkLeft(ok.left(), ok.width(), cancel.left(), cancel.width()),
                               ok.top());
    }
    if (SimpleLayout())
        OkButton.ShowPlain(okCaption);
    else
        OkButton.ShowSkinned(okCaption);
}

void MsgForm::SetIcon(MsgIcon icon)
{
    int number = static_cast<int>(icon);
    if (number < 1 || number > IconList.size())
        number = static_cast<int>(MsgIcon::Information);
    MessageIcon->setPixmap(IconList.value(number - 1));
}

void MsgForm::StartTimeout(int ticks)
{
    TimeoutTicker.Start(ticks);
}

bool MsgForm::CancelShown() const
{
    return SimpleLayout() ? CancelButtonS->isVisibleTo(this) : CancelButton.face->isVisibleTo(this);
}

void MsgForm::Answering()
{
    TimeoutTicker.stop();
}

void MsgForm::OkButtonFace_Click()
{
    AnswerWith(DialogAnswer::Ok);
}

void MsgForm::CancelButtonFace_Click()
{
    AnswerWith(DialogAnswer::Cancel);
}

void MsgForm::TimeoutTicker_Timer()
{
    if (TimeoutTicker.Tick())
        CancelButtonFace_Click();
}

void MsgForm::EnterPressed()
{
    OkButtonFace_Click();
}

void MsgForm::EscapePressed()
{
    if (CancelShown())
        CancelButtonFace_Click();
    else
        OkButtonFace_Click();
}

} // namespace Support
