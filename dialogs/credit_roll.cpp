#include "dialogs/credit_roll.h"

namespace CreditsSupport {

namespace {

struct Section {
    const char* heading;
    std::vector<const char*> credits;
};

// The team that made the program, by role, and what it was made with.
const std::vector<Section>& Sections()
{
    static const std::vector<Section> sections = {
        {"Design", {"The game designer of the house"}},
        {"Programming", {"The programming team"}},
        {"Graphics", {"The board and piece painter", "The window and icon drawer"}},
        {"Sound fx", {"The cue synthesist"}},
        {"Quality Assurance",
         {"The rules tester", "The mail tester", "The window tester", "The printing tester",
          "The long-game player", "The release checker"}},
        {"Development Acknowledgements",
         {"The C++ language and its standard library", "The Qt widget and printing toolkit",
          "The VMime mail library", "The GoogleTest framework", "The CMake and Ninja build tools",
          "Dovecot and OpenSMTPD, for the mail tests", "The Poppler tools, for the print tests",
          "The DejaVu Sans font's chess glyphs", "Chess sets drawn by our own art generator"}},
        {"Special thanks to...",
         {"Everyone who keeps a game going", "by e-mail for months on end,",
          "who answers a move on a Sunday", "and waits patiently for the reply;",
          "to the players who sent us their", "strangest positions to test with,",
          "and to every opponent who", "offered a draw at the right time."}},
        {"Extra special thanks to...",
         {"The families and friends of the team,", "who heard more about castling rights",
          "and en passant than anyone should;", "who lent their evenings to long test games",
          "and never once resigned in protest;", "who reminded us that a game is for",
          "enjoying, not only for winning;", "and who will finally get the", "kitchen table back.",
          "Thank you all."}},
    };
    return sections;
}

} // namespace

std::vector<CreditRow> CreditContent(const QString& version)
{
    std::vector<CreditRow> rows;
    auto spaces = [&rows](int count) {
        for (int i = 0; i < count; ++i)
            rows.push_back({RowKind::Spacer, QString()});
    };
    auto credit = [&rows](const QString& text) { rows.push_back({RowKind::Credit, text}); };

    // The list starts empty and the first heading rises in from below.
    spaces(16);
    rows.push_back({RowKind::Heading, QStringLiteral("Marrowdale v") + version});
    credit(QStringLiteral("Credits..."));
    for (const Section& section : Sections()) {
        spaces(2);
        rows.push_back({RowKind::Heading, QString::fromUtf8(section.heading)});
        for (const char* text : section.credits)
            credit(QString::fromUtf8(text));
    }
    spaces(3);
    credit(QStringLiteral("Don't forget, Castle early, bring out"));
    credit(QStringLiteral("all your court pieces striaght away and"));
    credit(QStringLiteral("try to gain control of the centre of the"));
    credit(QStringLiteral("board as early as possible."));
    spaces(2);
    credit(QStringLiteral("Marrowdale was brought to you by the letter"));
    credit(QStringLiteral("\u00C6 and the number -439.017"));
    spaces(1);
    return rows;
}

CreditRoll::CreditRoll(std::vector<CreditRow> content) : content_(std::move(content))
{
    SetupCredits();
}

void CreditRoll::Append(RowKind kind, const QString& text)
{
    rows_.push_back({kind, text, RowTwips});
    ++lastRow_;
}

void CreditRoll::Credit(const QString& text)
{
    Append(RowKind::Credit, text);
}

void CreditRoll::Heading(const QString& text)
{
    Append(RowKind::Heading, text);
}

void CreditRoll::CreditSpaces(int count)
{
    for (int i = 0; i < count; ++i)
        Append(RowKind::Spacer, QString());
}

void CreditRoll::SetupCredits()
{
    lastRow_ = -1;
    rows_.clear();
    for (const CreditRow& row : content_) {
        if (row.kind == RowKind::Heading)
            Heading(row.text);
        else if (row.kind == RowKind::Credit)
            Credit(row.text);
        else
            CreditSpaces(1);
    }
    topRow_ = rows_.size() > 1 ? 1 : 0;
    stepRunning_ = false;
}

CreditRoll::TickResult CreditRoll::Tick()
{
    if (stopRequested_)
        return TickResult::Close;
    if (rows_.empty())
        return TickResult::Rolled;
    CreditRow& top = rows_[std::size_t(topRow_)];
    if (!stepRunning_) {
        stepRunning_ = true;
        top.text.clear();
    }
    const int next = top.heightTwips - StepTwips;
    if (next >= StepTwips / 2) {
        top.heightTwips = next;
        return TickResult::Rolled;
    }
    // The row has gone (it keeps its last small height until the rebuild).
    stepRunning_ = false;
    if (topRow_ < int(rows_.size()) - 1) {
        ++topRow_;
        return TickResult::NextRow;
    }
    SetupCredits();
    return TickResult::Restarted;
}

} // namespace CreditsSupport
