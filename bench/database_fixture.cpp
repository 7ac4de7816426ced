#include "bench/database_fixture.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace Bench {

namespace {

std::string MovesText(int count)
{
    static const char* const coordinates[] = {"5254", "5755", "7163", "2836", "6125", "1716"};
    static const char* const notations[] = {"e4", "e5", "Nf3", "Nc6", "Bb5", "a6"};
    std::string text;
    for (int m = 1; m <= count; ++m) {
        text += '|' + std::to_string(m) + '|' + coordinates[m % 6] + '|' + notations[m % 6] + '|';
        if (m % 10 == 0)
            text += "A comment on move " + std::to_string(m);
    }
    return text;
}

} // namespace

void WriteDatabase(const std::filesystem::path& file, int games)
{
    static const char* const opponents[] = {"Bob", "Carol", "Dave", "Erin", "Frank", "Grace", "Heidi"};
    const std::string moves = MovesText(40);
    std::ofstream out(file, std::ios::binary);
    for (int id = 1; id <= games; ++id) {
        const int day = 1 + id % 28, month = 1 + id % 12, year = 2015 + id % 10;
        char date[16];
        std::snprintf(date, sizeof date, "%02d/%02d/%04d", day, month, year);
        char stamp[16];
        std::snprintf(stamp, sizeof stamp, "%02d%02d%04d1200", day, month, year);
        const std::string opponent = opponents[id % 7];
        out << id << '|' << stamp << '|' << id + 100 << "|Game number " << id << '|' << date << '|'
            << opponent << "@example.org|Me|" << opponent << "|-1|" << opponent << '|' << 1 + id % 6
            << "|0|" << moves << "\r\n";
    }
}

} // namespace Bench
