// TORVEX desktop program.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Kavrel");
    QApplication::setApplicationName("TORVEX");
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("TORVEX 2015.5.5 - NewWall.tx5d"));
    window.resize(1024, 720);
    window.show();
    return app.exec();
}
