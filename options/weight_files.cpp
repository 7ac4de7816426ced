#include "options/weight_files.h"

#include "options/name_list.h"

#include "foundation/program_state.h"
#include "rules/heuristic_setting.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace OptionsSupport {

namespace {

// Row numbers and values: an optional minus and at most six digits.
bool ParseField(const QByteArray& field, int& number)
{
    static const QRegularExpression pattern(QStringLiteral("^-?[0-9]{1,6}$"));
    if (!pattern.match(QString::fromLatin1(field)).hasMatch())
        return false;
    number = field.toInt();
    return true;
}

} // namespace

QString WeightFileFolder()
{
    return Support::Globals().DataPath + QStringLiteral("AI Files/");
}

QString WeightFilePath(const QString& folder, const QString& name)
{
    return folder + name + WeightFileExtension;
}

QByteArray FormatWeightFile(const HeuristicsEditor& editor)
{
    QByteArrayList fields;
    for (int row = FirstHeuristicRow; row <= LastHeuristicRow; ++row)
        if (const auto current = editor.Current(row))
            fields << QByteArray::number(row) << QByteArray::number(*current);
    return fields.join(',') + "\r\n";
}

std::optional<std::vector<WeightPair>> ParseWeightFile(const QByteArray& bytes)
{
    if (bytes.size() > MaxWeightFileSize)
        return std::nullopt;
    QByteArray text = bytes;
    text.replace("\r\n", "\n");
    while (text.endsWith('\n'))
        text.chop(1);
    text.replace('\n', ',');
    const QByteArrayList fields = text.split(',');
    if (text.isEmpty() || fields.size() % 2 != 0)
        return std::nullopt;
    std::vector<WeightPair> pairs;
    for (qsizetype i = 0; i < fields.size(); i += 2) {
        WeightPair pair{};
        if (!ParseField(fields[i], pair.row) || !ParseField(fields[i + 1], pair.value))
            return std::nullopt;
        if (!IsHeuristicRow(pair.row) || pair.value < Support::MinimumHeuristic
            || pair.value > Support::MaximumHeuristic)
            return std::nullopt;
        pairs.push_back(pair);
    }
    return pairs;
}

QString ReservedCharactersText()
{
    // The message box breaks lines at "|", so the bar is named.
    return QStringLiteral("\\ / : * ? \" < > (vertical bar) .");
}

WeightFileNameProblem CheckWeightFileName(const QString& name)
{
    if (name.isEmpty())
        return WeightFileNameProblem::Blank;
    for (QChar reserved : QStringLiteral("\\/:*?\"<>|."))
        if (name.contains(reserved))
            return WeightFileNameProblem::ReservedCharacter;
    const bool control = std::any_of(name.begin(), name.end(),
                                     [](QChar c) { return c.category() == QChar::Other_Control; });
    // A file name holds at most 255 bytes.
    if (control || QFile::encodeName(name + WeightFileExtension).size() > 255)
        return WeightFileNameProblem::Unusable;
    return WeightFileNameProblem::None;
}

std::optional<QStringList> ListWeightFiles(const QString& folder)
{
    if (!QDir(folder).exists() && !QDir().mkpath(folder))
        return std::nullopt;
    return FileNamesEndingIn(folder, WeightFileExtension);
}

bool WriteWeightFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size())
        return false;
    // Readable by its owner only, like every file of the data folder.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return file.commit();
}

std::optional<QByteArray> ReadWeightFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(MaxWeightFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace OptionsSupport
