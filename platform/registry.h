#pragma once
// The program's settings store, shaped like the registry it was designed
// around: keys named by a root and a backslash path, each holding named
// values that are either text or a signed 32-bit number. User keys live in
// one INI-style file under the user's config folder (XDG_CONFIG_HOME/
// Tallowmere/Marrowdale.ini, format in store_file_format.h), read and
// written through QSettings; the display and printer roots are read-only
// views of what Qt knows about the screen and the printers.
//
// Key paths and value names use "\" between the parts of a path; a "/" is
// taken as "\" too, so neither can be part of a name.
//
// Every call opens the store, does one thing and closes it again. A value
// keeps the kind it was written with: the caller decides whether "2000" is
// text or a number, never the store.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace Registry {

enum class Root : std::uint32_t {
    CurrentUser = 0x80000001,   // the user's settings (the INI file)
    LocalMachine = 0x80000002,  // read-only: the default printer
    CurrentConfig = 0x80000005, // read-only: the display values
};

// Where the settings live: prefix + subkey.
inline const QString SettingsPrefix = QStringLiteral("Software\\Tallowmere\\");
inline const QString SettingsSubkey = QStringLiteral("Marrowdale");
inline const QString SettingsKeyPath = SettingsPrefix + SettingsSubkey;
// The display values: prefix with an empty subkey; names "DPILogicalX",
// "DPILogicalY", "Resolution" ("width,height"), "BitsPerPixel", all text.
inline const QString DisplayPrefix = QStringLiteral("Display\\Settings\\");
// The default printer: this prefix, subkey "Printers", value name "Default".
inline const QString PrinterPrefix =
    QStringLiteral("Config\\0001\\System\\CurrentControlSet\\Control\\Print\\");

// One stored value: text, a 32-bit number, or nothing (missing, or of a
// kind this store does not know).
class Value {
public:
    Value() = default;
    static Value Text(const QString& text);
    static Value Number(std::int32_t number);

    bool IsEmpty() const { return kind_ == Kind::Empty; }
    bool IsText() const { return kind_ == Kind::Text; }
    bool IsNumber() const { return kind_ == Kind::Number; }

    // Text as it is, a number in decimal, nothing as "".
    QString ToText() const;
    // The number; nothing for text or an empty value.
    std::optional<std::int32_t> ToNumber() const;

    bool operator==(const Value&) const = default;

private:
    enum class Kind { Empty, Text, Number };
    Kind kind_ = Kind::Empty;
    QString text_;
    std::int32_t number_ = 0;
};

// Creates the key and any missing parents (or finds it there). False when
// the store could not be written.
bool CreateNewKey(const QString& keyPath, Root root = Root::CurrentUser);

// The value `valueName` of key prefix + subkey; empty when the key or the
// value is missing.
Value QueryValue(const QString& subkey, const QString& valueName, Root root = Root::CurrentUser,
                 const QString& prefix = SettingsPrefix);

// Writes one value, with the kind it carries, into an existing key. False
// when the key does not exist, the root is read-only, the value is empty, or
// the store could not be written; the store then keeps what it held.
bool SetKeyValue(const QString& subkey, const QString& valueName, const Value& value,
                 Root root = Root::CurrentUser, const QString& prefix = SettingsPrefix);

// The names of the subkeys of keyPath (full path, no prefix), in sorted
// order, into `names` (replaced; 0-based); returns their count, 0 for a
// missing key.
int EnumSubKeys(QStringList& names, Root root, const QString& keyPath);

// Whether a key exists (has been created, or holds values or subkeys).
bool KeyExists(const QString& keyPath, Root root = Root::CurrentUser);

// The INI file that backs Root::CurrentUser, from XDG_CONFIG_HOME as it is
// now (looked up on every call, so tests can move it).
QString StoreFilePath();

} // namespace Registry
