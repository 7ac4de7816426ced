// database N: times the game database on a file of N games of 40 moves each,
// built in a temporary folder. Prints the median of several runs of a sorted
// selection over every game and of saving one game (a move appended), the
// size of the file and the bytes one save writes.

#include "store/database.h"
#include "bench/database_fixture.h"
#include "bench/milliseconds.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Bytes this process has handed to write(2) so far (Linux's own count).
long long BytesWritten()
{
    std::ifstream io("/proc/self/io");
    std::string name;
    long long value = 0;
    while (io >> name >> value)
        if (name == "wchar:")
            return value;
    return 0;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const int games = argc > 1 ? std::atoi(argv[1]) : 10000;
    if (games < 1) {
        std::fprintf(stderr, "usage: database N\n");
        return 2;
    }
    const auto folder =
        std::filesystem::temp_directory_path() / ("marrowdale-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    Bench::WriteDatabase(folder / Database::DatabaseFileName, games);
    const Database::DataFolder data(folder);

    const int runs = 7;
    std::vector<double> selectTimes, saveTimes;
    for (int run = 0; run < runs; ++run) {
        std::vector<GameRecord> records;
        const auto start = Bench::Clock::now();
        const bool ok =
            Database::SelectGames(data, records, "", "Game_status;A;Game_opponents_name;A;Game_date;D");
        selectTimes.push_back(Bench::Milliseconds(Bench::Clock::now() - start));
        if (!ok || static_cast<int>(records.size()) != games) {
            std::fprintf(stderr, "selection failed\n");
            return 1;
        }
    }
    const long long writtenBefore = BytesWritten();
    for (int run = 0; run < runs; ++run) {
        const std::int32_t id = 1 + (games / 2 + run) % games;
        GameRecord record = Database::FindGame(data, id).game.value();
        record.GAME_STATUS = StatusAwaitingOpponent;
        const auto start = Bench::Clock::now();
        const bool ok = Database::SaveGame(data, record, {{41, "4244", "d4", "One more"}});
        saveTimes.push_back(Bench::Milliseconds(Bench::Clock::now() - start));
        if (!ok) {
            std::fprintf(stderr, "save failed\n");
            return 1;
        }
    }
    const long long writtenPerSave = (BytesWritten() - writtenBefore) / runs;
    const auto fileBytes = std::filesystem::file_size(folder / Database::DatabaseFileName);
    std::filesystem::remove_all(folder);
    std::printf("select_ms %.1f save_ms %.1f file_bytes %ju written_per_save %lld\n",
                Median(selectTimes), Median(saveTimes), static_cast<std::uintmax_t>(fileBytes),
                writtenPerSave);
    return 0;
}
