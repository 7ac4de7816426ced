#include "store/arrival_merge.h"

#include "store/database.h"

#include <algorithm>
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

// A name as every received name is kept: cleaned and cut.
std::string ReceivedName(const std::string& name)
{
    return CleanSenderText(name, SenderNameLimit);
}

// What the opponent calls himself: a mail's sender name, else the name his
// payload gives his own side (all a move file has); "" when neither says.
std::string OpponentsOwnName(const ReceivedGame& game, const std::optional<ArrivalSender>& sender,
                             bool playerPlaysWhite)
{
    if (sender)
        if (std::string name = ReceivedName(sender->Name); !name.empty())
            return name;
    return ReceivedName(playerPlaysWhite ? game.blackName : game.whiteName);
}

// The record of a new game from what arrived: the opponent's side named as
// he names himself, the player's side as the player's account names him.
std::optional<GameRecord> NewGameRecord(const Database::DataFolder& folder, const ReceivedGame& game,
                                        const std::optional<ArrivalSender>& sender,
                                        const std::function<std::string()>& ownName)
{
    const auto id = Database::GetNextGameID(folder);
    if (!id)
        return std::nullopt;
    const bool playerPlaysWhite = game.receiverIsHost;
    std::string opponent = OpponentsOwnName(game, sender, playerPlaysWhite);
    if (opponent.empty() && !sender)
        opponent = UnknownOpponentName;
    std::string player = ownName ? ReceivedName(ownName()) : std::string();
    if (player.empty())
        player = ReceivedName(playerPlaysWhite ? game.whiteName : game.blackName);
    GameRecord record;
    record.GAME_ID = *id;
    record.GAME_DATESTAMP = game.datestamp;
    record.GAME_NAME = game.name;
    record.GAME_DATE = game.date;
    record.GAME_WHITE_NAME = playerPlaysWhite ? player : opponent;
    record.GAME_BLACK_NAME = playerPlaysWhite ? opponent : player;
    record.GAME_HOST = playerPlaysWhite;
    record.GAME_OPPONENTS_NAME = sender ? opponent : UnknownOpponentName;
    record.GAME_OPPONENTS_EMAIL =
        sender ? CleanSenderText(sender->Address, SenderAddressLimit) : UnknownOpponentAddress;
    record.GAME_OPPONENTS_ID = game.sendersGameId;
    record.startPosition = game.startPosition;
    return record;
}

// A stored game's record after a sound arrival: only what is the
// opponent's changes. A player's side stored without a name takes the
// player's own, never the opponent's word for him.
GameRecord KnownGameRecord(const GameRecord& stored, const ReceivedGame& game,
                           const std::optional<ArrivalSender>& sender, bool newAddress,
                           const std::function<std::string()>& ownName)
{
    GameRecord record = stored;
    const bool playerPlaysWhite = record.GAME_HOST;
    std::string& player = playerPlaysWhite ? record.GAME_WHITE_NAME : record.GAME_BLACK_NAME;
    if (player.empty() && ownName)
        player = ReceivedName(ownName());
    if (const std::string opponent = OpponentsOwnName(game, sender, playerPlaysWhite);
        !opponent.empty()) {
        (playerPlaysWhite ? record.GAME_BLACK_NAME : record.GAME_WHITE_NAME) = opponent;
        // A move file's game keeps the opponent's name it has; only a mail
        // says who sent it.
        if (sender)
            record.GAME_OPPONENTS_NAME = opponent;
    }
    if (sender && newAddress)
        record.GAME_OPPONENTS_EMAIL = CleanSenderText(sender->Address, SenderAddressLimit);
    record.GAME_OPPONENTS_ID = game.sendersGameId;
    return record;
}

// "Your move 5.Bc4", "Your moves 5.Bc4 and 7.Nf3"; a long list is cut short.
std::string PlayersMovesText(const std::vector<std::string>& moves)
{
    constexpr std::size_t Shown = 5;
    std::string text = moves.size() == 1 ? "Your move " : "Your moves ";
    const std::size_t shown = std::min(moves.size(), Shown);
    for (std::size_t i = 0; i < shown; ++i) {
        if (i > 0)
            text += i + 1 == shown && shown == moves.size() ? " and " : ", ";
        text += moves[i];
    }
    if (moves.size() > shown)
        text += " and " + std::to_string(moves.size() - shown) + " more";
    return text;
}

