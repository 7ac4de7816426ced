#pragma once
// The file format of the settings store: INI-style sections named by the
// key path, one "name=kind:value" line per value, where kind is "sz" (text)
// or "dword" (a signed 32-bit number), as in a .reg export:
//
//   [Software\Tallowmere\Marrowdale]
//   CheckInterval=dword:20000
//   Skin=sz:Marrowdale Classic
//
// In names and values a backslash, a carriage return and a line feed are
// written "\\", "\r" and "\n"; in names also "=", "[", "]" and a leading
// ";" as "\=", "\[", "\]" and "\;". The file is UTF-8.
//
// Qt's own INI format cannot be used: it keeps no kinds (the number 20000
// and the text "20000" come back alike) and it does not notice a short
// write, so a full disk leaves a truncated file renamed over the good one.
// This writer checks every byte it hands over, and QSettings then keeps the
// old file.

#include <QSettings>

namespace Registry {

// The format registered with QSettings (registered on first use). In the
// map, a text value is a QString and a number an int; a line this format
// cannot read is kept as a QByteArray, so a rewrite preserves it.
QSettings::Format StoreFormat();

bool ReadStoreFile(QIODevice& device, QSettings::SettingsMap& map);
bool WriteStoreFile(QIODevice& device, const QSettings::SettingsMap& map);

} // namespace Registry
