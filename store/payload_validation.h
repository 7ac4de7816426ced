#pragma once
// The twelve checks a received payload passes before it may touch the
// database. They run in a fixed order and stop at the first that fails;
// the user is told the number of that step, so the order is part of what
// the two players' programs share.

#include "store/message_sink.h"

#include <string>
#include <string_view>
#include <vector>

namespace MailSupport {

// A payload as read, split once at "|", every field as it would be stored:
// cleaned like every stored text, so that what the checks pass is what the
// database keeps and the reply sends back. Fields are counted as
// CountFields counts them (at most 32767; later ones are not kept).
class PayloadFields {
public:
    explicit PayloadFields(std::string_view payload);

    int Count() const { return count_; }
    // Field k, 1-based; "" past the end.
    const std::string& operator()(int k) const;

private:
    std::vector<std::string> fields_;
    int count_ = 0;
};

struct PayloadVerdict {
    int failedStep = 0;      // 1..12, 0 when every step passed
    bool checkError = false; // the checks themselves broke down

    bool Passed() const { return failedStep == 0 && !checkError; }
};

// The checks alone, without telling anyone.
PayloadVerdict CheckMovePayload(const PayloadFields& fields);
PayloadVerdict CheckMovePayload(std::string_view payload);

// True when the payload passes; otherwise the user has been told, in the
// wording for a picked file when `fromFile` is set, else for a mail.
bool ValidateMovePayload(std::string_view payload, bool fromFile, Support::MessageSink* messages);

// A position group as a payload may carry it: sixteen digits forming eight
// piece codes 00 to 12.
bool IsPositionGroup(std::string_view group);

} // namespace MailSupport
