#pragma once
// Moving games between the two players through the mail: signing on (with a
// guard against a sign-on that once hung or crashed the program), sending
// the stored game as a move mail, and the retrieval pass that merges every
// arriving game into the database and queues it for the notification.
//
// Nothing here reads a program-wide variable or opens a window: the state it
// changes, the mail service, the crash-guard setting and the few window
// calls are handed in through a Transport.

#include "store/data_folder.h"
#include "store/mail_service.h"
#include "store/move_payload.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>

namespace MailSupport {

// The "LogonStatus" setting: true while a sign-on is under way, and still
// true at the next start when that sign-on never came back.
class LogonGuard {
public:
    virtual ~LogonGuard() = default;
    virtual bool GetLogonStatus() = 0;
    virtual void SetLogonStatus(bool status) = 0;
};

// What the transport asks of the windows.
class TransportWindows {
public:
    virtual ~TransportWindows() = default;
    // The status window: shown with the text, or hidden (text ignored).
    virtual void ShowStatus(bool visible, const std::string& text) = 0;
    // Rebuilds the tray's menu of games after games arrived.
    virtual void PopulateTrayGameMenu() = 0;
    // Runs work on the game database and the pending moves where the
    // windows do theirs, so that the two never change them at once.
    virtual void WithDatabase(const std::function<void()>& work) { work(); }
};

// The file chooser in its import mode: the picked file's full path, or ""
// when the user cancelled.
class MoveFileChooser {
public:
    virtual ~MoveFileChooser() = default;
    virtual std::string PickMoveFile() = 0;
};

// The program's mail state, held once for the run: the transport works on
// it directly and the windows read it between mail operations.
struct MailState {
    // No mail connection is available.
    bool MailOffline = true;
    // Never sign on ("-nonetwork").
    bool NoNetwork = false;
    // Games travel as move files ("-testingmode").
    bool StandAloneMode = false;
    // Ids of the games whose new move arrived in the last pass and is not
    // yet shown, each followed by ";".
    std::string PendingMoveList;
    // The last pass added something to PendingMoveList.
    bool NewMovesArrived = false;
    // Mails of the inbox this run has dealt with: merged, found not to be
    // a move mail, or reported as broken or unreadable. The polling pass
    // passes over them; a pass that fails part-way leaves the rest
    // unmarked, so the next pass brings them again.
    std::set<std::string> HandledMails;
    // Move files an automatic pass of this run found invalid and reported,
    // so that the polling does not report them again while they stay as
    // they are.
    std::set<std::string> ReportedMoveFiles;
    // Arrivals (mails by id, move files by name and version) this run has
    // told the user it refused or asked about: told once, asked once.
    std::set<std::string> ToldArrivals;
    // The damage of the game database last reported, so that the polling
    // says it once and not at every pass; cleared once a game is stored.
    std::string ReportedDatabaseDamage;
};

struct Transport {
    MailService& Mail;
    // The data folder with the game database; its message sink is the
    // program's message box.
    Database::DataFolder Folder;
    MailState& State;
    LogonGuard& Logon;
    TransportWindows& Windows;
    // Only the import of a picked move file needs it.
    MoveFileChooser* Chooser = nullptr;
    // The player's own name as the mail account gives it, stored as the
    // player's side of a game that arrives new; without it the name the
    // payload gives that side is kept. Asked during the database work.
    std::function<std::string()> OwnName = {};
};

// Opens the mail connection if it can; MailOffline tells the outcome.
void SignOn(Transport& t, bool showStatus);
// Closes it; never fails.
void SignOff(Transport& t, bool showStatus);
// Signs on, then imports a picked move file (importFile), or runs a
// retrieval pass when on-line, or an import pass of the data folder's move
// files in stand-alone mode.
void ConnectAndRetrieve(Transport& t, bool importFile, bool showStatus, bool fetchAll);
// Sends the stored game to its opponent; false (after telling the user)
// when it could not be sent.
bool SendMoveMail(Transport& t, std::int32_t gameID);
// One retrieval pass: every move mail of the inbox (fetchAll) or the
// unread ones only, merged, queued and deleted.
void RetrieveMoveMails(Transport& t, bool showStatus, bool fetchAll);

// Who sent an arriving game; a move file has no sender.
struct ArrivalSender {
    std::string Name;
    std::string Address;
};

// The longest sender name and address kept: a name travels back to the
// opponent as a payload field, an address is as long as mail allows.
inline constexpr std::size_t SenderNameLimit = 50;
inline constexpr std::size_t SenderAddressLimit = 254;

// A sender's name or address made fit to store: cleaned like every stored
// field and cut (never inside a character) to at most `limit` characters.
std::string CleanSenderText(const std::string& text, std::size_t limit);

// What a move file stores where a mail would name its sender.
inline constexpr const char* UnknownOpponentName = "Unknown";
inline constexpr const char* UnknownOpponentAddress = "unknown@move-file.invalid";

// The start of a retrieval or import pass (no pending moves yet) and its
// good end (a backup, the games menu rebuilt).
void StartPass(Transport& t);
void EndPass(Transport& t);

// After an arriving game could not be stored: when the database is damaged,
// says which file and what to do (unless `onlyOnce` and this damage was
// already told) and gives true; false for any other failure, which the
// caller tells in its own words.
bool TellDatabaseDamage(Transport& t, bool onlyOnce);

// Shows one of the transport's messages through the folder's sink.
void ShowTransportMessage(const Transport& t, Support::MsgIcon icon, const std::string& caption,
                          const std::string& text, const std::string& button, Support::SoundCue sound);

// The move text of a stored game as the opponent will receive it: false
// when the game cannot be loaded or its payload would fail the opponent's
// validation.
bool ComposeMoveText(const Database::DataFolder& folder, std::int32_t gameID, GameRecord& record,
                     MoveList& moves, std::string& text);

// Hands the stored game, its moves and their move text to `deliver` (a
// mail, a move file), then backs the database up. False (after telling the
// user) when the text cannot be composed or `deliver` fails or throws.
using MoveTextDelivery =
    std::function<bool(const GameRecord& record, const MoveList& moves, const std::string& text)>;
bool DeliverMoveText(Transport& t, std::int32_t gameID, const MoveTextDelivery& deliver);

} // namespace MailSupport
