// Test program entry for the desktop tests: a QApplication on the offscreen
// platform unless the environment chose another (xcb under Xvfb).
#include <QApplication>
#include <QDir>
#include <cstdlib>
#include <gtest/gtest.h>

// The desktop's message bus keeps a buffer for the life of the process;
// the leak checker is told to ignore it (and only it).
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        const QString dir = QDir::tempPath() + "/torvex-xdg-runtime";
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        setenv("XDG_RUNTIME_DIR", dir.toLocal8Bit().constData(), 1);
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
