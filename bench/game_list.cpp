// game-list [N]: times the game list over a database of N games (1,000 by
// default), offscreen and skinned: the model's fill alone, the whole fill
// of the window (database, rows, grid), and a re-sort from the header.
// Prints the median of several runs of each.

#include "bench/database_fixture.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "shell/game_interface.h"

#include <QApplication>
#include <QFile>
#include <QTableWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MedianMilliseconds(int runs, const std::function<void(int run)>& work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        work(run);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (games < 1) {
        std::fprintf(stderr, "usage: game-list N\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto folder =
        std::filesystem::temp_directory_path() / ("marrowdale-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    Bench::WriteDatabase(folder / Database::DatabaseFileName, games);

    Support::ProgramState& state = Support::Globals();
    state.ProgramFolder = Support::DefaultProgramFolder();
    state.DataPath = QFile::decodeName(folder.c_str()) + QStringLiteral("/");
    state.Mail.MailOffline = false;
    Support::ProgramSettings().SimpleUI = false;

    Support::GameListModel model;
    Support::GameInterface list(model, {});
    if (!list.Form_Load() || list.GameList->rowCount() != games) {
        std::fprintf(stderr, "the list did not fill\n");
        return 1;
    }
    list.show();
    QCoreApplication::processEvents();

    const int runs = 7;
    const Database::DataFolder data(folder);
    Support::GameListFillContext context;
    const double modelMs =
        MedianMilliseconds(runs, [&](int) { model.Fill(data, 1, QString(), context); });
    const double fillMs = MedianMilliseconds(runs, [&](int) {
        list.Refill(games / 2);
        list.repaint();
    });
    const double resortMs = MedianMilliseconds(runs, [&](int run) {
        list.GameList_HeaderClick(Support::ColumnOpponent, run % 2 ? Qt::RightButton : Qt::LeftButton);
        list.repaint();
    });
    std::filesystem::remove_all(folder);
    std::printf("games %d model_ms %.1f fill_ms %.1f resort_ms %.1f\n", games, modelMs, fillMs,
                resortMs);
    return 0;
}
