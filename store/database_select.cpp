// Reading games: selection by criteria and sorting by a sort order text.

#include "store/database.h"

#include "store/game_line.h"
#include "store/text_values.h"

#include <algorithm>
#include <numeric>

namespace Database {
namespace {

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

// One name/value pair of a selection text, its value converted once.
struct Condition {
    enum Kind { Unknown, Id, OpponentsId, Status, Host, VsComputer, Text } kind = Unknown;
    std::string key;
    std::string value;
    std::string GameRecord::*textField = nullptr;
    std::optional<std::int64_t> number;
    std::optional<bool> flag;

    // Whether the game matches; throws when the value does not convert.
    bool Matches(const GameRecord& r, Support::MessageSink* messages) const
    {
        switch (kind) {
        case Id:
            return r.GAME_ID == Number();
        case OpponentsId:
            return r.GAME_OPPONENTS_ID == Number();
        case Status:
            return r.GAME_STATUS == Number();
        case Host:
            return r.GAME_HOST == Flag();
        case VsComputer:
            return r.GAME_VS_COMPUTER == Flag();
        case Text:
            return r.*textField == value;
        case Unknown:
            break;
        }
        if (messages)
            messages->ShowSystemMessage("Game data selection error!  No CASE for " + key);
        return false;
    }

    std::int64_t Number() const
    {
        if (!number)
            throw SelectionError("not a number: " + value);
        return *number;
    }
    bool Flag() const
    {
        if (!flag)
            throw SelectionError("not a Boolean: " + value);
        return *flag;
    }
};

struct Criteria {
    std::vector<Condition> conditions;
    int fieldCount = 0;

    explicit Criteria(std::string_view text)
    {
        fieldCount = FieldCount(text, ';');
        const int pairs = PairCount(fieldCount);
        for (int i = 1; i <= pairs; ++i) {
            Condition c;
            c.key = UpperCase(FieldAt(text, 2 * i - 1, ';'));
            c.value = FieldAt(text, 2 * i, ';');
            static const std::pair<const char*, std::string GameRecord::*> texts[] = {
                {"GAME_DATESTAMP", &GameRecord::GAME_DATESTAMP},
                {"GAME_NAME", &GameRecord::GAME_NAME},
                {"GAME_DATE", &GameRecord::GAME_DATE},
                {"GAME_OPPONENTS_EMAIL", &GameRecord::GAME_OPPONENTS_EMAIL},
                {"GAME_WHITE_NAME", &GameRecord::GAME_WHITE_NAME},
                {"GAME_BLACK_NAME", &GameRecord::GAME_BLACK_NAME},
                {"GAME_OPPONENTS_NAME", &GameRecord::GAME_OPPONENTS_NAME},
            };
            if (c.key == "GAME_ID" || c.key == "GAME_OPPONENTS_ID") {
                c.kind = c.key == "GAME_ID" ? Condition::Id : Condition::OpponentsId;
                if (const auto n = ParseInt32(c.value))
                    c.number = *n;
            } else if (c.key == "GAME_STATUS") {
                c.kind = Condition::Status;
                if (const auto n = ParseInt16(c.value))
                    c.number = *n;
            } else if (c.key == "GAME_HOST" || c.key == "GAME_VS_COMPUTER") {
                c.kind = c.key == "GAME_HOST" ? Condition::Host : Condition::VsComputer;
                c.flag = ParseBoolean(c.value);
            } else {
                for (const auto& [name, field] : texts)
                    if (c.key == name) {
                        c.kind = Condition::Text;
                        c.textField = field;
                    }
            }
            conditions.push_back(std::move(c));
        }
    }

