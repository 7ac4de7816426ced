#include "store/mail_support.h"

#include "store/arrival_merge.h"
#include "store/backup.h"
#include "store/database.h"
#include "store/database_damage.h"
#include "store/move_files.h"
#include "store/own_payload.h"
#include "store/payload_validation.h"
#include "store/text_values.h"

#include <exception>
#include <stdexcept>

namespace MailSupport {
namespace {

constexpr const char* StatusLoggingOn = "Logging on...";
constexpr const char* StatusRetrieving = "Retrieving games...";
constexpr const char* StatusQuitting = "Quiting Marrowdale...";

void ShowLogonCrashed(const Transport& t)
{
    ShowTransportMessage(
        t, Support::MsgIcon::Warning, "Email logon failer",
        "As some point in the past Marrowdale crashed while trying to connect to your email "
        "system.  You are now working off-line and will remain so until you choose Logon / "
        "Retrieve games from the system tray menu and successfully connect to your email "
        "client.",
        "Ok", Support::SoundCue::Refused);
}

void ShowSignOnFailure(const Transport& t)
{
    ShowTransportMessage(t, Support::MsgIcon::Transmission, "Network error.",
                         "Marrowdale failed to connect to your mail service.||Please ensure you "
                         "are logged onto a network and running an email client.  Marrowdale is "
                         "now running Offline.",
                         "Ok", Support::SoundCue::Refused);
}

void ShowSaveFailure(const Transport& t)
{
    ShowTransportMessage(t, Support::MsgIcon::Transmission, "Network error",
                         "An error occured trying to save the game information to the "
                         "database.||Please select Retrieve games... from the File menu and try "
                         "again.",
                         "OK", Support::SoundCue::Refused);
}

void ShowRetrieveFailure(const Transport& t)
{
    ShowTransportMessage(t, Support::MsgIcon::Transmission, "Network error",
                         "An error occured trying to retrieve some or all of the game information "
                         "from your Inbox.||Please select Retrieve games... from the File menu "
                         "and try again.",
                         "OK", Support::SoundCue::Refused);
}

void ShowTooLargeMail(const Transport& t, const InboxMessage& message)
{
    ShowTransportMessage(t, Support::MsgIcon::Transmission, "Game retrieval",
                         "A move mail from " + CleanSenderText(message.SenderAddress, SenderAddressLimit)
                             + " is larger than any game, so Marrowdale left it in your Inbox.",
                         "OK", Support::SoundCue::Refused);
}

void ShowTransmissionFailure(const Transport& t)
{
    ShowTransportMessage(t, Support::MsgIcon::Transmission, "Transmission error.",
                         "Marrowdale was unable to send your chess move.||Please re-open the game "
                         "and re-send it.",
                         "OK", Support::SoundCue::Refused);
}

// Signs on again after the server dropped an idle connection.
bool Reconnect(Transport& t)
{
    t.Mail.SignOff();
    t.Logon.SetLogonStatus(true);
    const bool ok = t.Mail.SignOn();
    t.Logon.SetLogonStatus(false);
    return ok;
}

} // namespace

void ShowTransportMessage(const Transport& t, Support::MsgIcon icon, const std::string& caption,
                          const std::string& text, const std::string& button, Support::SoundCue sound)
{
    if (!t.Folder.messages)
        return;
    Support::MessageBoxCall call;
    call.icon = icon;
    call.caption = caption;
    call.text = text;
    call.okCaption = button;
    call.sound = sound;
    t.Folder.messages->ShowMessage(call);
}

std::string CleanSenderText(const std::string& text, std::size_t limit)
{
    const std::string clean(Database::TrimBlanks(CleanPayloadText(text)));
    return std::string(Database::TrimBlanks(Database::FirstCharacters(clean, limit)));
}

bool TellDatabaseDamage(Transport& t, bool onlyOnce)
{
    const auto damage = Database::FindDatabaseDamage(t.Folder);
    if (!damage)
        return false;
    const Support::MessageBoxCall call = Database::DatabaseDamageMessage(*damage);
    if (onlyOnce && t.State.ReportedDatabaseDamage == call.text)
        return true;
    t.State.ReportedDatabaseDamage = call.text;
    if (t.Folder.messages)
        t.Folder.messages->ShowMessage(call);
    return true;
}

void StartPass(Transport& t)
{
    t.Windows.WithDatabase([&t] {
        t.State.PendingMoveList.clear();
        t.State.NewMovesArrived = false;
    });
}

void EndPass(Transport& t)
{
    t.Windows.WithDatabase([&t] { Database::BackupDatabase(t.Folder, false); });
    t.Windows.PopulateTrayGameMenu();
}

bool ComposeMoveText(const Database::DataFolder& folder, std::int32_t gameID, GameRecord& record,
                     MoveList& moves, std::string& text)
{
    Database::FoundGame found = Database::FindGame(folder, gameID);
    if (!found.ok || !found.game)
        return false;
    record = std::move(*found.game);
    if (!Database::LoadGameMoves(folder, moves, gameID))
        return false;
    text = MoveMailText(record, moves);
    // What the opponent's program will check, checked here first: a game
    // it would refuse must not leave as if it had been sent.
    return CheckMovePayload(Support::ExtractMovePayload(text)).Passed();
}

bool DeliverMoveText(Transport& t, std::int32_t gameID, const MoveTextDelivery& deliver)
{
    try {
        GameRecord record;
        MoveList moves;
        std::string text;
        if (!ComposeMoveText(t.Folder, gameID, record, moves, text) || !deliver(record, moves, text)) {
            ShowTransmissionFailure(t);
            return false;
        }
    } catch (const std::exception&) {
        ShowTransmissionFailure(t);
        return false;
    }
    t.Windows.WithDatabase([&t] { Database::BackupDatabase(t.Folder, false); });
    return true;
}

void SignOn(Transport& t, bool showStatus)
{
    t.State.MailOffline = true;
    // Stand-alone games travel as move files: the program neither signs on
    // nor asks for a mail account, whatever account is stored.
    if (t.State.StandAloneMode)
        return;
    if (t.Logon.GetLogonStatus()) {
        // A caller's "Logging on..." goes before the report.
        if (showStatus)
            t.Windows.ShowStatus(false, "");
        ShowLogonCrashed(t);
        return;
    }
    if (t.Mail.IsSignedOn()) {
        t.State.MailOffline = false;
        return;
    }
    bool failed = false;
    if (!t.State.NoNetwork) {
        if (showStatus)
            t.Windows.ShowStatus(true, StatusLoggingOn);
        // The mark outlives only a sign-on that never came back.
        t.Logon.SetLogonStatus(true);
        const bool signedOn = t.Mail.SignOn();
        t.Logon.SetLogonStatus(false);
        if (signedOn)
            t.State.MailOffline = false;
        else
            failed = showStatus && !t.Mail.Cancelled();
    }
    // The status window goes before the failure shows.
    if (showStatus)
        t.Windows.ShowStatus(false, "");
    if (failed)
        ShowSignOnFailure(t);
}

void SignOff(Transport& t, bool showStatus)
{
    if (showStatus)
        t.Windows.ShowStatus(true, StatusQuitting);
    t.Mail.SignOff();
    if (showStatus)
        t.Windows.ShowStatus(false, "");
}

void ConnectAndRetrieve(Transport& t, bool importFile, bool showStatus, bool fetchAll)
{
    SignOn(t, showStatus);
    if (importFile)
        ImportMoveFiles(t, showStatus, true);
    else if (!t.State.MailOffline)
        RetrieveMoveMails(t, showStatus, fetchAll);
    else if (t.State.StandAloneMode)
        ImportMoveFiles(t, showStatus, false);
}

bool SendMoveMail(Transport& t, std::int32_t gameID)
{
    return DeliverMoveText(
        t, gameID, [&t](const GameRecord& record, const MoveList& moves, const std::string& text) {
            OutgoingMail mail;
            mail.RecipientAddress = record.GAME_OPPONENTS_EMAIL;
            mail.RecipientName = record.GAME_HOST ? record.GAME_BLACK_NAME : record.GAME_WHITE_NAME;
            mail.Subject = MoveMailSubject(moves.back());
            mail.Body = text;
            return t.Mail.Send(mail);
        });
}

void RetrieveMoveMails(Transport& t, bool showStatus, bool fetchAll)
{
    if (showStatus)
        t.Windows.ShowStatus(true, StatusRetrieving);
    const InboxScope scope = fetchAll ? InboxScope::All : InboxScope::UnreadOnly;
    std::vector<InboxMessage> inbox;
    // Servers close idle connections; only a second failure means off-line
    // (the user's Cancel at once).
    if (!t.Mail.ListInbox(scope, inbox)
        && (t.Mail.Cancelled() || !Reconnect(t) || !t.Mail.ListInbox(scope, inbox))) {
        t.State.MailOffline = true;
        if (showStatus)
            t.Windows.ShowStatus(false, "");
        return;
    }
    StartPass(t);
    std::set<std::string>& handled = t.State.HandledMails;
    try {
        bool unreadableReported = false;
        for (const InboxMessage& message : inbox) {
            const bool seenBefore = handled.count(message.Id) > 0;
            if (!fetchAll && seenBefore)
                continue;
            if (!IsMoveMailSubject(message.Subject)) {
                handled.insert(message.Id);
                continue;
            }
            if (message.TooLarge) {
                // Never fetched; told once, as polling passes over it.
                if (!seenBefore)
                    ShowTooLargeMail(t, message);
                handled.insert(message.Id);
                continue;
            }
            std::string body;
            if (!t.Mail.ReadBody(message.Id, body)) {
                // A lost connection ends the pass with this mail and the
                // rest unmarked; a mail that cannot be read is told about
                // once and passed over.
                if (!t.Mail.IsSignedOn())
                    throw std::runtime_error(t.Mail.LastError());
                if (!seenBefore && !unreadableReported)
                    ShowRetrieveFailure(t);
                unreadableReported = unreadableReported || !seenBefore;
                handled.insert(message.Id);
                continue;
            }
            const std::string payload = Support::ExtractMovePayload(body);
            const bool valid = ValidateMovePayload(payload, false, t.Folder.messages);
            const auto game = valid ? ReadMovePayload(payload) : std::nullopt;
            if (!game) {
                // Left in the inbox; polling does not report it again.
                handled.insert(message.Id);
                continue;
            }
            if (SentByThisCopy(t, *game)) {
                // Our own move to a player who shares this inbox: it stays
                // there for the other copy.
                handled.insert(message.Id);
                continue;
            }
            const ArrivalSender sender{message.SenderName, message.SenderAddress};
            const ArrivalSource source{"mail:" + message.Id,
                                       "A move mail from "
                                           + CleanSenderText(message.SenderAddress, SenderAddressLimit),
                                       "in your Inbox"};
            const ArrivalAction action = StoreArrivingGame(t, *game, sender, source);
            if (action == ArrivalAction::Failed) {
                // The mail stays in the inbox for the next pass; the
                // pass's status window goes before its report shows.
                if (showStatus)
                    t.Windows.ShowStatus(false, "");
                if (!TellDatabaseDamage(t, true))
                    ShowSaveFailure(t);
                return;
            }
            if (action == ArrivalAction::Keep) {
                // Refused: it stays, and polling passes over it.
                handled.insert(message.Id);
                continue;
            }
            if (!t.Mail.Delete(message.Id))
                throw std::runtime_error(t.Mail.LastError());
            handled.insert(message.Id);
        }
        EndPass(t);
    } catch (const std::exception&) {
        if (showStatus)
            t.Windows.ShowStatus(false, "");
        // Cancelled half-way: what is not merged stays in the inbox, unmarked,
        // for the next pass; the user asked for no report.
        if (t.Mail.Cancelled())
            t.State.MailOffline = true;
        else
            ShowRetrieveFailure(t);
        return;
    }
    if (showStatus)
        t.Windows.ShowStatus(false, "");
}

} // namespace MailSupport
