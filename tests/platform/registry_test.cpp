#include "platform/display_facts.h"
#include "platform/registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace Registry;

namespace {

// Each test gets its own config folder, so neither the user's real one nor
// Qt's in-process cache of an earlier test's file is ever seen.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
    }

    // Points the store at a fresh copy of the file, which Qt has never
    // seen and must therefore parse from disk.
    void Reopen()
    {
        const QString file = StoreFilePath();
        copies_.emplace_back(std::make_unique<QTemporaryDir>());
        const QString copy = copies_.back()->path();
        ASSERT_TRUE(QDir().mkpath(copy + "/Tallowmere"));
        ASSERT_TRUE(QFile::copy(file, copy + "/Tallowmere/Marrowdale.ini"));
        qputenv("XDG_CONFIG_HOME", copy.toUtf8());
    }

    QTemporaryDir config_;
    std::vector<std::unique_ptr<QTemporaryDir>> copies_;
};

const QString Key = QStringLiteral("Marrowdale");

} // namespace

TEST_F(RegistryTest, StoreLivesUnderTheConfigFolderReadableByItsOwnerOnly)
{
    EXPECT_EQ(StoreFilePath(), config_.path() + "/Tallowmere/Marrowdale.ini");
    ASSERT_TRUE(CreateNewKey(SettingsKeyPath));
    ASSERT_TRUE(SetKeyValue(SettingsSubkey, "Password", Value::Text("secret")));
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
                        | QFileDevice::WriteOther;
    EXPECT_FALSE(QFile::permissions(StoreFilePath()) & others);
}

TEST_F(RegistryTest, ValuesKeepTheirKindThroughAReopenedStore)
{
    ASSERT_TRUE(CreateNewKey(SettingsKeyPath));
    const std::vector<std::pair<QString, Value>> values = {
        {"Text", Value::Text("True")},
        {"NumericText", Value::Text("20000")},
        {"DottedText", Value::Text("1.5")},
        {"EmptyText", Value::Text("")},
        {"Number", Value::Number(20000)},
        {"Negative", Value::Number(-2147483647 - 1)},
        {"Awkward", Value::Text(QString::fromUtf8("Füße = \"quoted\"; a,b\nline two\r\n\\back#;"))},
        {"Prefixed", Value::Text("dword:12")},
    };
    for (const auto& [name, value] : values)
        ASSERT_TRUE(SetKeyValue(Key, name, value)) << name.toStdString();

    Reopen();
    for (const auto& [name, value] : values) {
        const Value read = QueryValue(Key, name);
        EXPECT_EQ(read, value) << name.toStdString() << " read back as \"" << read.ToText().toStdString()
                               << '"';
    }
    EXPECT_EQ(QueryValue(Key, "NumericText").ToNumber(), std::nullopt);
    EXPECT_EQ(QueryValue(Key, "Number").ToNumber(), 20000);
    EXPECT_TRUE(QueryValue(Key, "Missing").IsEmpty());
    EXPECT_TRUE(QueryValue("NoSuchKey", "Text").IsEmpty());
}

TEST_F(RegistryTest, ValuesOfUnknownKindReadAsEmpty)
{
    ASSERT_TRUE(CreateNewKey(SettingsKeyPath));
    ASSERT_TRUE(SetKeyValue(Key, "Good", Value::Number(1)));
    QFile file(StoreFilePath());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("HandEdited=20000\nBadNumber=dword:12x\nList=a, b\n");
    file.close();
    Reopen();
    EXPECT_EQ(QueryValue(Key, "Good").ToNumber(), 1);
    for (const char* name : {"HandEdited", "BadNumber", "List"})
        EXPECT_TRUE(QueryValue(Key, name).IsEmpty()) << name;

    // A rewrite keeps the lines it could not read.
    ASSERT_TRUE(SetKeyValue(Key, "Good", Value::Number(2)));
    QFile rewritten(StoreFilePath());
    ASSERT_TRUE(rewritten.open(QIODevice::ReadOnly));
    const QByteArray text = rewritten.readAll();
    EXPECT_TRUE(text.contains("HandEdited=20000\n")) << text.constData();
    EXPECT_TRUE(text.contains("Good=dword:2\n")) << text.constData();
}

TEST_F(RegistryTest, WritesNeedAnExistingKeyOfTheUsersRoot)
{
    EXPECT_FALSE(SetKeyValue(Key, "Lost", Value::Text("x")));
    EXPECT_FALSE(QFile::exists(StoreFilePath()));
    EXPECT_FALSE(KeyExists(SettingsKeyPath));

    ASSERT_TRUE(CreateNewKey(SettingsKeyPath));
    EXPECT_TRUE(KeyExists(SettingsKeyPath));
    EXPECT_TRUE(CreateNewKey(SettingsKeyPath)); // already there
    EXPECT_FALSE(SetKeyValue(Key, "Nothing", Value{}));
    EXPECT_FALSE(SetKeyValue("Display", "X", Value::Text("1"), Root::CurrentConfig, DisplayPrefix));
    EXPECT_FALSE(CreateNewKey("Display\\Settings", Root::CurrentConfig));
}

