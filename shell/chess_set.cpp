#include "shell/chess_set.h"

#include "foundation/message_box.h"
#include "foundation/picture_clip.h"
#include "foundation/program_state.h"
#include "shell/image_list.h"
#include "shell/picture_stores.h"

#include <QFileInfo>
#include <QPixmap>

namespace SysTraySupport {

namespace {

const QString GraphicsCaption = QStringLiteral("Graphics error.");
const QString ChooseValidSet =
    QStringLiteral(".||Please select a valid chess set before attempting to open the chess board.");
constexpr int GraphicsErrorCue = 5;

bool Report(const QString& text)
{
    Support::ShowMessage(2, GraphicsCaption, text, QStringLiteral("OK"), QString(), false,
                         GraphicsErrorCue);
    return false;
}

bool ReportGeneralError()
{
    return Report(QStringLiteral("Marrowdale ecountered a general error loading the graphics") + ChooseValidSet);
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
    if (!IsPlainName(setName) || Support::Globals().ProgramFolder.isEmpty())
        return {};
    return Support::Globals().ProgramFolder + QStringLiteral("/Graphics/") + setName + QStringLiteral("/");
}

bool LoadChessSet(QWidget& tray, const QString& setName, const QString& boardName)
{
    const QString folder = ChessSetFolder(setName);
    ImageList* iconSet = FindIconSet(tray);
    Support::PictureClip* chessSet = FindChessSet(tray);
    if (folder.isEmpty() || !iconSet || !chessSet)
        return ReportGeneralError();

    QList<QPixmap> icons;
    for (const QString& file : PieceIconFiles) {
        QPixmap icon;
        if (!ReadPicture(folder + file, icon))
            return ReportFileError(folder + file);
        icons.append(icon);
    }
    // The board name is part of a file name in the set's folder.
    const QString boardPath = folder + boardName + QStringLiteral(".jpg");
    QPixmap board;
    if (!IsPlainName(boardName) || !ReadPicture(boardPath, board))
        return ReportFileError(boardPath);

    iconSet->Replace(icons);
    chessSet->SetPicture(board);
    return true;
}

bool LoadChessSet(const QString& setName, const QString& boardName)
{
    QWidget* tray = Support::Globals().TrayForm;
    if (!tray)
        return ReportGeneralError();
    return LoadChessSet(*tray, setName, boardName);
}

} // namespace SysTraySupport
