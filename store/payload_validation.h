#pragma once
// The twelve checks a received payload passes before it may touch the
// database. They run in a fixed order and stop at the first that fails;
// the user is told the number of that step, so the order is part of what
// the two players' programs share.

#include "store/message_sink.h"

#include <string_view>

namespace MailSupport {

struct PayloadVerdict {
    int failedStep = 0;       // 1..12, 0 when every step passed
    bool checkError = false;  // the checks themselves broke down

    bool Passed() const { return failedStep == 0 && !checkError; }
};

// The checks alone, without telling anyone.
PayloadVerdict CheckMovePayload(std::string_view payload);

// True when the payload passes; otherwise the user has been told, in the
// wording for a picked file when `fromFile` is set, else for a mail.
bool ValidateMovePayload(std::string_view payload, bool fromFile, Support::MessageSink* messages);

// A position group as a payload may carry it: sixteen digits forming eight
// piece codes 00 to 12.
bool IsPositionGroup(std::string_view group);

} // namespace MailSupport
