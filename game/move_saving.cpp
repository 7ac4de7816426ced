#include "game/move_saving.h"

#include "store/game_record.h"

#include <cstdio>
#include <ctime>

namespace BoardSupport {

namespace {

std::string TwoDigits(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

std::string FourDigits(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04d", value % 10000);
    return text;
}

} // namespace

ClockReading ReadClock()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return ClockReading{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min};
}

std::string DateStampOf(const ClockReading& clock)
{
    return TwoDigits(clock.day) + TwoDigits(clock.month) + FourDigits(clock.year) + TwoDigits(clock.hour)
           + TwoDigits(clock.minute);
}

std::string GameDateOf(const ClockReading& clock)
{
    return TwoDigits(clock.day) + "/" + TwoDigits(clock.month) + "/" + FourDigits(clock.year);
}

int SavedGameStatus(const StatusInputs& in)
{
    if ((in.drawOffered || in.declinedOffer) && !in.gameDrawn)
        return StatusDrawOffered;
    if (in.checkmated || in.surrendered || in.gameDrawn) {
        // Saved for the computer's row, the maker is the computer: the
        // player's result is the other one. A draw is nobody's win, whoever
        // made the row.
        const bool decided = in.checkmated || in.surrendered;
        const bool won = decided && (in.computerGame && in.computersRow ? !in.makerWon : in.makerWon);
        return won ? StatusWon : in.gameDrawn ? StatusDrawn : StatusLost;
    }
    if (in.computerGame)
        return StatusPlayersMove;
    return StatusAwaitingOpponent;
}

MoveTransport TransportFor(bool mailOffline, bool standAlone)
{
    if (!mailOffline)
        return MoveTransport::Mail;
    return standAlone ? MoveTransport::MoveFile : MoveTransport::None;
}

} // namespace BoardSupport
