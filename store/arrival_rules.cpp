#include "store/arrival_rules.h"

#include "rules/position.h"
#include "store/move_entries.h"
#include "store/replay_check.h"

#include <cctype>

namespace MailSupport {
namespace {

std::string LowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The stored form of a start position: "" stands for the standard start.
std::string StartOf(const std::string& position)
{
    return position.empty() ? std::string(BoardSupport::StartPositionString) : position;
}

bool SameEntry(const MoveRecord& a, const MoveRecord& b)
{
    // Comments are the players' own words: a stored one is kept as it is.
    return a.number == b.number && a.coordinates == b.coordinates && a.notation == b.notation;
}

ArrivalJudgement Refuse(std::string reason)
{
    ArrivalJudgement judgement;
    judgement.verdict = ArrivalVerdict::Refused;
    judgement.reason = std::move(reason);
    return judgement;
}

std::string EntryName(const MoveRecord& entry, int number)
{
    return "entry " + std::to_string(number) + " (\"" + entry.notation + "\")";
}

// Entries numbered 1, 2, 3, ... in order, and every one sound from the start
// position; "" when they are, else why not. Every entry from `firstNew`
// (0-based) on gets the notation the replay writes for it, so that the
// replay of the entries after it reads what truly happened.
std::string ReplayProblem(const std::string& startPosition, MoveList& moves, std::size_t firstNew)
{
    for (std::size_t i = 0; i < moves.size(); ++i)
        if (moves[i].number != static_cast<std::int32_t>(i + 1))
            return "its entry " + std::to_string(i + 1) + " is numbered "
                   + std::to_string(moves[i].number);
    const auto start = BoardSupport::PositionFromString(startPosition);
    if (!start)
        return "its start position is not a board";
    BoardSupport::EntryReplay replay(*start);
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const int entry = static_cast<int>(i + 1);
        std::string made;
        const BoardSupport::EntryFault fault =
            replay.Play(moves, entry, i >= firstNew ? &made : nullptr);
        if (fault != BoardSupport::EntryFault::None)
            return "its " + EntryName(moves[i], entry)
                   + " is refused: " + BoardSupport::EntryFaultText(fault);
        if (i >= firstNew)
            moves[i].notation = std::move(made);
    }
    return {};
}

// The new entries the player's side made.
std::vector<int> PlayersEntries(std::size_t firstNew, std::size_t count, bool playerPlaysWhite)
{
    const MoveValidation::Colour player =
        playerPlaysWhite ? MoveValidation::White : MoveValidation::Black;
    std::vector<int> entries;
    for (std::size_t i = firstNew; i < count; ++i)
        if (BoardSupport::EntryColour(static_cast<int>(i + 1)) == player)
            entries.push_back(static_cast<int>(i + 1));
    return entries;
}

} // namespace

bool PlayerPlaysWhite(const std::optional<StoredArrivalGame>& stored, const ReceivedGame& game)
{
    return stored ? stored->record.GAME_HOST : game.receiverIsHost;
}

std::string EntryText(const MoveRecord& entry, int number)
{
    return std::to_string(number) + (number % 2 == 1 ? "." : "...") + entry.notation;
}

bool SameMailAddress(std::string_view a, std::string_view b)
{
    return LowerCase(CleanSenderText(std::string(a), SenderAddressLimit))
           == LowerCase(CleanSenderText(std::string(b), SenderAddressLimit));
}

ArrivalJudgement JudgeArrival(const std::optional<StoredArrivalGame>& stored, const ReceivedGame& game,
                              const std::optional<ArrivalSender>& sender)
{
    if (game.moves.empty())
        return Refuse("it carries no moves");
    const bool playerPlaysWhite = PlayerPlaysWhite(stored, game);
    if (!stored) {
        ArrivalJudgement judgement;
        judgement.moves = game.moves;
        if (const std::string problem = ReplayProblem(game.startPosition, judgement.moves, 0);
            !problem.empty())
            return Refuse(problem);
        judgement.verdict = ArrivalVerdict::NewGame;
        judgement.playersEntries = PlayersEntries(0, judgement.moves.size(), playerPlaysWhite);
        return judgement;
    }

    const GameRecord& record = stored->record;
    // The computer's games are played on this machine alone.
    if (record.GAME_VS_COMPUTER)
        return Refuse("that game is played against the computer");
    if (StartOf(game.startPosition) != StartOf(record.startPosition))
        return Refuse("its start position differs from the stored game's");
    const MoveList& mine = stored->moves;
    const std::size_t common = std::min(mine.size(), game.moves.size());
    for (std::size_t i = 0; i < common; ++i)
        if (!SameEntry(mine[i], game.moves[i]))
            return Refuse("its " + EntryName(game.moves[i], static_cast<int>(i + 1))
                          + " differs from the stored game's");
    if (game.moves.size() <= mine.size()) {
        ArrivalJudgement judgement;
        judgement.verdict = ArrivalVerdict::NothingNew;
        return judgement;
    }

    ArrivalJudgement judgement;
    judgement.moves = mine;
    judgement.moves.insert(judgement.moves.end(),
                           game.moves.begin() + static_cast<std::ptrdiff_t>(common), game.moves.end());
    if (const std::string problem = ReplayProblem(record.startPosition, judgement.moves, mine.size());
        !problem.empty())
        return Refuse(problem);
    judgement.playersEntries = PlayersEntries(mine.size(), judgement.moves.size(), playerPlaysWhite);
    judgement.verdict = sender && !SameMailAddress(sender->Address, record.GAME_OPPONENTS_EMAIL)
                            ? ArrivalVerdict::SenderDiffers
                            : ArrivalVerdict::Extends;
    return judgement;
}

} // namespace MailSupport