    bool Matches(const GameRecord& record, Support::MessageSink* messages) const
    {
        int matched = 0;
        for (const auto& c : conditions)
            if (c.Matches(record, messages))
                ++matched;
        // An odd number of fields never matches: the pair count is then a half.
        return fieldCount % 2 == 0 && matched == fieldCount / 2;
    }
};

// One key of a sort order text.
struct SortPair {
    enum Kind { Unknown, Id, Status, Name, OpponentsName, Date } kind = Unknown;
    std::string key;
    char order = 0; // 'A', 'D', or anything else: never swap on this key
};

std::vector<SortPair> ReadSortSpec(std::string_view sortSpec)
{
    std::vector<SortPair> pairs;
    const int count = PairCount(FieldCount(sortSpec, ';'));
    for (int p = 1; p <= count; ++p) {
        SortPair pair;
        pair.key = UpperCase(FieldAt(sortSpec, 2 * p - 1, ';'));
        const std::string order = UpperCase(FieldAt(sortSpec, 2 * p, ';'));
        pair.order = order == "A" ? 'A' : order == "D" ? 'D' : '?';
        if (pair.key == "GAME_ID")
            pair.kind = SortPair::Id;
        else if (pair.key == "GAME_STATUS")
            pair.kind = SortPair::Status;
        else if (pair.key == "GAME_NAME")
            pair.kind = SortPair::Name;
        else if (pair.key == "GAME_OPPONENTS_NAME")
            pair.kind = SortPair::OpponentsName;
        else if (pair.key == "GAME_DATE")
            pair.kind = SortPair::Date;
        pairs.push_back(std::move(pair));
    }
    return pairs;
}

// A date that does not read as one orders before every real date.
std::int64_t DateKey(const GameRecord& r)
{
    return ParseDayMonthYear(r.GAME_DATE).value_or(-1);
}

// -1, 0 or 1 as a's value of the pair is smaller, equal or greater.
int ComparePair(const SortPair& pair, const GameRecord& a, const GameRecord& b)
{
    auto sign = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
    switch (pair.kind) {
    case SortPair::Id:
        return sign(a.GAME_ID, b.GAME_ID);
    case SortPair::Status:
        return sign(a.GAME_STATUS, b.GAME_STATUS);
    case SortPair::Name:
        return sign(a.GAME_NAME, b.GAME_NAME);
    case SortPair::OpponentsName:
        return sign(a.GAME_OPPONENTS_NAME, b.GAME_OPPONENTS_NAME);
    case SortPair::Date:
        return sign(DateKey(a), DateKey(b));
    case SortPair::Unknown:
        break;
    }
    return 0;
}

// Whether `later` must move in front of `earlier`.
bool ShouldSwap(const std::vector<SortPair>& pairs, const GameRecord& later, const GameRecord& earlier,
                Support::MessageSink* messages)
{
    for (const auto& pair : pairs) {
        if (pair.kind == SortPair::Unknown) {
            if (messages)
                messages->ShowSystemMessage("Game recordset sort error!  No CASE for " + pair.key);
            return false;
        }
        const int c = ComparePair(pair, later, earlier);
        if (c == 0)
            continue;
        if (pair.order == 'A')
            return c < 0;
        if (pair.order == 'D')
            return c > 0;
        return false;
    }
    return false;
}

// The stable exchange sort, comparison by comparison; only for specs that
// report unknown keys or stop on an order letter other than A or D, where
// the exact comparisons made are what the user sees.
void ExchangeSort(std::vector<GameRecord>& records, const std::vector<SortPair>& pairs,
                  Support::MessageSink* messages)
{
    const std::size_t n = records.size();
    for (std::size_t i = 2; i <= n; ++i)
        for (std::size_t j = n; j >= i; --j)
            if (ShouldSwap(pairs, records[j - 1], records[j - 2], messages))
                std::swap(records[j - 1], records[j - 2]);
}

// Sorts with precomputed keys; gives the same order as the exchange sort
// whenever every key is sortable and every order is A or D.
void KeyedStableSort(std::vector<GameRecord>& records, const std::vector<SortPair>& pairs)
{
    const std::size_t n = records.size();
    std::vector<std::int64_t> numbers(n * pairs.size(), 0);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t p = 0; p < pairs.size(); ++p) {
            const auto& r = records[i];
            auto& key = numbers[i * pairs.size() + p];
            switch (pairs[p].kind) {
            case SortPair::Id:
                key = r.GAME_ID;
                break;
            case SortPair::Status:
                key = r.GAME_STATUS;
                break;
            case SortPair::Date:
                key = DateKey(r);
                break;
            default:
                break;
            }
        }
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        for (std::size_t p = 0; p < pairs.size(); ++p) {
            int c = 0;
            switch (pairs[p].kind) {
            case SortPair::Name:
                c = records[x].GAME_NAME.compare(records[y].GAME_NAME);
                break;
            case SortPair::OpponentsName:
                c = records[x].GAME_OPPONENTS_NAME.compare(records[y].GAME_OPPONENTS_NAME);
                break;
            default: {
                const auto a = numbers[x * pairs.size() + p], b = numbers[y * pairs.size() + p];
                c = a < b ? -1 : (b < a ? 1 : 0);
            }
            }
            if (c != 0)
                return pairs[p].order == 'A' ? c < 0 : c > 0;
        }
        return false;
    });
    std::vector<GameRecord> sorted;
    sorted.reserve(n);
    for (auto i : order)
        sorted.push_back(std::move(records[i]));
    records = std::move(sorted);
}

} // namespace

bool RecordMatchesCriteria(const GameRecord& record, std::string_view criteria,
                           Support::MessageSink* messages)
{
    return Criteria(criteria).Matches(record, messages);
}

void SortGames(std::vector<GameRecord>& records, std::string_view sortSpec,
               Support::MessageSink* messages)
{
    auto pairs = ReadSortSpec(sortSpec);
    // A trailing pair that can never swap changes nothing; drop it.
    while (!pairs.empty() && pairs.back().kind != SortPair::Unknown && pairs.back().order == '?')
        pairs.pop_back();
    if (pairs.empty() || records.size() < 2)
        return;
    const bool plain = std::all_of(pairs.begin(), pairs.end(), [](const SortPair& p) {
        return p.kind != SortPair::Unknown && p.order != '?';
    });
    if (plain)
        KeyedStableSort(records, pairs);
    else
        ExchangeSort(records, pairs, messages);
}

bool SelectGames(const DataFolder& folder, std::vector<GameRecord>& records, std::string_view criteria,
                 std::string_view sortSpec)
{
    records.clear();
    try {
        FileSystem& files = folder.Files();
        if (!files.Exists(folder.Live()))
            return true;
        const auto text = files.ReadAll(folder.Live());
        if (!text)
            return false;
        const Criteria wanted(criteria);
        bool readable = true;
        ForEachLine(*text, [&](std::string_view line) {
            auto record = ParseGameHeader(line);
            if (!record) {
                readable = false;
                return false;
            }
            if (wanted.Matches(*record, folder.messages))
                records.push_back(std::move(*record));
            return true;
        });
        if (!readable) {
            records.clear();
            return false;
        }
        if (!records.empty() && !sortSpec.empty())
            SortGames(records, sortSpec, folder.messages);
        return true;
    } catch (const std::exception&) {
        records.clear();
        return false;
    }
}

FoundGame FindGame(const DataFolder& folder, std::int32_t gameID)
{
    std::vector<GameRecord> records;
    FoundGame found;
    found.ok = SelectGames(folder, records, "Game_ID;" + std::to_string(gameID), "");
    found.count = records.size();
    if (!records.empty())
        found.game = std::move(records.front());
    return found;
}

} // namespace Database
