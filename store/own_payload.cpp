#include "store/own_payload.h"

#include "store/database.h"

#include <algorithm>
#include <exception>
#include <string>

namespace MailSupport {

bool IsOwnPayload(const ReceivedGame& game, const std::vector<GameRecord>& stored)
{
    return std::any_of(stored.begin(), stored.end(), [&game](const GameRecord& record) {
        // Datestamps count minutes only: two games the two players began
        // in the same minute may share the id and the datestamp, one on
        // each side. The title the writer sent tells them apart.
        return record.GAME_ID == game.sendersGameId && record.GAME_DATESTAMP == game.datestamp
               && record.GAME_HOST != game.receiverIsHost
               && CleanPayloadText(record.GAME_NAME) == game.name;
    });
}

std::optional<bool> IsOwnPayload(const Database::DataFolder& folder, const ReceivedGame& game)
{
    std::vector<GameRecord> stored;
    try {
        if (!Database::SelectGames(folder, stored,
                                   "GAME_ID;" + std::to_string(game.sendersGameId) + ";Game_DateStamp;"
                                       + game.datestamp,
                                   ""))
            return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return IsOwnPayload(game, stored);
}

bool SentByThisCopy(Transport& t, const ReceivedGame& game)
{
    std::optional<bool> own;
    t.Windows.WithDatabase([&] { own = IsOwnPayload(t.Folder, game); });
    return own.value_or(false);
}

} // namespace MailSupport
