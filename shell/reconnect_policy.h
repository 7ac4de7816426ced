#pragma once
// When the program tries by itself to get back on-line: after a sign-on
// or a connection that failed, each poll tick tries once, quietly (no log-on
// dialog, no message: the failure that began the outage was told already,
// or the tray icon shows it). Never when the user chose to work off-line
// (cancelled the log-on dialog), started without the network, works with
// move files, or when the last run's sign-on never came back (the user
// decides that one with "Logon / Retrieve games").

#include "store/mail_support.h"

namespace SysTraySupport {

class ReconnectPolicy {
public:
    // logonMarkSet: a sign-on of an earlier run never came back;
    // userDeclined: the last sign-on ended with the log-on dialog cancelled.
    bool TryOnTick(const MailSupport::MailState& mail, bool logonMarkSet, bool userDeclined) const
    {
        return mail.MailOffline && !mail.NoNetwork && !mail.StandAloneMode && !logonMarkSet
               && !userDeclined;
    }
};

} // namespace SysTraySupport
