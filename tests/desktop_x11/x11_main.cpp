// Test program entry for the tests that need a real X display (Xvfb):
// the program's windows as the desktop draws them.  Without a display the
// tests are skipped with a message.
#include <QApplication>
#include <QDir>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

// The desktop's message bus keeps a buffer for the life of the process;
// the leak checker is told to ignore it (and only it).
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }
#include <memory>

bool HaveDisplay() { return std::getenv("DISPLAY") != nullptr && std::strlen(std::getenv("DISPLAY")) > 0; }

int main(int argc, char** argv) {
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0) listing = true;
    std::unique_ptr<QApplication> app;
    if (!listing && HaveDisplay()) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
            const QString dir = QDir::tempPath() + "/torvex-xdg-runtime";
            QDir().mkpath(dir);
            QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            setenv("XDG_RUNTIME_DIR", dir.toLocal8Bit().constData(), 1);
        }
        app = std::make_unique<QApplication>(argc, argv);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
