#include "foundation/settings.h"

#include "foundation/cursor_guard.h"
#include "rules/heuristic_setting.h"

#include "platform/registry.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <utility>

namespace Support {

using Registry::Value;

namespace {

const QString TrueText = QStringLiteral("True");
const QString FalseText = QStringLiteral("False");

QString BoolText(bool b)
{
    return b ? TrueText : FalseText;
}

// A key of the store: the settings key itself, or one of its version subkeys.
class Key {
public:
    explicit Key(QString subkey) : subkey_(std::move(subkey)) { }

    Value Read(const QString& name) const { return Registry::QueryValue(subkey_, name); }
    bool Write(const QString& name, const Value& value) const
    {
        return Registry::SetKeyValue(subkey_, name, value);
    }
    bool WriteText(const QString& name, const QString& text) const
    {
        return Write(name, Value::Text(text));
    }
    bool WriteNumber(const QString& name, std::int32_t number) const
    {
        return Write(name, Value::Number(number));
    }
    bool WriteBool(const QString& name, bool b) const { return WriteText(name, BoolText(b)); }

    // Reads as the settings are loaded: a value of the wrong kind or out of
    // its range is not trusted and gives the default.
    std::int32_t Number(const QString& name, std::int32_t fallback, std::int32_t min,
                        std::int32_t max) const
    {
        const auto n = Read(name).ToNumber();
        return n && *n >= min && *n <= max ? *n : fallback;
    }
    bool Bool(const QString& name, bool fallback) const
    {
        const Value v = Read(name);
        if (!v.IsText() || v.ToText().isEmpty())
            return fallback;
        return v.ToText() == TrueText; // exactly "True": "true" or "1" is false
    }
    QString Text(const QString& name, const QString& fallback) const
    {
        const Value v = Read(name);
        return v.IsText() && !v.ToText().isEmpty() ? v.ToText() : fallback;
    }

