#include "platform/store_file_format.h"

#include <QFileDevice>
#include <QIODevice>

namespace Registry {

namespace {

QString Escape(const QString& text, bool isName)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\')
            out += u"\\\\";
        else if (c == u'\n')
            out += u"\\n";
        else if (c == u'\r')
            out += u"\\r";
        else if (isName && (c == u'=' || c == u']' || c == u'[' || (out.isEmpty() && c == u';')))
            out += QString(u'\\') + c; // a leading ";" would read as a comment line
        else
            out += c;
    }
    return out;
}

QString Unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar next = text[++i];
        out += next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : next;
    }
    return out;
}

// The position of the first "=" that is not escaped, or -1.
qsizetype NameEnd(QStringView line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'\\')
            ++i;
        else if (line[i] == u'=')
            return i;
    }
    return -1;
}

// A section name is the key path with "\" between its parts. A part holds
// no "\" or "/" (they separate parts); the few characters that would break
// the line are written as %XX.
QString EncodePart(const QString& part)
{
    QString out;
    for (const QChar c : part) {
        if (c == u'%' || c == u'\n' || c == u'\r' || c == u'[' || c == u']')
            out += u'%' + QString::number(c.unicode(), 16).rightJustified(2, u'0').toUpper();
        else
            out += c;
    }
    return out;
}

bool IsHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Only "%" and two hex digits naming a character other than NUL is an
// escape: a hand-edited "%-1" or "%00" is kept as it stands, never turned
// into a character no key may hold.
QString DecodePart(QStringView part)
{
    QString out;
    for (qsizetype i = 0; i < part.size(); ++i) {
        bool ok =
            part[i] == u'%' && i + 2 < part.size() && IsHexDigit(part[i + 1]) && IsHexDigit(part[i + 2]);
        const int code = ok ? part.mid(i + 1, 2).toInt(&ok, 16) : 0;
        ok = ok && code > 0;
        if (ok) {
            out += QChar(code);
            i += 2;
        } else {
            out += part[i];
        }
    }
    return out;
}

QString SectionLine(const QString& group)
{
    QStringList parts;
    for (const QString& part : group.split(u'/'))
        parts << EncodePart(part);
    return u'[' + parts.join(u'\\') + u']';
}

QString SectionGroup(QStringView inner)
{
    QStringList parts;
    for (const QStringView part : inner.split(u'\\'))
        parts << DecodePart(part);
    return parts.join(u'/');
}

} // namespace

bool ReadStoreFile(QIODevice& device, QSettings::SettingsMap& map)
{
    const QString text = QString::fromUtf8(device.readAll());
    QString group;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            group = SectionGroup(line.mid(1, line.size() - 2));
            continue;
        }
        const qsizetype end = NameEnd(line);
        if (end <= 0)
            continue;
        const QString name = Unescape(line.first(end));
        const QString key = group.isEmpty() ? name : group + u'/' + name;
        const QStringView data = line.mid(end + 1);
        if (data.startsWith(u"sz:")) {
            map.insert(key, Unescape(data.mid(3)));
            continue;
        }
        if (data.startsWith(u"dword:")) {
            bool ok = false;
            const int number = data.mid(6).toInt(&ok);
            if (ok) {
                map.insert(key, number);
                continue;
            }
        }
        map.insert(key, data.toUtf8()); // unknown: kept as it stands, read as nothing
    }
    return true; // a damaged line never stops the rest from being read
}

bool WriteStoreFile(QIODevice& device, const QSettings::SettingsMap& map)
{
    QString out = QStringLiteral("; Marrowdale settings\n");
    QString currentGroup;
    bool first = true;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype cut = it.key().lastIndexOf(u'/');
        const QString group = cut < 0 ? QString() : it.key().left(cut);
        const QString name = it.key().mid(cut + 1);
        if (first || group != currentGroup) {
            if (!group.isEmpty())
                out += u'\n' + SectionLine(group) + u'\n';
            currentGroup = group;
            first = false;
        }
        const QVariant& value = it.value();
        out += Escape(name, true) + u'=';
        if (value.typeId() == QMetaType::Int)
            out += QStringLiteral("dword:") + QString::number(value.toInt());
        else if (value.typeId() == QMetaType::QByteArray)
            out += QString::fromUtf8(value.toByteArray());
        else
            out += QStringLiteral("sz:") + Escape(value.toString(), false);
        out += u'\n';
    }
    const QByteArray bytes = out.toUtf8();
    if (device.write(bytes) != bytes.size())
        return false;
    // Push the bytes out now, so that a short write shows here and not
    // after QSettings has decided to keep the file.
    if (auto* file = qobject_cast<QFileDevice*>(&device))
        return file->flush() && file->error() == QFileDevice::NoError;
    return true;
}

QSettings::Format StoreFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), ReadStoreFile, WriteStoreFile);
    return format;
}

} // namespace Registry
