// The program on a real X server: start with an example from the command
// line, run it from the menu, look at the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

#include "graphs/result_graphs.h"
#include "main/engine_call.h"
#include "main/main_form.h"
#include "main/ui_seam.h"

bool HaveDisplay();

namespace torvex {
namespace {

TEST(MainWindowOnX11, StartsWithAnExampleRunsItAndShowsATable) {
    if (!HaveDisplay() || qApp == nullptr) GTEST_SKIP() << "no X display: run under xvfb-run";
    QTemporaryDir settings, work;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const QString data = work.filePath(QStringLiteral("sand_cantilever.tx5d"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TORVEX_EXAMPLES "/sand_cantilever.tx5d"), data));
    QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner);
    QStringList messages;
    ResetUi();
    Ui().information = [&](QWidget*, const QString& t) { messages << t; };
    SetEngineLibraryPath(QStringLiteral(TORVEX_BIN_DIR "/libTorvex2015_DLL.so"));
    {
        TMainForm form;
        form.startUp(data);
        form.resize(1200, 800);
        form.show();
        QApplication::processEvents();
        EXPECT_EQ(form.windowTitle(), QStringLiteral("TORVEX 2015.5.5 - Sand_cantilever.tx5d"));
        form.action(QStringLiteral("CompRun"))->trigger();
        EXPECT_EQ(messages.value(messages.size() - 1), QString::fromLatin1(kMsgCompleted));
        EXPECT_TRUE(QFileInfo::exists(ReportPath(data)));
        form.action(QStringLiteral("TbSoilLayers"))->trigger();
        for (int i = 0; i < 10; ++i) QApplication::processEvents();
        const QPixmap shot = form.screen()->grabWindow(form.winId());
        QDir().mkpath(QStringLiteral(TORVEX_SHOT_DIR));
        EXPECT_TRUE(shot.save(QStringLiteral(TORVEX_SHOT_DIR "/x11_main_window.png")));
        // A window really drawn: not one flat colour.
        const QImage image = shot.toImage();
        ASSERT_FALSE(image.isNull());
        const QRgb corner = image.pixel(5, image.height() / 2);
        bool varied = false;
        for (int y = 0; y < image.height() && !varied; y += 7)
            for (int x = 0; x < image.width() && !varied; x += 7) varied = image.pixel(x, y) != corner;
        EXPECT_TRUE(varied);
        EXPECT_FALSE(form.mdiArea()->subWindowList().isEmpty());

        // The combined deflection-moment-shear graph of the run.
        form.closeChildWindows();
        form.graphs()->GraphicsMenuClick();
        ASSERT_TRUE(form.graphs()->DefMomShear->isEnabled());
        form.graphs()->DefMomShear->trigger();
        for (int i = 0; i < 10; ++i) QApplication::processEvents();
        const QPixmap graph = form.screen()->grabWindow(form.winId());
        EXPECT_TRUE(graph.save(QStringLiteral(TORVEX_SHOT_DIR "/x11_combined_graph.png")));
    }
    SetEngineLibraryPath(QString());
    ResetUi();
}

}  // namespace
}  // namespace torvex
