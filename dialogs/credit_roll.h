#pragma once
// The rolling list of the credits window, without the window: the rows,
// which row stands at the top, and one step of the roll per timer tick.
//
// The roll lifts the top row away by shrinking it 10 twips a tick until
// it has gone, then the next row is at the top; after the last row the list
// is built anew and starts over. Each tick does one small step and returns,
// so a closing gesture is seen by the very next tick.

#include <QString>

#include <vector>

namespace CreditsSupport {

inline constexpr int RowTwips = 230;
inline constexpr int StepTwips = 10;

enum class RowKind { Spacer, Heading, Credit };

struct CreditRow {
    RowKind kind = RowKind::Spacer;
    QString text;
    int heightTwips = RowTwips;
};

// The credits' rows in order, headed by "Marrowdale v" and the version.
std::vector<CreditRow> CreditContent(const QString& version);

class CreditRoll {
public:
    explicit CreditRoll(std::vector<CreditRow> content);

    // The builders: each appends one row (CreditSpaces `count` rows; none
    // for 0 or less).
    void Credit(const QString& text);
    void Heading(const QString& text);
    void CreditSpaces(int count);
    // Clears the list, fills it from the content and shows row 1 at the top.
    void SetupCredits();

    enum class TickResult { Rolled, NextRow, Restarted, Close };
    // One timer tick: the close once a stop was asked for, else one step.
    TickResult Tick();
    // Every closing gesture asks for the stop; the next tick closes.
    void RequestStop() { stopRequested_ = true; }
    bool StopRequested() const { return stopRequested_; }

    const std::vector<CreditRow>& Rows() const { return rows_; }
    int TopRow() const { return topRow_; }
    // The index of the last row added; -1 for an empty list.
    int LastRow() const { return lastRow_; }

private:
    void Append(RowKind kind, const QString& text);

    std::vector<CreditRow> content_;
    std::vector<CreditRow> rows_;
    int lastRow_ = -1;
    int topRow_ = 0;
    bool stepRunning_ = false;
    bool stopRequested_ = false;
};

} // namespace CreditsSupport
