#include "dialogs/credits.h"

#include "dialogs/dialog_pictures.h"
#include "foundation/modal_host.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "foundation/skin.h"
#include "foundation/tool_tip.h"
#include "foundation/window_names.h"

#include <QMouseEvent>
#include <QPainter>

namespace CreditsSupport {

namespace {

const QString WindowName = QLatin1String(WindowNames::Credits);

// The skinned layout, in pixels of the background picture (380 x 320): the
// list is 4170 by 3270 twips, 495 twips from the left and the top. The
// plain layout moves every control 495 twips up and left and is 990 twips
// narrower and lower.
constexpr QSize SkinnedSize(380, 320);
constexpr int Margin = 495 / 15;
constexpr QRect ListRect(Margin, Margin, 4170 / 15, 3270 / 15);
constexpr QRect CloseRect(345, 9, 315 / 15, 330 / 15);
constexpr QRect PictureRect(316, 50, 30, 180);
constexpr qreal TwipsPerPixel = 15.0;

const QColor HeadingColour(0xFF, 0xFF, 0x00);
const QColor CreditColour(0xFF, 0xFF, 0xFF);

} // namespace

CreditList::CreditList(QWidget* parent, const CreditRoll& roll) : QWidget(parent), roll_(roll)
{
    setObjectName(QStringLiteral("CreditList"));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.25);
    setFont(font);
}

void CreditList::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const std::vector<CreditRow>& rows = roll_.Rows();
    qreal y = 0;
    for (std::size_t i = std::size_t(std::max(roll_.TopRow(), 0)); i < rows.size() && y < height();
         ++i) {
        const CreditRow& row = rows[i];
        const QRectF cell(0, y, width(), row.heightTwips / TwipsPerPixel);
        y = cell.bottom();
        if (row.text.isEmpty())
            continue;
        QFont font = this->font();
        font.setBold(row.kind == RowKind::Heading);
        font.setUnderline(row.kind == RowKind::Heading);
        painter.setFont(font);
        painter.setPen(row.kind == RowKind::Heading ? HeadingColour : CreditColour);
        painter.drawText(cell, Qt::AlignCenter, row.text);
    }
}

void CreditList::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit Clicked();
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit Clicked();
}

Credits::Credits() : roll_(CreditContent(Support::GetVersionString()))
{
    setObjectName(WindowName);
    setWindowTitle(QStringLiteral("Marrowdale - Credits"));
    setFixedSize(SkinnedSize);

    CreditListView = new CreditList(this, roll_);
    CreditListView->setGeometry(ListRect);
    connect(CreditListView, &CreditList::Clicked, this, [this] { roll_.RequestStop(); });

    CloseButton = new ClickablePicture(this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setGeometry(CloseRect);
    CloseButton->setPixmap(DialogPictures::CloseButtonPicture(CloseRect.size()));
    connect(CloseButton, &ClickablePicture::Clicked, this, &Credits::CloseButton_Click);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(PictureRect);
    Image1->setPixmap(DialogPictures::StandingPieces(PictureRect.size(), 1));

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &Credits::Timer1_Timer);

    TakeKeysFirst();
}

Credits::~Credits()
{
    Form_Unload();
}

bool Credits::Form_Load(bool simpleUI)
{
    if (!LoadLayout(simpleUI))
        return false;
    roll_.SetupCredits();
    SetToolTips();
    // A close from the program's shut-down only asks for the stop; the
    // timer finishes it.
    Support::RegisterWindow(WindowName, {[this] { roll_.RequestStop(); }, {}});
    Timer1.start();
    return true;
}

void Credits::SetSimpleUI()
{
    Support::ShiftIntoPlainLayout(*this, {Margin, Margin, 2 * Margin, 2 * Margin});
    CloseButton->hide();
}

void Credits::SetToolTips()
{
    Support::SetToolTip(CloseButton, "Finish with credits", Support::ProgramSettings().ShowToolTips);
}

void Credits::Timer1_Timer()
{
    const CreditRoll::TickResult result = roll_.Tick();
    if (result == CreditRoll::TickResult::Close) {
        Timer1.stop();
        Form_Unload();
        hide();
        return;
    }
    CreditListView->update();
}

void Credits::CloseButton_Click()
{
    roll_.RequestStop();
}

void Credits::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    Timer1.stop();
    Support::ForgetWindow(WindowName);
}

void Credits::EscapePressed()
{
    roll_.RequestStop();
}

void Credits::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        roll_.RequestStop();
}

void RunCredits()
{
    Credits credits;
    if (credits.Form_Load(Support::ProgramSettings().SimpleUI))
        Support::CurrentModalHost().RunModal(credits);
}

} // namespace CreditsSupport
