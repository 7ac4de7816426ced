// The twelve payload checks, each row a payload changed in one place and
// the step that must stop it.

#include "rules/position.h"
#include "store/field_list.h"
#include "store/payload_validation.h"
#include "store_test_support.h"

#include <initializer_list>
#include <utility>

using namespace MailSupport;
using namespace StoreTest;

namespace {

const std::string kValid =
    "7|1|150320241030|Friendly game|15/03/2024|Alice|Bob|False|;;;;;;;|1|5254|e4||2|5755|e5|Your move";
const std::string kStart =
    "0102030405030201;0606060606060606;0000000000000000;0000000000000000;0000000000000000;"
    "0000000000000000;1212121212121212;0708091011090807";

std::vector<std::string> Fields(const std::string& payload)
{
    std::vector<std::string> fields;
    for (int i = 1; i <= Support::CountFields(payload, "|"); ++i)
        fields.push_back(Support::GetField(payload, i, "|"));
    return fields;
}

std::string Join(const std::vector<std::string>& fields)
{
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i)
        text += (i ? "|" : "") + fields[i];
    return text;
}

// The first n fields of kValid.
std::string FirstFields(std::size_t n)
{
    auto fields = Fields(kValid);
    fields.resize(n);
    return Join(fields);
}

// kValid with field `k` (1-based) replaced.
std::string With(int k, const std::string& value)
{
    return PayloadWith(kValid, static_cast<std::size_t>(k), value);
}

std::string Repeat(const std::string& text, int times)
{
    std::string repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

// A position string of the pieces ("e1", piece code) on an empty board.
std::string PositionOf(std::initializer_list<std::pair<const char*, int>> pieces)
{
    BoardSupport::BoardSquares squares;
    for (const auto& [square, code] : pieces)
        squares.Set(square[0] - 'a' + 1, square[1] - '0', code);
    return BoardSupport::FormatPositionString(squares);
}

} // namespace

TEST(PayloadValidation, MutationsFailAtTheirStep)
{
    struct Row {
        const char* what;
        std::string payload;
        int step;
    };
    const Row rows[] = {
        {"the valid payload", kValid, 0},
        {"empty", "", 1},
        {"ten fields", FirstFields(10), 1},
        {"receiver's id blank", With(1, ""), 0},
        {"receiver's id 0", With(1, "0"), 0},
        {"receiver's id text", With(1, "abc"), 2},
        {"receiver's id 1E10", With(1, "1E10"), 2},
        {"receiver's id beyond 32 bits", With(1, "4294967296"), 2},
        {"receiver's id a fraction", With(1, "1.5"), 2},
        {"sender's id blank", With(2, ""), 3},
        {"sender's id 1E10", With(2, "1E10"), 3},
        {"datestamp of 13 characters", With(3, "1503202410301"), 4},
        {"datestamp of 11 characters", With(3, "15032024103"), 4},
        {"datestamp with a blank", With(3, " 15032024103"), 4},
        {"datestamp with a letter", With(3, "15032024103a"), 4},
        {"name of 50", With(4, std::string(50, 'n')), 0},
        {"name of 51", With(4, std::string(51, 'n')), 5},
        {"date without leading zeros", With(5, "1/3/2024"), 6},
        {"date that does not exist", With(5, "31/02/2024"), 6},
        {"date of ten digits", With(5, "1503202410"), 6},
        {"leap day", With(5, "29/02/2024"), 0},
        {"White's name of 50", With(6, std::string(50, 'w')), 0},
        {"White's name of 51", With(6, std::string(51, 'w')), 7},
        {"Black's name of 51", With(7, std::string(51, 'b')), 8},
        {"host flag in lower case", With(8, "true"), 9},
        {"host flag True", With(8, "True"), 0},
        {"host flag -1", With(8, "-1"), 9},
        {"position empty", With(9, ""), 0},
        {"position the standard start", With(9, kStart), 0},
        {"position group of 15 digits", With(9, kStart.substr(1)), 10},
        {"position group with piece code 13", With(9, "13" + kStart.substr(2)), 10},
        {"position group of letters", With(9, "abcdefghijklmnop" + kStart.substr(16)), 10},
        {"position of seven groups", With(9, kStart.substr(17)), 10},
        {"position partly empty", With(9, ";;;;;;;" + kStart.substr(kStart.rfind(';') + 1)), 10},
        {"one field too many", kValid + "|", 11},
        {"twelve fields", FirstFields(12), 11},
        {"coordinates 0000", With(11, "0000"), 0},
        {"coordinates 1288", With(11, "1288"), 0},
        {"coordinates 0120", With(11, "0120"), 12},
        {"coordinates 1289", With(11, "1289"), 12},
        {"coordinates 12.5", With(15, "12.5"), 12},
        {"coordinates of 3 digits", With(15, "123"), 12},
        {"move number text", With(14, "two"), 12},
        {"move number 1E10", With(10, "1E10"), 12},
        {"notation of 15", With(12, std::string(15, 'x')), 0},
        {"notation of 16", With(12, std::string(16, 'x')), 12},
        {"comment of 200", With(17, std::string(200, 'c')), 0},
        {"comment of 201", With(17, std::string(201, 'c')), 12},
        {"first comment of 201", With(13, std::string(201, 'c')), 12},
        // Lengths count characters, not the bytes that carry them.
        {"name of 50 Cyrillic letters", With(4, Repeat("\xD0\x96", 50)), 0},
        {"name of 51 Cyrillic letters", With(4, Repeat("\xD0\x96", 51)), 5},
        {"White's name of 50 \xC3\xA9", With(6, Repeat("\xC3\xA9", 50)), 0},
        {"Black's name of 51 \xC3\xA9", With(7, Repeat("\xC3\xA9", 51)), 8},
        {"notation of 15 \xC3\xA9", With(12, Repeat("\xC3\xA9", 15)), 0},
        {"comment of 200 \xC3\xA9", With(17, Repeat("\xC3\xA9", 200)), 0},
        {"comment of 201 \xC3\xA9", With(17, Repeat("\xC3\xA9", 201)), 12},
        {"comment of 200 four-byte characters", With(17, Repeat("\xF0\x9F\x98\x80", 200)), 0},
        // Fields are checked as they will be stored: without control characters.
        {"date behind a tab, stored one digit short", With(5, "\t1/03/2024"), 6},
        {"date behind a tab", With(5, "\t01/03/2024"), 0},
        {"datestamp behind a tab", With(3, "\t150320241030"), 0},
        {"name of 50 and a control character", With(4, std::string(50, 'n') + "\x01"), 0},
        {"coordinates behind a tab", With(11, "\t5254"), 0},
        // Start positions a set-up could never have produced.
        {"set-up with a king each", With(9, PositionOf({{"e1", 5}, {"e8", 11}, {"a2", 6}})), 0},
        {"set-up with White in check", With(9, PositionOf({{"e1", 5}, {"e5", 10}, {"e8", 11}})), 0},
        {"two White kings", With(9, PositionOf({{"e1", 5}, {"a1", 5}, {"e8", 11}})), 10},
        {"no Black king", With(9, PositionOf({{"e1", 5}, {"d8", 10}})), 10},
        {"no kings", With(9, PositionOf({{"d1", 4}, {"d8", 10}})), 10},
        {"White pawn on row 8", With(9, PositionOf({{"e1", 5}, {"e6", 11}, {"a8", 6}})), 10},
        {"Black pawn on row 1", With(9, PositionOf({{"e3", 5}, {"e8", 11}, {"h1", 12}})), 10},
        {"Black in check with White to move", With(9, PositionOf({{"e1", 5}, {"e5", 4}, {"e8", 11}})),
         10},
    };
    for (const auto& row : rows) {
        const auto verdict = CheckMovePayload(row.payload);
        EXPECT_EQ(verdict.failedStep, row.step) << row.what << ": " << row.payload;
        EXPECT_FALSE(verdict.checkError) << row.what;
    }
}

