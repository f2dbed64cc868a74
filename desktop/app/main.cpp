// TORVEX desktop program.
#include <QApplication>
#include <QStringList>

#include "main/main_form.h"
#include "main/ui_seam.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kavrel"));
    QApplication::setApplicationName(QStringLiteral("TORVEX 2015"));
    torvex::ResetUi();
    torvex::TMainForm window;
    const QStringList args = QApplication::arguments();
    window.startUp(args.size() > 1 ? args.at(1) : QString());
    window.show();
    return app.exec();
}
