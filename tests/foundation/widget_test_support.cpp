#include "widget_test_support.h"

#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/title_band.h"
#include "foundation/title_caption.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QWidget>

#include <gtest/gtest.h>

namespace TestSupport {

bool CopyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target))
                return false;
        } else if (!QFile::copy(source, target)) {
            return false;
        }
    }
    return true;
}

void EnsureQtApp()
{
    if (QApplication::instance())
        return;
    static QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));
    static int argc = 1;
    static char name[] = "foundation_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    // The offscreen platform cannot clip windows; the tests check the mask itself.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.contains(QLatin1String("does not support setting window masks")))
                previous(type, context, message);
        });
}

ProgramFolder::ProgramFolder()
{
    EnsureQtApp();
    for (const char* sub : {"/UI Graphics", "/Icons"})
        if (!CopyTree(QStringLiteral(MD_SHARE_DIR) + QLatin1String(sub),
                      dir_.path() + QLatin1String(sub)))
            ADD_FAILURE() << "cannot copy the generated artwork from " << MD_SHARE_DIR;
    Support::Globals().ProgramFolder = dir_.path();
    Support::ProgramSettings() = Support::Settings{};
}

ProgramFolder::~ProgramFolder()
{
    Support::Globals().ProgramFolder.clear();
    Support::ProgramSettings() = Support::Settings{};
}

void ProgramFolder::AddChessSets() const
{
    if (!CopyTree(QStringLiteral(MD_SHARE_DIR "/Graphics"), dir_.path() + QStringLiteral("/Graphics")))
        ADD_FAILURE() << "cannot copy the generated chess sets from " << MD_SHARE_DIR;
}

QString ProgramFolder::ChessSetPath(const QString& set) const
{
    return dir_.path() + QStringLiteral("/Graphics/") + set + QStringLiteral("/");
}

void ProgramFolder::CopyChessSet(const QString& from, const QString& to) const
{
    ASSERT_TRUE(CopyTree(ChessSetPath(from), ChessSetPath(to)));
}

QString ProgramFolder::SkinPath(const QString& skin) const
{
    return dir_.path() + QStringLiteral("/UI Graphics/") + skin + QStringLiteral("/");
}

void ProgramFolder::CopySkin(const QString& from, const QString& to) const
{
    ASSERT_TRUE(CopyTree(SkinPath(from), SkinPath(to)));
}

void ProgramFolder::RemoveSkinFile(const QString& skin, const QString& file) const
{
    ASSERT_TRUE(QFile::remove(SkinPath(skin) + file)) << file.toStdString();
}

ScriptedHost::ScriptedHost()
{
    Support::SetModalHost(this);
}

ScriptedHost::~ScriptedHost()
{
    Support::SetModalHost(nullptr);
}

void ScriptedHost::RunModal(QWidget& window)
{
    ++ModalRuns;
    window.show();
    if (Script)
        Script(window);
    LeftOpen = window.isVisible();
}

void ScriptedHost::SystemMessage(Support::SystemMessageIcon icon, const QString& title,
                                 const QString& text)
{
    SystemMessages.push_back({icon, title, text});
}

QString TitleCaptionFault(const QWidget& window)
{
    const Support::TitleCaption* caption = Support::TitleCaption::Of(window);
    if (!caption)
        return QStringLiteral("no caption label");
    if (caption->isHidden())
        return QStringLiteral("the caption is hidden");
    if (caption->text() != window.windowTitle())
        return QStringLiteral("the caption reads \"%1\"").arg(caption->text());
    const int band = WindowNames::TitleBandHeight(window.objectName().toStdString());
    const QRect shown = caption->geometry();
    if (shown.top() < 0 || shown.bottom() >= band || shown.left() < 0 || shown.right() >= window.width())
        return QStringLiteral("the caption stands off the band");
    if (caption->fontMetrics().horizontalAdvance(caption->text()) > shown.width())
        return QStringLiteral("the caption is cut");
    for (const QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child != caption && !child->isHidden() && child->geometry().intersects(shown))
            return QStringLiteral("the caption covers ") + child->objectName();
    return QString();
}

} // namespace TestSupport
