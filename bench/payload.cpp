// payload: times the check and the read of the largest payload a receiver
// accepts (8,189 moves: the most a field count can hold), once with short
// fields and once with every field at its longest. Prints the median of
// several runs of each, in milliseconds.

#include "bench/milliseconds.h"
#include "store/move_payload.h"
#include "store/payload_validation.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int LargestMoveCount = 8189;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A payload as read (no line breaks) of `moves` entries.
std::string Payload(int moves, bool longest)
{
    std::string text = "7|1|150320241030|";
    text += longest ? std::string(50, 'g') : "Game";
    text += "|15/03/2024|";
    text += longest ? std::string(50, 'w') : "Alice";
    text += '|';
    text += longest ? std::string(50, 'b') : "Bob";
    text += "|False|;;;;;;;";
    const std::string notation = longest ? std::string(15, 'n') : "e4";
    const std::string comment = longest ? std::string(200, 'c') : "";
    for (int m = 1; m <= moves; ++m)
        text += '|' + std::to_string(m) + "|5254|" + notation + '|' + comment;
    return text;
}

template <typename Run>
double Time(Run&& run)
{
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        const auto start = Bench::Clock::now();
        if (!run()) {
            std::fprintf(stderr, "payload refused\n");
            std::exit(1);
        }
        times.push_back(Bench::Milliseconds(Bench::Clock::now() - start));
    }
    return Median(times);
}

} // namespace

int main()
{
    for (const bool longest : {false, true}) {
        const std::string payload = Payload(LargestMoveCount, longest);
        const double check = Time([&] { return MailSupport::CheckMovePayload(payload).Passed(); });
        const double read = Time([&] {
            const auto game = MailSupport::ReadMovePayload(payload);
            return game && game->moves.size() == LargestMoveCount;
        });
        std::printf("%s moves %d bytes %zu check_ms %.1f read_ms %.1f\n", longest ? "longest" : "short",
                    LargestMoveCount, payload.size(), check, read);
    }
    return 0;
}
