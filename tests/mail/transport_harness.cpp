#include "tests/mail/transport_harness.h"

#include <gtest/gtest.h>

namespace MailTesting {

Player::Player(std::unique_ptr<MailSupport::MailService> service, std::filesystem::path folder)
    : mail(std::move(service)),
      transport{*mail,   Database::DataFolder(folder.empty() ? temp.Path() : folder, nullptr, &sink),
                state,   logon,
                windows, &chooser}
{
    sink.StatusShown = [this] { return windows.shown; };
}

std::vector<GameRecord> Player::Games() const
{
    std::vector<GameRecord> games;
    EXPECT_TRUE(Database::SelectGames(transport.Folder, games, "", "Game_ID;A"));
    return games;
}

GameRecord Player::Game(std::int32_t id) const
{
    const Database::FoundGame found = Database::FindGame(transport.Folder, id);
    EXPECT_TRUE(found.ok);
    EXPECT_EQ(found.count, 1u) << "game " << id;
    return found.game.value_or(GameRecord{});
}

MoveList Player::Moves(std::int32_t id) const
{
    MoveList moves;
    EXPECT_TRUE(Database::LoadGameMoves(transport.Folder, moves, id));
    return moves;
}

void Player::Store(GameRecord record, const MoveList& moves)
{
    ASSERT_TRUE(Database::SaveGame(transport.Folder, record, moves));
}

void Player::Reply(std::int32_t id, const MoveRecord& move)
{
    GameRecord record = Game(id);
    record.GAME_STATUS = StatusAwaitingOpponent;
    ASSERT_TRUE(Database::SaveGame(transport.Folder, record, {move}));
}

GameRecord NewMailGame(std::int32_t id, const std::string& opponentName,
                       const std::string& opponentAddress, const std::string& datestamp)
{
    GameRecord record;
    record.GAME_ID = id;
    record.GAME_DATESTAMP = datestamp;
    record.GAME_NAME = "Friendly " + std::to_string(id);
    record.GAME_DATE =
        datestamp.substr(0, 2) + "/" + datestamp.substr(2, 2) + "/" + datestamp.substr(4, 4);
    record.GAME_OPPONENTS_EMAIL = opponentAddress;
    record.GAME_BLACK_NAME = opponentName;
    record.GAME_HOST = true;
    record.GAME_OPPONENTS_NAME = opponentName;
    record.GAME_STATUS = StatusAwaitingOpponent;
    return record;
}

MoveRecord Move(std::int32_t number, const std::string& coordinates, const std::string& notation,
                const std::string& comment)
{
    return {number, coordinates, notation, comment};
}

} // namespace MailTesting
