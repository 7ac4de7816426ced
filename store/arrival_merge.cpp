#include "store/arrival_merge.h"

#include "store/database.h"

#include <exception>

namespace MailSupport {
namespace {

// The game an arriving payload belongs to: by this player's id and the
// datestamp, else by the opponent's id and the datestamp.
bool FindArrivingGame(const Database::DataFolder& folder, const ReceivedGame& game,
                      std::vector<GameRecord>& found)
{
    const std::string byOwnId =
        "GAME_ID;" + std::to_string(game.receiversGameId) + ";Game_DateStamp;" + game.datestamp;
    if (!Database::SelectGames(folder, found, byOwnId, ""))
        return false;
    if (!found.empty())
        return true;
    const std::string byOpponentsId =
        "GAME_OPPONENTS_ID;" + std::to_string(game.sendersGameId) + ";Game_DateStamp;" + game.datestamp;
    return Database::SelectGames(folder, found, byOpponentsId, "");
}

// The record of a new game from what arrived.
std::optional<GameRecord> NewGameRecord(const Database::DataFolder& folder, const ReceivedGame& game,
                                        const std::optional<ArrivalSender>& sender)
{
    const auto id = Database::GetNextGameID(folder);
    if (!id)
        return std::nullopt;
    GameRecord record;
    record.GAME_ID = *id;
    record.GAME_DATESTAMP = game.datestamp;
    record.GAME_NAME = game.name;
    record.GAME_DATE = game.date;
    if (sender)
        record.GAME_WHITE_NAME = CleanSenderText(sender->Name, SenderNameLimit);
    else
        record.GAME_WHITE_NAME = game.whiteName.empty() ? UnknownOpponentName : game.whiteName;
    record.GAME_HOST = game.receiverIsHost;
    record.GAME_OPPONENTS_NAME = sender ? CleanSenderText(sender->Name, SenderNameLimit) : UnknownOpponentName;
    record.GAME_OPPONENTS_EMAIL =
        sender ? CleanSenderText(sender->Address, SenderAddressLimit) : UnknownOpponentAddress;
    record.startPosition = game.startPosition;
    return record;
}

void TellRefusal(const Transport& t, const ArrivalOutcome& outcome, const ArrivalSource& source)
{
    const std::string claimed =
        (outcome.known ? "your game \"" : "a new game \"") + outcome.gameName + "\"";
    ShowTransportMessage(t, Support::MsgIcon::Transmission, "Move not accepted",
                         source.what + " claims " + claimed + ", but Marrowdale did not store it because "
                             + outcome.reason + ".||It has been left " + source.keptWhere + ".",
                         "OK", Support::SoundCue::Refused);
}

bool AskForNewAddress(const Transport& t, const ArrivalOutcome& outcome, const std::string& address)
{
    if (!t.Folder.messages)
        return false;
    Support::MessageBoxCall call;
    call.icon = Support::MsgIcon::Warning;
    call.caption = "New opponent address";
    call.text = "A move mail for your game \"" + outcome.gameName + "\" came from " + address
                + ", but that game is played with " + outcome.opponentAddress
                + ".||Your opponent may have changed mail address.  Accept " + address
                + " as the opponent's address for this game?  If you answer No, the mail stays "
                  "in your Inbox and Marrowdale will not ask about it again.";
    call.okCaption = "Yes";
    call.cancelCaption = "No";
    call.sound = Support::SoundCue::Information;
    return t.Folder.messages->ShowMessage(call);
}

} // namespace

ArrivalOutcome MergeArrivingGame(const Database::DataFolder& folder, const ReceivedGame& game,
                                 const std::optional<ArrivalSender>& sender, bool acceptNewSender)
{
    ArrivalOutcome outcome;
    std::vector<GameRecord> found;
    std::optional<StoredArrivalGame> stored;
    try {
        if (!FindArrivingGame(folder, game, found))
            return outcome;
        if (!found.empty()) {
            stored.emplace();
            stored->record = found.front();
            if (!Database::LoadGameMoves(folder, stored->moves, stored->record.GAME_ID))
                return outcome;
        }
    } catch (const std::exception&) {
        return outcome;
    }

    const ArrivalJudgement judgement = JudgeArrival(stored, game, sender);
    outcome.ok = true;
    outcome.verdict = judgement.verdict;
    outcome.reason = judgement.reason;
    outcome.known = stored.has_value();
    outcome.gameName = game.name;
    if (stored) {
        outcome.gameID = stored->record.GAME_ID;
        outcome.gameName = stored->record.GAME_NAME;
        outcome.opponentAddress = stored->record.GAME_OPPONENTS_EMAIL;
    }
    const bool store = judgement.verdict == ArrivalVerdict::NewGame
                       || judgement.verdict == ArrivalVerdict::Extends
                       || (judgement.verdict == ArrivalVerdict::SenderDiffers && acceptNewSender);
    if (!store)
        return outcome;

    GameRecord record;
    if (!stored) {
        const auto fresh = NewGameRecord(folder, game, sender);
        if (!fresh) {
            outcome.ok = false;
            return outcome;
        }
        record = *fresh;
    } else {
        // Only what the opponent tells of itself changes; the start
        // position, the address and the stored entries stay ours.
        record = stored->record;
        if (record.GAME_WHITE_NAME.empty())
            record.GAME_WHITE_NAME = game.whiteName;
        if (sender) {
            record.GAME_OPPONENTS_NAME = CleanSenderText(sender->Name, SenderNameLimit);
            if (judgement.verdict == ArrivalVerdict::SenderDiffers)
                record.GAME_OPPONENTS_EMAIL = CleanSenderText(sender->Address, SenderAddressLimit);
        }
    }
    record.GAME_BLACK_NAME = game.blackName;
    record.GAME_OPPONENTS_ID = game.sendersGameId;

    bool newMoves = false;
    if (!Database::SaveGame(folder, record, judgement.moves, &newMoves)) {
        outcome.ok = false;
        return outcome;
    }
    outcome.stored = true;
    outcome.newMoves = newMoves;
    outcome.gameID = record.GAME_ID;
    outcome.gameName = record.GAME_NAME;
    return outcome;
}

ArrivalAction StoreArrivingGame(Transport& t, const ReceivedGame& game,
                                const std::optional<ArrivalSender>& sender, const ArrivalSource& source)
{
    ArrivalOutcome outcome;
    auto merge = [&](bool acceptNewSender) {
        t.Windows.WithDatabase([&] {
            outcome = MergeArrivingGame(t.Folder, game, sender, acceptNewSender);
            if (outcome.ok)
                t.State.ReportedDatabaseDamage.clear();
            if (outcome.stored && outcome.newMoves) {
                t.State.PendingMoveList += std::to_string(outcome.gameID) + ";";
                t.State.NewMovesArrived = true;
            }
        });
    };
    merge(false);
    if (!outcome.ok)
        return ArrivalAction::Failed;
    if (outcome.stored || outcome.verdict == ArrivalVerdict::NothingNew)
        return ArrivalAction::Delete;

    // Told once, asked once: an arrival already told about stays quietly.
    const bool toldBefore = !source.key.empty() && t.State.ToldArrivals.count(source.key) > 0;
    if (toldBefore)
        return ArrivalAction::Keep;
    if (!source.key.empty())
        t.State.ToldArrivals.insert(source.key);
    if (outcome.verdict == ArrivalVerdict::SenderDiffers && sender) {
        // Asked outside the database work, which must not wait on the user.
        if (!AskForNewAddress(t, outcome, CleanSenderText(sender->Address, SenderAddressLimit)))
            return ArrivalAction::Keep;
        merge(true);
        if (!outcome.ok) {
            // Asked again once the database can store it.
            t.State.ToldArrivals.erase(source.key);
            return ArrivalAction::Failed;
        }
        return outcome.stored || outcome.verdict == ArrivalVerdict::NothingNew ? ArrivalAction::Delete
                                                                               : ArrivalAction::Keep;
    }
    TellRefusal(t, outcome, source);
    return ArrivalAction::Keep;
}

} // namespace MailSupport
