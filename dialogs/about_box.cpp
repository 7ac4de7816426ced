#include "dialogs/about_box.h"

#include "dialogs/credits.h"
#include "dialogs/dialog_label.h"
#include "dialogs/dialog_pictures.h"
#include "foundation/help.h"
#include "foundation/modal_host.h"
#include "foundation/options_about_entry.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "foundation/window_names.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>

namespace AboutSupport {

using Dialogs::MakeLabel;

namespace {

const QString WindowName = QLatin1String(WindowNames::AboutBox);
const QString OkName = QStringLiteral("OkButton");
const QString OkCaption = QStringLiteral("OK");

// The skinned layout, in pixels of the background picture (440 x 330). The
// plain layout moves every control up 20 pixels (300 twips) and is 4550
// twips high.
constexpr QSize SkinnedSize(440, 330);
constexpr int PlainHeight = 4550 / 15;
constexpr int PlainShiftUp = 300 / 15;
constexpr int PlainIconTop = 1650 / 15;
constexpr QRect TitleRect(120, 58, 248, 30);
constexpr QRect VersionCaptionRect(120, 90, 56, 20);
constexpr QRect VersionRect(176, 90, 192, 20);
constexpr QRect DescriptionRect(120, 130, 248, 84);
constexpr QRect PictureRect(16, 52, 1200 / 15, 1800 / 15);
constexpr QRect IconRect(376, 130, 32, 32);
constexpr QRect OkRect(175, 278, 90, 26);
// The three etched frames of the plain layout, dark rectangle first: around
// title and version, around the description, along the bottom.
constexpr QRect UpperFrame(108, 52, 316, 64);
constexpr QRect MiddleFrame(108, 124, 316, 96);
constexpr QRect LowerFrame(8, 266, 424, 50);

} // namespace

DraggableIcon::DraggableIcon(QWidget* parent) : QLabel(parent) { }

void DraggableIcon::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    setCursor(DialogPictures::IconDragCursor());
}

void DraggableIcon::mouseMoveEvent(QMouseEvent*) { }

void DraggableIcon::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !dragging_)
        return;
    dragging_ = false;
    unsetCursor();
    emit DroppedAt(event->globalPosition().toPoint());
}

AboutBox::AboutBox()
{
    setObjectName(WindowName);
    setWindowTitle(QStringLiteral("About Marrowdale..."));
    setFixedSize(SkinnedSize);
    CreateLabels();
    CreatePictures();
    CreateFrames();
    CreateOkButton();
    TakeKeysFirst();
}

AboutBox::~AboutBox()
{
    Form_Unload();
}

void AboutBox::CreateLabels()
{
    lblTitle = MakeLabel(this, QStringLiteral("lblTitle"), TitleRect, QStringLiteral("Marrowdale"));
    QFont title = lblTitle->font();
    title.setPixelSize(22);
    title.setBold(true);
    lblTitle->setFont(title);
    lblVersion =
        MakeLabel(this, QStringLiteral("lblVersion"), VersionCaptionRect, QStringLiteral("Version"));
    VerNo = MakeLabel(this, QStringLiteral("VerNo"), VersionRect, QString());
    lblDescription =
        MakeLabel(this, QStringLiteral("lblDescription"), DescriptionRect,
                  QStringLiteral("A chess platform for playing chess between yourself and anyone on "
                                 "the internet with POP or SMTP email."));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void AboutBox::CreatePictures()
{
    Image1 = MakeLabel(this, QStringLiteral("Image1"), PictureRect, QString());
    Image1->setPixmap(DialogPictures::StandingPieces(PictureRect.size()));
    picIcon = new DraggableIcon(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(IconRect);
    picIcon->setPixmap(DialogPictures::ProgramIcon(IconRect.width()));
    connect(picIcon, &DraggableIcon::DroppedAt, this, [this](const QPoint& at) {
        if (Image1->rect().contains(Image1->mapFromGlobal(at)))
            Image1_DragDrop();
    });
}

void AboutBox::CreateFrames()
{
    const QRect frames[3] = {LowerFrame, MiddleFrame, UpperFrame};
    for (int pair = 0; pair < 3; ++pair) {
        // Shape 2n is the dark rectangle, Shape 2n-1 the light one a pixel
        // right of and below it.
        for (int light = 0; light < 2; ++light) {
            const int n = 2 * (pair + 1) - light;
            auto* frame = new QFrame(this);
            frame->setObjectName(QStringLiteral("Shape%1").arg(n));
            frame->setGeometry(frames[pair].translated(light, light));
            frame->setFrameShape(QFrame::Box);
            frame->setLineWidth(1);
            QPalette colours = frame->palette();
            colours.setColor(QPalette::WindowText,
                             palette().color(light ? QPalette::Light : QPalette::Dark));
            frame->setPalette(colours);
            frame->setAttribute(Qt::WA_TransparentForMouseEvents);
            frame->hide();
            Shape[n] = frame;
        }
    }
    for (int n = 1; n <= 6; ++n)
        Shape[n]->lower();
}

void AboutBox::CreateOkButton()
{
    OkButton = new Support::SkinnedButton(*this, OkName, OkRect, OkCaption, QStringLiteral("&OK"),
                                          QStringLiteral("OKButtonS"));
    OKButtonS = OkButton->plainTwin;
    connect(OkButton, &Support::SkinnedButton::Clicked, this, &AboutBox::OkButtonFace_Click);
}

bool AboutBox::Form_Load(bool simpleUI)
{
    if (!LoadLayout(simpleUI))
        return false;
    VerNo->setText(Support::GetVersionString());
    OkButton->Show(simpleUI);
    Support::RegisterWindow(WindowName, {[this] { OkButtonFace_Click(); }, {}});
    return true;
}

void AboutBox::SetSimpleUI()
{
    setFixedSize(width(), PlainHeight);
    for (QLabel* picture : {Image1, static_cast<QLabel*>(picIcon)})
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    for (int n = 1; n <= 6; ++n)
        Shape[n]->show();
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        child->move(child->x(), child->y() - PlainShiftUp);
    // The picture stays level with the upper frame.
    Image1->move(Image1->x(), Shape[6]->y());
    picIcon->move(picIcon->x(), PlainIconTop);
}

void AboutBox::OkButtonFace_Click()
{
    EndWithAnswer();
}

void AboutBox::Answering()
{
    Form_Unload();
}

void AboutBox::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    Support::ForgetWindow(WindowName);
    Support::CloseHelp(this);
}

void AboutBox::Image1_DragDrop()
{
    CreditsSupport::RunCredits();
}

void AboutBox::EnterPressed()
{
    OkButtonFace_Click();
}

void AboutBox::EscapePressed()
{
    OkButtonFace_Click();
}

int AboutBox::HelpTopic() const
{
    return AboutHelpTopic;
}

void RunAboutBox()
{
    AboutBox box;
    if (box.Form_Load(Support::ProgramSettings().SimpleUI))
        Support::CurrentModalHost().RunModal(box);
}

void InstallAboutBox()
{
    Support::EntryWindows().RunAboutBox = RunAboutBox;
}

} // namespace AboutSupport
