#include "options/skin_options.h"

#include "options/option_messages.h"

#include "foundation/program_state.h"

namespace OptionsSupport {

namespace {

QString SkinsFolder()
{
    return Support::Globals().ProgramFolder + QStringLiteral("/UI Graphics/");
}

} // namespace

SkinOptions::SkinOptions(const Support::Settings& settings, OptionsChanges& changes)
    : settings_(settings), changes_(changes)
{
}

bool SkinOptions::Load()
{
    skins_.Clear();
    const auto names = SubFolderNames(SkinsFolder());
    if (!names) {
        Warn(
            QStringLiteral("Skin error"),
            QStringLiteral(
                "There was an error locating your skins.  Please ensure you have a folder called UI "
                "Graphics within your Marrowdale install folder that contains sub folders with skins in."));
        return false;
    }
    skins_.names = *names;
    SelectNamed(skins_, settings_.Skin, 0);
    return true;
}

void SkinOptions::RowChanged(int row)
{
    if (row == skins_.selected || row < -1 || row >= skins_.names.size())
        return;
    skins_.selected = row;
    changes_.applyEnabled = true;
}

QString SkinOptions::PreviewPath(const QString& file) const
{
    if (!skins_.HasSelection())
        return QString();
    return SkinsFolder() + skins_.SelectedName() + QStringLiteral("/") + file;
}

} // namespace OptionsSupport