    // Reads as an older version's settings are copied: that version may
    // have stored a number as numeric text and numeric text as a number.
    std::int32_t OldNumber(const QString& name, std::int32_t fallback) const
    {
        const Value v = Read(name);
        if (const auto n = v.ToNumber())
            return *n;
        bool ok = false;
        const int n = v.ToText().trimmed().toInt(&ok);
        return ok ? n : fallback;
    }
    QString OldText(const QString& name, const QString& fallback) const
    {
        const QString text = Read(name).ToText();
        return text.isEmpty() ? fallback : text;
    }

private:
    QString subkey_;
};

const Key SettingsKey{Registry::SettingsSubkey};

std::int16_t To16(std::int32_t n)
{
    return static_cast<std::int16_t>(n);
}

} // namespace

Settings& ProgramSettings()
{
    static Settings settings;
    return settings;
}

void LoadSettings(Settings& s)
{
    const Key& key = SettingsKey;
    const Settings d; // the defaults
    constexpr auto Max32 = std::numeric_limits<std::int32_t>::max();

    s.CheckInterval = key.Number("CheckInterval", d.CheckInterval, 0, Max32);
    s.DisplaySplash = key.Bool("DisplaySplash", d.DisplaySplash);
    s.NotificationMethod =
        To16(key.Number("NotificationMethod", d.NotificationMethod, 0, MaxNotificationMethod));
    s.NotificationSoundPath = key.Text("NotificationSoundPath", d.NotificationSoundPath);
    s.NotificationSoundWav = key.Text("NotificationSoundWav", d.NotificationSoundWav);
    s.NotificationTimeout =
        key.Number("NotificationTimeout", d.NotificationTimeout, 0, MaxNotificationTimeout);
    s.Verbose = key.Bool("Verbose", d.Verbose);
    s.ChessSet = key.Text("ChessSet", d.ChessSet);
    s.ChessBoard = key.Text("ChessBoard", d.ChessBoard);
    s.SearchDepth = To16(key.Number("SearchDepth", d.SearchDepth, 0, MaxSearchDepth));
    s.SysTrayIcons = To16(key.Number("SysTrayIcons", d.SysTrayIcons, 1, MaxSysTrayIcons));
    s.ShowToolTips = key.Bool("ShowToolTips", d.ShowToolTips);
    s.Heuristics = HeuristicsFromSetting(key.Text("Heuristics", {}).toStdString());
    s.Skin = key.Text("Skin", d.Skin);
    s.DefaultView = key.Bool("DefaultView", d.DefaultView);
    s.SimpleUI = key.Bool("SimpleUI", d.SimpleUI);
    s.SystrayStartup = key.Bool("SystrayStartup", d.SystrayStartup);
    const auto left = key.Read("GameListLeft").ToNumber();
    const auto top = key.Read("GameListTop").ToNumber();
    s.GameListPlace.reset();
    if (left && top)
        s.GameListPlace = QPoint(*left, *top);
    s.SimpleUINext = s.SimpleUI;
    s.SystrayStartupNext = s.SystrayStartup;
}

bool SaveSettings(const Settings& s)
{
    const CursorGuard busy; // the hourglass while the store is written
    const Key& key = SettingsKey;
    const Settings d;
    const auto orDefault = [](const QString& text, const QString& fallback) {
        return text.isEmpty() ? fallback : text;
    };

    bool ok = true;
    ok &= key.WriteNumber("CheckInterval", s.CheckInterval);
    ok &= key.WriteBool("DisplaySplash", s.DisplaySplash);
    ok &= key.WriteNumber("NotificationMethod", s.NotificationMethod);
    ok &= key.WriteText("NotificationSoundPath", s.NotificationSoundPath);
    ok &=
        key.WriteText("NotificationSoundWav", orDefault(s.NotificationSoundWav, d.NotificationSoundWav));
    ok &= key.WriteNumber("NotificationTimeout", s.NotificationTimeout);
    ok &= key.WriteBool("Verbose", s.Verbose);
    ok &= key.WriteText("ChessSet", s.ChessSet);
    ok &= key.WriteText("ChessBoard", s.ChessBoard);
    ok &= key.WriteNumber("SysTrayIcons", s.SysTrayIcons);
    ok &= key.WriteNumber("SearchDepth", s.SearchDepth);
    ok &= key.WriteBool("ShowToolTips", s.ShowToolTips);
    ok &= key.WriteText("Heuristics", QString::fromStdString(HeuristicsToText(s.Heuristics)));
    ok &= key.WriteText("Skin", s.Skin);
    ok &= key.WriteBool("DefaultView", s.DefaultView);
    ok &= key.WriteBool("SimpleUI", s.SimpleUINext);
    ok &= key.WriteBool("SystrayStartup", s.SystrayStartupNext);
    if (s.GameListPlace) {
        ok &= key.WriteNumber("GameListLeft", s.GameListPlace->x());
        ok &= key.WriteNumber("GameListTop", s.GameListPlace->y());
    }
    return ok;
}

bool UpgradeSettings(Settings& settings, bool simpleUIForced, const UpgradeProgress& progress)
{
    const Key& target = SettingsKey;
    if (!target.Read("DisplaySplash").ToText().isEmpty()) // this version's settings are there
        return simpleUIForced ? target.WriteBool("SimpleUI", true) : true;

    const CursorGuard busy; // the hourglass while the store is written
    const QString running = GetVersionString();
    QStringList names;
    Registry::EnumSubKeys(names, Registry::Root::CurrentUser, Registry::SettingsKeyPath);
    QString oldVersion;
    for (const QString& name : names) {
        if (IsVersionText(name) && CompareVersions(name, running) < 0
            && (oldVersion.isEmpty() || CompareVersions(name, oldVersion) > 0))
            oldVersion = name;
    }
    // With no older version the source is the settings key itself, which on
    // a fresh installation is empty: every value then takes its default.
    const Key source{Registry::SettingsSubkey + u'\\' + oldVersion};

    bool ok = Registry::CreateNewKey(Registry::SettingsKeyPath);

    const Settings d;
    settings.Skin = source.OldText("Skin", d.Skin);
    if (progress.Show)
        progress.Show(QStringLiteral("Marrowdale is upgrading to version ") + running);

    const auto oldNumber16 = [&](const QString& name, std::int16_t fallback) {
        const std::int32_t n = source.OldNumber(name, fallback);
        return n >= std::numeric_limits<std::int16_t>::min()
                       && n <= std::numeric_limits<std::int16_t>::max()
                   ? n
                   : std::int32_t{fallback};
    };
    const auto copyText = [&](const QString& name, const QString& fallback) {
        return target.WriteText(name, source.OldText(name, fallback));
    };

    ok &= target.WriteNumber("CheckInterval", source.OldNumber("CheckInterval", d.CheckInterval));
    ok &= target.WriteBool("DisplaySplash", true);
    ok &= target.WriteNumber("NotificationMethod",
                             oldNumber16("NotificationMethod", d.NotificationMethod));
    ok &= copyText("NotificationSoundPath", d.NotificationSoundPath);
    // Some versions kept the sound file under a misspelt name.
    QString wav = source.OldText("NotificationSoundSav", d.NotificationSoundWav);
    if (wav == d.NotificationSoundWav)
        wav = source.OldText("NotificationSoundWav", d.NotificationSoundWav);
    ok &= target.WriteText("NotificationSoundWav", wav);
    ok &= target.WriteNumber("NotificationTimeout",
                             source.OldNumber("NotificationTimeout", d.NotificationTimeout));
    ok &= copyText("Verbose", BoolText(d.Verbose));
    ok &= copyText("ChessSet", d.ChessSet);
    ok &= copyText("ChessBoard", d.ChessBoard);
    ok &= target.WriteNumber("SysTrayIcons", source.OldNumber("SysTrayIcons", d.SysTrayIcons));
    ok &= target.WriteNumber("SearchDepth", source.OldNumber("SearchDepth", d.SearchDepth));
    ok &= copyText("ShowToolTips", BoolText(d.ShowToolTips));
    ok &= copyText("Heuristics", QString());
    ok &= copyText("Skin", d.Skin);
    ok &= copyText("DefaultView", BoolText(d.DefaultView));
    if (simpleUIForced)
        ok &= target.WriteBool("SimpleUI", true);
    else
        ok &= copyText("SimpleUI", BoolText(d.SimpleUI));
    ok &= copyText("SystrayStartup", BoolText(d.SystrayStartup));
    ok &= copyText("BppChecked", FalseText);

    if (progress.Hide)
        progress.Hide();
    return ok;
}

bool SetLogonStatus(bool status)
{
    return SettingsKey.WriteBool("LogonStatus", status);
}
bool GetLogonStatus()
{
    return SettingsKey.Bool("LogonStatus", false);
}
bool SetRunBefore(bool runBefore)
{
    return SettingsKey.WriteBool("RunBefore", runBefore);
}
bool GetRunBefore()
{
    return SettingsKey.Bool("RunBefore", false);
}
bool SetBppChecked(bool checked)
{
    return SettingsKey.WriteBool("BppChecked", checked);
}
bool GetBppChecked()
{
    return SettingsKey.Bool("BppChecked", false);
}

QString GetVersionString()
{
    return QStringLiteral("%1.%2.%3").arg(MD_VERSION_MAJOR).arg(MD_VERSION_MINOR).arg(MD_VERSION_PATCH);
}

bool IsVersionText(const QString& text)
{
    static const QRegularExpression version(QStringLiteral("^[0-9]+(\\.[0-9]+)*$"));
    return version.match(text).hasMatch();
}

int CompareVersions(const QString& a, const QString& b)
{
    if (!IsVersionText(a) || !IsVersionText(b))
        return QString::compare(a, b);
    const QStringList fa = a.split(u'.');
    const QStringList fb = b.split(u'.');
    for (qsizetype i = 0; i < std::max(fa.size(), fb.size()); ++i) {
        // Compare digit strings without leading zeros: longer is larger, so
        // no field can overflow a number type.
        const auto field = [](const QStringList& f, qsizetype i) {
            QString s = i < f.size() ? f[i] : QString();
            while (s.size() > 1 && s.front() == u'0')
                s.remove(0, 1);
            return s.isEmpty() ? QStringLiteral("0") : s;
        };
        const QString x = field(fa, i);
        const QString y = field(fb, i);
        if (x.size() != y.size())
            return x.size() < y.size() ? -1 : 1;
        if (const int c = QString::compare(x, y); c != 0)
            return c < 0 ? -1 : 1;
    }
    return 0;
}

} // namespace Support
