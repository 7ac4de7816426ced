#include "platform/registry.h"

#include "platform/display_facts.h"
#include "platform/store_file_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include <utility>
#include <vector>

namespace Registry {

Value Value::Text(const QString& text)
{
    Value v;
    v.kind_ = Kind::Text;
    v.text_ = text;
    return v;
}

Value Value::Number(std::int32_t number)
{
    Value v;
    v.kind_ = Kind::Number;
    v.number_ = number;
    return v;
}

QString Value::ToText() const
{
    switch (kind_) {
    case Kind::Text:
        return text_;
    case Kind::Number:
        return QString::number(number_);
    case Kind::Empty:
        break;
    }
    return {};
}

std::optional<std::int32_t> Value::ToNumber() const
{
    if (kind_ == Kind::Number)
        return number_;
    return std::nullopt;
}

namespace {

// A key exists once it holds a value or a subkey; a key that was created
// empty holds this one, which no caller can ask for by an ordinary name.
const QString KeyMarker = QStringLiteral("@Key");

QVariant Encode(const Value& value)
{
    if (const auto number = value.ToNumber())
        return QVariant(int{*number});
    return QVariant(value.ToText());
}

Value Decode(const QVariant& stored)
{
    if (stored.typeId() == QMetaType::Int)
        return Value::Number(stored.toInt());
    if (stored.typeId() == QMetaType::QString)
        return Value::Text(stored.toString());
    return {};
}

QSettings::Format Format()
{
    return StoreFormat();
}

// "Software\Tallowmere\Marrowdale\" -> "Software/Tallowmere/Marrowdale".
QString GroupOf(const QString& keyPath)
{
    QString path = keyPath;
    path.replace(u'\\', u'/');
    return path.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

bool HasContent(QSettings& store, const QString& group)
{
    if (group.isEmpty())
        return false;
    store.beginGroup(group);
    const bool found = !store.childKeys().isEmpty() || !store.childGroups().isEmpty();
    store.endGroup();
    return found;
}

// Writes the entries and checks that they reached the file. When they did
// not, the entries are put back as they were, so that nothing unsaved
// lingers in Qt's shared copy of the file to be read back, or written out
// by a later call, as if it had been stored.
bool WriteEntries(QSettings& store, const std::vector<std::pair<QString, QVariant>>& entries)
{
    std::vector<std::pair<QString, QVariant>> before;
    for (const auto& [key, value] : entries) {
        before.emplace_back(key, store.value(key));
        store.setValue(key, value);
    }
    store.sync();
    if (store.status() == QSettings::NoError) {
        // The file holds the mail account's password: it is the user's alone.
        QFile::setPermissions(store.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return true;
    }
    for (const auto& [key, old] : before) {
        if (old.isValid())
            store.setValue(key, old);
        else
            store.remove(key);
    }
    return false;
}

} // namespace

QString StoreFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Tallowmere/Marrowdale.ini");
}

bool KeyExists(const QString& keyPath, Root root)
{
    if (root != Root::CurrentUser)
        return false;
    QSettings store(StoreFilePath(), Format());
    return HasContent(store, GroupOf(keyPath));
}

bool CreateNewKey(const QString& keyPath, Root root)
{
    const QString group = GroupOf(keyPath);
    if (root != Root::CurrentUser || group.isEmpty())
        return false;
    QSettings store(StoreFilePath(), Format());
    if (HasContent(store, group))
        return true;
    QDir().mkpath(QFileInfo(StoreFilePath()).absolutePath());
    return WriteEntries(store, {{group + u'/' + KeyMarker, QVariant(QString())}});
}

Value QueryValue(const QString& subkey, const QString& valueName, Root root, const QString& prefix)
{
    const QString group = GroupOf(prefix + subkey);
    switch (root) {
    case Root::CurrentUser: {
        if (group.isEmpty() || valueName.isEmpty() || valueName == KeyMarker)
            return {};
        QSettings store(StoreFilePath(), Format());
        return Decode(store.value(group + u'/' + valueName));
    }
    case Root::CurrentConfig: {
        if (group != GroupOf(DisplayPrefix))
            return {};
        const QString text = DisplayValue(valueName);
        return text.isEmpty() ? Value{} : Value::Text(text);
    }
    case Root::LocalMachine: {
        if (group != GroupOf(PrinterPrefix + QStringLiteral("Printers"))
            || valueName != QLatin1String("Default"))
            return {};
        const QString name = DefaultPrinterName();
        return name.isEmpty() ? Value{} : Value::Text(name);
    }
    }
    return {};
}

bool SetKeyValue(const QString& subkey, const QString& valueName, const Value& value, Root root,
                 const QString& prefix)
{
    const QString group = GroupOf(prefix + subkey);
    if (root != Root::CurrentUser || value.IsEmpty() || group.isEmpty() || valueName.isEmpty()
        || valueName == KeyMarker)
        return false;
    QSettings store(StoreFilePath(), Format());
    if (!HasContent(store, group))
        return false;
    return WriteEntries(store, {{group + u'/' + valueName, Encode(value)}});
}

int EnumSubKeys(QStringList& names, Root root, const QString& keyPath)
{
    names.clear();
    const QString group = GroupOf(keyPath);
    if (root != Root::CurrentUser || group.isEmpty())
        return 0;
    QSettings store(StoreFilePath(), Format());
    store.beginGroup(group);
    names = store.childGroups();
    store.endGroup();
    return static_cast<int>(names.size());
}

} // namespace Registry
