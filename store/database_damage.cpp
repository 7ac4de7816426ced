#include "store/database_damage.h"

#include "store/game_line.h"

#include <algorithm>

namespace Database {
namespace {

int LineOf(std::string_view text, std::size_t at)
{
    return 1
           + static_cast<int>(
               std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

std::string WhatIsWrong(const DatabaseDamage& damage)
{
    const std::string line = std::to_string(damage.line);
    switch (damage.kind) {
    case DatabaseDamage::Kind::Unreadable:
        return "it cannot be read";
    case DatabaseDamage::Kind::HalfWritten:
        return "line " + line + " holds the remains of an interrupted write";
    case DatabaseDamage::Kind::CutShort:
        return "its last line, line " + line + ", is cut short";
    case DatabaseDamage::Kind::BadLine:
        return "line " + line + " is not a game Marrowdale can read";
    }
    return {};
}

} // namespace

std::optional<DatabaseDamage> FindDatabaseDamage(const DataFolder& folder)
{
    FileSystem& files = folder.Files();
    if (!files.Exists(folder.Live()))
        return std::nullopt;
    DatabaseDamage damage;
    damage.file = folder.Live();
    const auto text = files.ReadAll(folder.Live());
    if (!text)
        return damage;
    if (const auto nul = text->find('\0'); nul != std::string::npos) {
        damage.kind = DatabaseDamage::Kind::HalfWritten;
        damage.line = LineOf(*text, nul);
        return damage;
    }
    if (std::string mended = *text; !RepairDatabaseText(mended)) {
        damage.kind = DatabaseDamage::Kind::CutShort;
        damage.line = LineOf(*text, text->size() - 1);
        return damage;
    }
    if (const int line = FirstUnreadableLine(*text, LineCheck::Header); line > 0) {
        damage.kind = DatabaseDamage::Kind::BadLine;
        damage.line = line;
        return damage;
    }
    return std::nullopt;
}

Support::MessageBoxCall DatabaseDamageMessage(const DatabaseDamage& damage)
{
    Support::MessageBoxCall call;
    call.icon = Support::MsgIcon::Database;
    call.caption = "Game database damaged";
    const bool onALine = damage.line > 0 && damage.kind != DatabaseDamage::Kind::Unreadable;
    call.text =
        "Marrowdale cannot store games in " + damage.file.string() + " because " + WhatIsWrong(damage)
        + ".||"
        + (onALine ? "Mend or remove that line in a text editor, or close Marrowdale and start it "
                     "again: it then keeps the lines it cannot read aside in a file beside the database "
                     "and lists every readable game"
                   : "Make the file readable again")
        + ".  Arriving moves are kept until the database can store them.";
    call.sound = Support::SoundCue::Refused;
    return call;
}

} // namespace Database
