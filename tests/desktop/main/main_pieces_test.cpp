// The main window's building blocks: captions, recent files, the update
// address and one engine call from the desktop side.
#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "main/caption.h"
#include "main/engine_call.h"
#include "main/main_form.h"
#include "main/recent_files.h"

namespace torvex {
namespace {

TEST(MainCaption, DisplayNameRule) {
    struct Case {
        const char* path;
        const char* caption;
    };
    const Case cases[] = {
        {"/data/wall.txd", "TORVEX 2015.5.5 - Wall"},
        {"/data/wall.TXD", "TORVEX 2015.5.5 - Wall"},
        {"/data/wall.tx5d", "TORVEX 2015.5.5 - Wall.tx5d"},
        {"NewWall.tx5d", "TORVEX 2015.5.5 - NewWall.tx5d"},
        {"/data/old.tx4d", "TORVEX 2015.5.5 - Old.tx4d"},
        {"/data/ärger.tx5d", "TORVEX 2015.5.5 - Ärger.tx5d"},
    };
    for (const Case& c : cases) EXPECT_EQ(WindowCaption(QString::fromUtf8(c.path)), QString::fromUtf8(c.caption)) << c.path;
}

TEST(MainRecentFiles, MoveToFrontAndKeepTen) {
    RecentFiles r;
    for (int i = 1; i <= 12; ++i) r.add(QStringLiteral("/p/f%1.tx5d").arg(i));
    ASSERT_EQ(r.count(), 10);
    EXPECT_EQ(r.paths().first(), QStringLiteral("/p/f12.tx5d"));
    EXPECT_EQ(r.paths().last(), QStringLiteral("/p/f3.tx5d"));
    const QStringList before = r.paths();
    r.add(QStringLiteral("/p/f12.tx5d"));  // already first: nothing changes
    EXPECT_EQ(r.paths(), before);
    r.add(QStringLiteral("/p/f5.tx5d"));  // position 8 moves to the front, the others down
    EXPECT_EQ(r.paths().first(), QStringLiteral("/p/f5.tx5d"));
    EXPECT_EQ(r.paths()[1], QStringLiteral("/p/f12.tx5d"));
    EXPECT_EQ(r.count(), 10);
    EXPECT_EQ(r.paths().count(QStringLiteral("/p/f5.tx5d")), 1);
}

TEST(MainRecentFiles, MenuTextIsRelativeToTheCurrentFolder) {
    RecentFiles r;
    r.add(QStringLiteral("/elsewhere/b.tx5d"));
    r.add(QStringLiteral("/work/proj/a.tx5d"));
    EXPECT_EQ(r.menuText(1, QStringLiteral("/work/proj")), QStringLiteral("1 a.tx5d"));
    EXPECT_EQ(r.menuText(2, QStringLiteral("/work/proj")), QStringLiteral("2 /elsewhere/b.tx5d"));
    EXPECT_EQ(r.menuText(1, QStringLiteral("/work/pro")), QStringLiteral("1 /work/proj/a.tx5d"));
}

TEST(MainRecentFiles, SettingsRoundTrip) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("t.ini")), QSettings::IniFormat);
    RecentFiles r;
    r.add(QStringLiteral("/a.tx5d"));
    r.add(QStringLiteral("/b.tx5d"));
    r.write(settings);
    EXPECT_EQ(settings.value(QStringLiteral("File1")).toString(), QStringLiteral("/b.tx5d"));
    EXPECT_EQ(settings.value(QStringLiteral("File3")).toString(), QString());
    RecentFiles back;
    back.read(settings);
    EXPECT_EQ(back.paths(), r.paths());
}

TEST(MainHelp, UpdateAddressCarriesTheQuery) {
    const QString url = UpdateCheckUrl(QDate(2026, 12, 3));
    EXPECT_TRUE(url.contains(QStringLiteral("/checkupdates/check/check.php?TORVEX;2015.5.5;05/20/16;12/03/26")))
        << url.toStdString();
}

TEST(EngineCallFromDesktop, NamesFileListsTheFourPaths) {
    const QByteArray text = NamesFileText(QStringLiteral("/w/wall.tx5d"));
    const QList<QByteArray> lines = text.split('\n');
    ASSERT_GE(lines.size(), 8);
    EXPECT_EQ(lines[0], "2015.5.5\r");
    EXPECT_EQ(lines[3], "0\r");
    EXPECT_EQ(lines[4], "/w/wall.tx5d\r");
    EXPECT_EQ(lines[5], "/w/wall.tx5o\r");
    EXPECT_EQ(lines[6], "/w/wall.tx5p\r");
    EXPECT_EQ(lines[7], "/w/wall.tx5r\r");
}

TEST(EngineCallFromDesktop, RunsTheEngineAndLeavesNoRunFolder) {
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("wall.tx5d"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TORVEX_EXAMPLES "/cantilever_user_curves.tx5d"), data));
    const QString before = QDir::currentPath();
    // A temporary folder of this test alone holds the run folder.
    QTemporaryDir tmp;
    const QByteArray previousTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", tmp.path().toLocal8Bit());
    ASSERT_EQ(QDir::tempPath(), QDir(tmp.path()).canonicalPath());
    const QStringList runFolders = QDir(QDir::tempPath()).entryList({QStringLiteral("torvex-run-*")}, QDir::Dirs);
    SetEngineLibraryPath(QStringLiteral(TORVEX_BIN_DIR "/libTorvex2015_DLL.so"));
    const EngineCallResult r = CallEngine(data, false);
    SetEngineLibraryPath(QString());
    EXPECT_EQ(r.status, EngineCallResult::Status::Completed);
    EXPECT_EQ(r.message, QString::fromLatin1(kMsgCompleted));
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_TRUE(QFile::exists(ReportPath(data)));
    EXPECT_TRUE(QFile::exists(PlotPath(data)));
    EXPECT_TRUE(QFile::exists(RunNotesPath(data)));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("NAMES.dat"))));
    EXPECT_EQ(QDir(QDir::tempPath()).entryList({QStringLiteral("torvex-run-*")}, QDir::Dirs), runFolders);
    EXPECT_TRUE(runFolders.isEmpty());
    if (previousTmp.isNull()) qunsetenv("TMPDIR");
    else qputenv("TMPDIR", previousTmp);
}

TEST(EngineCallFromDesktop, MissingOrRefusingLibraryGivesTheStatedMessages) {
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("wall.tx5d"));
    SetEngineLibraryPath(dir.filePath(QStringLiteral("none.so")));
    EngineCallResult r = CallEngine(data, false);
    EXPECT_EQ(r.status, EngineCallResult::Status::LoadFailed);
    EXPECT_EQ(r.message, QStringLiteral("Attempt to initialize DLL failed"));
    SetEngineLibraryPath(QStringLiteral(TORVEX_TEST_LIBS "/libtorvex_fake_engine_1.so"));
    r = CallEngine(data, false);
    SetEngineLibraryPath(QString());
    EXPECT_EQ(r.status, EngineCallResult::Status::Inconsistent);
    EXPECT_TRUE(r.message.startsWith(QStringLiteral(
        "Computations can not be performed. Executable files are not consistent.\rYou may need to reinstall the "
        "program.\rIf problem persist please contact KAVREL support at\r")));
}

}  // namespace
}  // namespace torvex