TEST_F(RegistryTest, EnumeratesSubkeys)
{
    QStringList names{"stale"};
    EXPECT_EQ(EnumSubKeys(names, Root::CurrentUser, SettingsKeyPath), 0);
    EXPECT_TRUE(names.isEmpty());

    ASSERT_TRUE(CreateNewKey(SettingsKeyPath + "\\2.5.1"));
    ASSERT_TRUE(CreateNewKey(SettingsKeyPath + "\\2.4.0"));
    ASSERT_TRUE(SetKeyValue(Key + "\\2.4.0", "Skin", Value::Text("Old")));
    ASSERT_TRUE(SetKeyValue(Key, "Skin", Value::Text("New"))); // a value is not a subkey
    EXPECT_EQ(EnumSubKeys(names, Root::CurrentUser, SettingsKeyPath + "\\"), 2);
    EXPECT_EQ(names, (QStringList{"2.4.0", "2.5.1"}));
    EXPECT_EQ(QueryValue(Key + "\\2.4.0", "Skin").ToText(), "Old");
    EXPECT_EQ(EnumSubKeys(names, Root::CurrentUser, "Software\\Nobody"), 0);

    // Names that look like the file's own syntax survive a reopened store.
    const QString odd = QStringLiteral("n%41[x]=");
    ASSERT_TRUE(CreateNewKey(SettingsKeyPath + "\\" + odd));
    ASSERT_TRUE(SetKeyValue(Key + "\\" + odd, "[Name=1]", Value::Text("v")));
    ASSERT_TRUE(SetKeyValue(Key, ";NotAComment", Value::Text("kept")));
    Reopen();
    EXPECT_EQ(EnumSubKeys(names, Root::CurrentUser, SettingsKeyPath), 3);
    EXPECT_TRUE(names.contains(odd)) << names.join(", ").toStdString();
    EXPECT_EQ(QueryValue(Key + "\\" + odd, "[Name=1]").ToText(), "v");
    EXPECT_EQ(QueryValue(Key, ";NotAComment").ToText(), "kept");
}

TEST_F(RegistryTest, WriteThatCannotReachTheStoreFails)
{
    // The config folder's parent is a file: the folder can never be made,
    // whoever runs the test.
    const QString blocker = config_.path() + "/blocked";
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("XDG_CONFIG_HOME", (blocker + "/config").toUtf8());
    EXPECT_FALSE(CreateNewKey(SettingsKeyPath));
    EXPECT_FALSE(SetKeyValue(Key, "Skin", Value::Text("x")));
    EXPECT_TRUE(QueryValue(Key, "Skin").IsEmpty());
}

TEST_F(RegistryTest, FailedWriteLeavesTheOldFileIntact)
{
    ASSERT_TRUE(CreateNewKey(SettingsKeyPath));
    ASSERT_TRUE(SetKeyValue(Key, "Skin", Value::Text("Kept")));
    QFile file(StoreFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    // A full disk, as the kernel reports it to every user including root:
    // a file-size limit makes any write past it fail with EFBIG.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    rlimit small = oldLimit;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = SetKeyValue(Key, "Skin", Value::Text(QString(100000, u'x')));
    const bool added = SetKeyValue(Key, "Other", Value::Text(QString(100000, u'y')));
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_FALSE(added);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();
    // Nothing of the failed writes lingers to be read back or written later.
    EXPECT_EQ(QueryValue(Key, "Skin").ToText(), "Kept");
    EXPECT_TRUE(QueryValue(Key, "Other").IsEmpty());
    ASSERT_TRUE(SetKeyValue(Key, "Later", Value::Number(3)));
    Reopen();
    EXPECT_EQ(QueryValue(Key, "Skin").ToText(), "Kept");
    EXPECT_TRUE(QueryValue(Key, "Other").IsEmpty());
    EXPECT_EQ(QueryValue(Key, "Later").ToNumber(), 3);
}

TEST_F(RegistryTest, DisplayAndPrinterRootsComeFromTheMachine)
{
    OverrideDisplayFacts(DisplayFacts{120, 96, 1024, 768, 24});
    EXPECT_EQ(QueryValue("", "DPILogicalX", Root::CurrentConfig, DisplayPrefix).ToText(), "120");
    EXPECT_EQ(QueryValue("", "DPILogicalY", Root::CurrentConfig, DisplayPrefix).ToText(), "96");
    EXPECT_EQ(QueryValue("", "Resolution", Root::CurrentConfig, DisplayPrefix).ToText(), "1024,768");
    EXPECT_EQ(QueryValue("", "BitsPerPixel", Root::CurrentConfig, DisplayPrefix), Value::Text("24"));
    EXPECT_TRUE(QueryValue("", "Other", Root::CurrentConfig, DisplayPrefix).IsEmpty());
    OverrideDisplayFacts(std::nullopt);
    // No QGuiApplication in this test: the checks' defaults then apply.
    EXPECT_TRUE(QueryValue("", "BitsPerPixel", Root::CurrentConfig, DisplayPrefix).IsEmpty());

    OverrideDefaultPrinterName(QStringLiteral("Office Laser"));
    EXPECT_EQ(QueryValue("Printers", "Default", Root::LocalMachine, PrinterPrefix).ToText(),
              "Office Laser");
    OverrideDefaultPrinterName(QString());
    EXPECT_TRUE(QueryValue("Printers", "Default", Root::LocalMachine, PrinterPrefix).IsEmpty());
    OverrideDefaultPrinterName(std::nullopt);
}

TEST_F(RegistryTest, OddSectionAndValueNamesLoadWithoutHarm)
{
    ASSERT_TRUE(CreateNewKey(SettingsKeyPath));
    ASSERT_TRUE(SetKeyValue(Key, "Good", Value::Number(1)));
    QFile file(StoreFilePath());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("[%-1]\n%-1=sz:x\n[%00\\%zz\\%]\n%00=dword:3\n[%41b]\nName=sz:kept\n");
    file.close();
    Reopen();
    EXPECT_EQ(QueryValue(Key, "Good").ToNumber(), 1);
    ASSERT_TRUE(SetKeyValue(Key, "Good", Value::Number(2)));
    Reopen();
    EXPECT_EQ(QueryValue(Key, "Good").ToNumber(), 2);
}