void TellRefusal(const Transport& t, const ArrivalOutcome& outcome, const ArrivalSource& source)
{
    const std::string claimed =
        (outcome.known ? "your game \"" : "a new game \"") + outcome.gameName + "\"";
    ShowTransportMessage(t, Support::MsgIcon::Transmission, "Move not accepted",
                         source.what + " claims " + claimed
                             + ", but Marrowdale did not store it because " + outcome.reason
                             + ".||It has been left " + source.keptWhere + ".",
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

bool AskAboutPlayersMoves(const Transport& t, const ArrivalOutcome& outcome, const ArrivalSource& source)
{
    if (!t.Folder.messages)
        return false;
    const bool one = outcome.playersMoves.size() == 1;
    Support::MessageBoxCall call;
    call.icon = Support::MsgIcon::Warning;
    call.caption = one ? "Your own move?" : "Your own moves?";
    call.text = source.what + " for " + (outcome.known ? "your game \"" : "a new game \"")
                + outcome.gameName + "\" carries " + (one ? "a move" : "moves")
                + " of your side that your game does not hold: " + PlayersMovesText(outcome.playersMoves)
                + ".||An opponent sends such moves back when your database lost them (restored "
                  "from an older backup, say).  Did you make "
                + (one ? "this move" : "these moves") + " yourself?  If you answer No, it stays "
                + source.keptWhere + " and Marrowdale will not ask about it again.";
    call.okCaption = "Yes";
    call.cancelCaption = "No";
    call.sound = Support::SoundCue::Information;
    return t.Folder.messages->ShowMessage(call);
}

} // namespace

ArrivalOutcome MergeArrivingGame(const Database::DataFolder& folder, const ReceivedGame& game,
                                 const std::optional<ArrivalSender>& sender,
                                 const ArrivalConsent& consent,
                                 const std::function<std::string()>& ownName)
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
    for (const int entry : judgement.playersEntries)
        outcome.playersMoves.push_back(EntryText(judgement.moves[entry - 1], entry));
    const bool sound = judgement.verdict == ArrivalVerdict::NewGame
                       || judgement.verdict == ArrivalVerdict::Extends
                       || (judgement.verdict == ArrivalVerdict::SenderDiffers && consent.newSender);
    if (!sound || (!judgement.playersEntries.empty() && !consent.playersMoves))
        return outcome;

    GameRecord record;
    if (!stored) {
        const auto fresh = NewGameRecord(folder, game, sender, ownName);
        if (!fresh) {
            outcome.ok = false;
            return outcome;
        }
        record = *fresh;
    } else {
        record = KnownGameRecord(stored->record, game, sender,
                                 judgement.verdict == ArrivalVerdict::SenderDiffers, ownName);
    }

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
    auto merge = [&](const ArrivalConsent& consent) {
        t.Windows.WithDatabase([&] {
            outcome = MergeArrivingGame(t.Folder, game, sender, consent, t.OwnName);
            if (outcome.ok)
                t.State.ReportedDatabaseDamage.clear();
            if (outcome.stored && outcome.newMoves) {
                t.State.PendingMoveList += std::to_string(outcome.gameID) + ";";
                t.State.NewMovesArrived = true;
            }
        });
    };
    merge({});
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
    if (outcome.verdict == ArrivalVerdict::Refused) {
        TellRefusal(t, outcome, source);
        return ArrivalAction::Keep;
    }
    // Asked outside the database work, which must not wait on the user.
    ArrivalConsent consent;
    if (outcome.verdict == ArrivalVerdict::SenderDiffers && sender) {
        if (!AskForNewAddress(t, outcome, CleanSenderText(sender->Address, SenderAddressLimit)))
            return ArrivalAction::Keep;
        consent.newSender = true;
    }
    if (!outcome.playersMoves.empty()) {
        if (!AskAboutPlayersMoves(t, outcome, source))
            return ArrivalAction::Keep;
        consent.playersMoves = true;
    }
    merge(consent);
    if (!outcome.ok) {
        // Asked again once the database can store it.
        t.State.ToldArrivals.erase(source.key);
        return ArrivalAction::Failed;
    }
    return outcome.stored || outcome.verdict == ArrivalVerdict::NothingNew ? ArrivalAction::Delete
                                                                           : ArrivalAction::Keep;
}

} // namespace MailSupport
