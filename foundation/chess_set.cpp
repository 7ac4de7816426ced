#include "foundation/chess_set.h"

#include "foundation/message_box.h"
#include "foundation/picture_stores.h"
#include "foundation/program_state.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>

namespace Support {

namespace {

const QString GraphicsCaption = QStringLiteral("Graphics error.");
const QString ChooseValidSet =
    QStringLiteral(".||Please select a valid chess set before attempting to open the chess board.");
constexpr SoundCue GraphicsErrorCue = SoundCue::Refused;

bool Report(const QString& text)
{
    ShowMessage(Support::MsgIcon::Warning, GraphicsCaption, text, QStringLiteral("OK"), QString(), false,
                GraphicsErrorCue);
    return false;
}

bool ReportGeneralError()
{
    return Report(QStringLiteral("Marrowdale ecountered a general error loading the graphics")
                  + ChooseValidSet);
}

bool ReportFileError(const QString& path)
{
    return Report(QStringLiteral("Marrowdale ecountered an error loading the graphics file ") + path
                  + ChooseValidSet);
}

bool ReadPicture(const QString& path, QPixmap& picture)
{
    return QFileInfo(path).isFile() && picture.load(path) && !picture.isNull();
}

bool IsPlainName(const QString& name)
{
    return !name.trimmed().isEmpty() && !name.contains(QLatin1Char('/'))
           && !name.contains(QLatin1Char('\\')) && name != QLatin1String(".")
           && name != QLatin1String("..");
}

} // namespace

QString ChessSetFolder(const QString& setName)
{
    if (!IsPlainName(setName) || Globals().ProgramFolder.isEmpty())
        return {};
    return Globals().ProgramFolder + QStringLiteral("/Graphics/") + setName + QStringLiteral("/");
}

// On a screen scaled 1.5x or more the set's twice-size copies in "2x/" are
// used when the set has them all, so the pieces stay sharp; a set without
// them is drawn from its ordinary pictures.
static bool ReadSharpPicture(const QString& folder, const QString& file, double screenRatio,
                             QPixmap& picture)
{
    if (screenRatio >= 1.5 && ReadPicture(folder + QStringLiteral("2x/") + file, picture)) {
        picture.setDevicePixelRatio(2.0);
        return true;
    }
    return ReadPicture(folder + file, picture);
}

bool LoadChessSet(PictureStores& stores, const QString& setName, const QString& boardName,
                  double screenRatio)
{
    const QString folder = ChessSetFolder(setName);
    if (folder.isEmpty())
        return ReportGeneralError();
    if (screenRatio <= 0)
        screenRatio = qApp ? qApp->devicePixelRatio() : 1.0;

    QList<QPixmap> icons;
    for (const QString& file : PieceIconFiles) {
        QPixmap icon;
        if (!ReadSharpPicture(folder, file, screenRatio, icon))
            return ReportFileError(folder + file);
        icons.append(icon);
    }
    // The board name is part of a file name in the set's folder.
    const QString boardPath = folder + boardName + QStringLiteral(".jpg");
    QPixmap board;
    if (!IsPlainName(boardName)
        || !ReadSharpPicture(folder, boardName + QStringLiteral(".jpg"), screenRatio, board))
        return ReportFileError(boardPath);

    stores.IconSet.Replace(icons);
    stores.ChessSet.SetPicture(board);
    return true;
}

bool LoadChessSet(const QString& setName, const QString& boardName)
{
    return LoadChessSet(Pictures(), setName, boardName);
}

} // namespace Support
