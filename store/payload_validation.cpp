#include "store/payload_validation.h"

#include "rules/setup_rules.h"
#include "store/move_payload.h"
#include "store/text_values.h"

#include <limits>
#include <stdexcept>

namespace MailSupport {
namespace {

using Database::CharacterCount;
using Database::FieldAt;
using Database::FieldCount;

bool IsDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

bool IsWholeNumber(std::string_view text)
{
    return Database::ParseInt32(text).has_value();
}

// Each character of a four-character number is read as a digit of its
// own; a sign or a blank around the number cannot be, and that breaks the
// check itself rather than failing it.
bool IsCoordinates(std::string_view text)
{
    if (text == "0000")
        return true;
    if (text.size() != 4 || !IsWholeNumber(text))
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            throw std::invalid_argument("coordinates character is not a digit");
        if (c < '1' || c > '8')
            return false;
    }
    return true;
}

// A start position a peer's set-up mode could have produced: the standard
// start, or eight groups of piece codes on which the set-up rules hold.
bool IsStartPosition(std::string_view position)
{
    if (position.empty())
        return true;
    if (FieldCount(position, ';') != 8)
        return false;
    bool allEmpty = true;
    bool allGroups = true;
    for (int g = 1; g <= 8; ++g) {
        const auto group = FieldAt(position, g, ';');
        allEmpty = allEmpty && group.empty();
        allGroups = allGroups && IsPositionGroup(group);
    }
    if (allEmpty)
        return true;
    if (!allGroups)
        return false;
    const auto squares = BoardSupport::ParsePositionString(position);
    return squares && BoardSupport::CheckSetupPosition(*squares) == BoardSupport::SetupRefusal::None;
}

bool MovesAreSound(const PayloadFields& field, int n)
{
    for (int k = 10; k <= n - 3; k += 4) {
        if (!IsWholeNumber(field(k)) || !IsCoordinates(field(k + 1)) || CharacterCount(field(k + 2)) > 15
            || CharacterCount(field(k + 3)) > 200)
            return false;
    }
    return true;
}

int FirstFailingStep(const PayloadFields& field)
{
    const int n = field.Count();
    if (n < 11)
        return 1;
    if (!field(1).empty() && !IsWholeNumber(field(1)))
        return 2;
    if (!IsWholeNumber(field(2)))
        return 3;
    if (CharacterCount(field(3)) != 12 || !IsDigits(field(3)))
        return 4;
    if (CharacterCount(field(4)) > 50)
        return 5;
    if (CharacterCount(field(5)) != 10
        || Database::ParseWholeNumber(field(5), INT64_MIN / 2, INT64_MAX / 2)
        || !Database::ParseDayMonthYear(field(5)))
        return 6;
    if (CharacterCount(field(6)) > 50)
        return 7;
    if (CharacterCount(field(7)) > 50)
        return 8;
    if (field(8) != "True" && field(8) != "False")
        return 9;
    if (!IsStartPosition(field(9)))
        return 10;
    if ((n - 9) % 4 != 0)
        return 11;
    if (!MovesAreSound(field, n))
        return 12;
    return 0;
}

} // namespace

bool IsPositionGroup(std::string_view group)
{
    if (group.size() != 16 || !IsDigits(group))
        return false;
    for (std::size_t i = 0; i < 16; i += 2)
        if ((group[i] - '0') * 10 + (group[i + 1] - '0') > 12)
            return false;
    return true;
}

PayloadFields::PayloadFields(std::string_view payload)
{
    count_ = FieldCount(payload, '|');
    fields_.reserve(static_cast<std::size_t>(count_));
    for (std::size_t start = 0; static_cast<int>(fields_.size()) < count_;) {
        const auto end = payload.find('|', start);
        fields_.push_back(CleanPayloadText(payload.substr(start, end - start)));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
}

const std::string& PayloadFields::operator()(int k) const
{
    static const std::string none;
    return k >= 1 && k <= static_cast<int>(fields_.size()) ? fields_[static_cast<std::size_t>(k - 1)]
                                                           : none;
}

PayloadVerdict CheckMovePayload(const PayloadFields& fields)
{
    PayloadVerdict verdict;
    try {
        verdict.failedStep = FirstFailingStep(fields);
    } catch (const std::exception&) {
        verdict.checkError = true;
    }
    return verdict;
}

PayloadVerdict CheckMovePayload(std::string_view payload)
{
    return CheckMovePayload(PayloadFields(payload));
}

bool ValidateMovePayload(std::string_view payload, bool fromFile, Support::MessageSink* messages)
{
    const PayloadVerdict verdict = CheckMovePayload(payload);
    if (verdict.Passed())
        return true;
    if (!messages)
        return false;
    Support::MessageBoxCall call;
    call.icon = Support::MsgIcon::Transmission;
    call.sound = Support::SoundCue::Information;
    if (verdict.checkError) {
        call.caption = "Move email validation error";
        call.text =
            fromFile
                ? "An error occured while trying to validate the contents of the file you selected for import.  "
                  "Please ensure this file is a valid Marrowdale chess move."
                : "An error occured while trying to validate the contents of what Marrowdale assumed was a chess "
                  "move email.";
    } else {
        call.caption = "Message retrival error";
        call.text =
            std::string(
                fromFile
                    ? "The file you selected failed validation."
                    : "Marrowdale found what appeared to be a chess move email, but which failed validation.")
            + "||If it is a corrupt chess move email, get your opponent to re-send there last move.  "
              "Validation progress : "
            + std::to_string(verdict.failedStep) + ".";
    }
    messages->ShowMessage(call);
    return false;
}

} // namespace MailSupport