TEST(PayloadValidation, TellsTheUserWhichStepFailed)
{
    RecordingSink sink;
    EXPECT_TRUE(ValidateMovePayload(kValid, false, &sink));
    EXPECT_TRUE(sink.boxes.empty());

    EXPECT_FALSE(ValidateMovePayload(With(5, "1/3/2024"), false, &sink));
    EXPECT_FALSE(ValidateMovePayload(With(8, "true"), true, &sink));
    ASSERT_EQ(sink.boxes.size(), 2u);
    EXPECT_EQ(
        sink.boxes[0],
        (Support::MessageBoxCall{
            Support::MsgIcon::Transmission, "Message retrival error",
            "Marrowdale found what appeared to be a chess move email, but which failed validation.||"
            "If it is a corrupt chess move email, get your opponent to re-send there last move.  "
            "Validation progress : 6.",
            "OK", "", false, Support::SoundCue::Information}));
    EXPECT_EQ(sink.boxes[1].text,
              "The file you selected failed validation.||If it is a corrupt chess move email, get your "
              "opponent to re-send there last move.  Validation progress : 9.");
    EXPECT_EQ(sink.boxes[1].caption, "Message retrival error");
    EXPECT_EQ(sink.boxes[1].sound, Support::SoundCue::Information);

    EXPECT_FALSE(ValidateMovePayload("", true, nullptr)); // silent without a sink
}

TEST(PayloadValidation, CoordinatesThatBreakTheCheckItself)
{
    // Four characters that read as a whole number, but not each as a digit.
    for (const char* coordinates : {"+123", "-123", " 123", "123 "}) {
        const auto verdict = CheckMovePayload(With(15, coordinates));
        EXPECT_TRUE(verdict.checkError) << coordinates;
        EXPECT_FALSE(verdict.Passed()) << coordinates;
    }
    // An earlier digit out of range fails the step before the sign is reached.
    EXPECT_EQ(CheckMovePayload(With(15, "912 ")).failedStep, 12);
    EXPECT_FALSE(CheckMovePayload(With(15, "912 ")).checkError);

    RecordingSink sink;
    EXPECT_FALSE(ValidateMovePayload(With(11, "+123"), false, &sink));
    EXPECT_FALSE(ValidateMovePayload(With(11, "+123"), true, &sink));
    ASSERT_EQ(sink.boxes.size(), 2u);
    EXPECT_EQ(
        sink.boxes[0],
        (Support::MessageBoxCall{
            Support::MsgIcon::Transmission, "Move email validation error",
            "An error occured while trying to validate the contents of what Marrowdale assumed was a chess "
            "move email.",
            "OK", "", false, Support::SoundCue::Information}));
    EXPECT_EQ(sink.boxes[1].caption, "Move email validation error");
    EXPECT_EQ(
        sink.boxes[1].text,
        "An error occured while trying to validate the contents of the file you selected for import.  "
        "Please ensure this file is a valid Marrowdale chess move.");
    EXPECT_EQ(sink.boxes[1].sound, Support::SoundCue::Information);
}
