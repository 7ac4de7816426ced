#pragma once
// Weight files: named sets of the computer opponent's weights, one text
// line "<row>,<value>,<row>,<value>,...\r\n" per file "<name>.AI" in the
// data folder's "AI Files" folder. Rows are the heuristics editor's row
// numbers, in ascending order, one pair for each of the 54 weights.

#include "options/heuristics_editor.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace OptionsSupport {

inline const QString WeightFileExtension = QStringLiteral(".AI");
// A weight file of the 54 pairs is well under 1 KiB; anything longer than
// this is not one.
inline constexpr qsizetype MaxWeightFileSize = 64 * 1024;

// <data folder>/AI Files/
QString WeightFileFolder();
QString WeightFilePath(const QString& folder, const QString& name);

// The editor's current values (never its pending ones).
QByteArray FormatWeightFile(const HeuristicsEditor& editor);

struct WeightPair {
    int row;
    int value;
    bool operator==(const WeightPair&) const = default;
};
// The pairs of a whole file, or nothing when any part of it is not valid:
// fields of decimal integers separated by commas or line ends, an even
// number of them (at least one pair), rows among the 54 heuristic rows,
// values within -200..200, at most MaxWeightFileSize bytes.
std::optional<std::vector<WeightPair>> ParseWeightFile(const QByteArray& bytes);

enum class WeightFileNameProblem { None, Blank, ReservedCharacter, Unusable };
// Blank names, the ten reserved characters \ / : * ? " < > | and the full
// stop, control characters, and names too long for a file name are refused.
WeightFileNameProblem CheckWeightFileName(const QString& name);
// The reserved characters as the refusal message lists them (the message
// box would break the line at a "|", so the bar is named).
QString ReservedCharactersText();

// The names of the folder's weight files (".AI" exactly, case-sensitive),
// sorted; the folder is made when it is missing. Nothing when it cannot be
// made or listed.
std::optional<QStringList> ListWeightFiles(const QString& folder);

// Writes through a temporary file in the same folder renamed over the old
// one: True only once the whole file is on disk.
bool WriteWeightFile(const QString& path, const QByteArray& bytes);
// The file's bytes, up to one byte past the size limit; nothing when it
// cannot be read.
std::optional<QByteArray> ReadWeightFile(const QString& path);

} // namespace OptionsSupport
