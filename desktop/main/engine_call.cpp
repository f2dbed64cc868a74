#include "main/engine_call.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QTemporaryDir>

namespace torvex {

namespace {

QString& LibraryOverride() {
    static QString path;
    return path;
}

// The library object exists only during a run.
bool& EngineLoaded() {
    static bool loaded = false;
    return loaded;
}

// Makes a folder current for the lifetime of the object.
class CurrentFolder {
public:
    explicit CurrentFolder(const QString& folder) : previous_(QDir::currentPath()) { QDir::setCurrent(folder); }
    ~CurrentFolder() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

}  // namespace

QString InconsistentFilesMessage() {
    return QStringLiteral(
               "Computations can not be performed. Executable files are not consistent.\r"
               "You may need to reinstall the program.\r"
               "If problem persist please contact KAVREL support at") +
           QStringLiteral("\r") + QString::fromLatin1(kSupportAddress);
}

QString ChangeExtension(const QString& path, const QString& extension) {
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    if (suffix.isEmpty()) return path + extension;
    return path.left(path.size() - suffix.size() - 1) + extension;
}

QString ReportPath(const QString& dataPath) { return ChangeExtension(dataPath, QStringLiteral(".tx5o")); }
QString PlotPath(const QString& dataPath) { return ChangeExtension(dataPath, QStringLiteral(".tx5p")); }
QString RunNotesPath(const QString& dataPath) { return ChangeExtension(dataPath, QStringLiteral(".tx5r")); }

QByteArray NamesFileText(const QString& dataPath) {
    const QStringList lines = {QStringLiteral("2015.5.5"),
                               QStringLiteral("TORVEX file-name list"),
                               QStringLiteral("written by TORVEX 2015"),
                               QStringLiteral("0"),
                               dataPath,
                               ReportPath(dataPath),
                               PlotPath(dataPath),
                               RunNotesPath(dataPath)};
    QByteArray text;
    for (const QString& line : lines) text += line.toUtf8() + "\r\n";
    return text;
}

QString EngineLibraryPath() {
    if (!LibraryOverride().isEmpty()) return LibraryOverride();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/libTorvex2015_DLL.so");
}

void SetEngineLibraryPath(const QString& path) { LibraryOverride() = path; }

EngineCallResult CallEngine(const QString& dataPath, bool showBusyCursor) {
    EngineCallResult result;
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/torvex-run-XXXXXX"));
    if (!folder.isValid()) {
        result.status = EngineCallResult::Status::NamesNotWritten;
        result.message = QStringLiteral("Cannot create a run folder: ") + folder.errorString();
        return result;
    }
    QFile names(folder.filePath(QStringLiteral("NAMES.dat")));
    if (!names.open(QIODevice::WriteOnly) || names.write(NamesFileText(dataPath)) < 0 || !names.flush()) {
        result.status = EngineCallResult::Status::NamesNotWritten;
        result.message = names.errorString();
        return result;
    }
    names.close();

    if (EngineLoaded()) {
        result.status = EngineCallResult::Status::AlreadyLoaded;
        result.message = QString::fromLatin1(kMsgReinitialize);
        return result;
    }
    QLibrary library(EngineLibraryPath());
    using Entry = int (*)(int);
    Entry entry = nullptr;
    if (library.load()) entry = reinterpret_cast<Entry>(library.resolve("_ITORVEX"));
    if (entry == nullptr) {
        library.unload();
        result.status = EngineCallResult::Status::LoadFailed;
        result.message = QString::fromLatin1(kMsgInitializeFailed);
        return result;
    }
    EngineLoaded() = true;
    {
        CurrentFolder here(folder.path());
        if (showBusyCursor) QApplication::setOverrideCursor(Qt::WaitCursor);
        result.entryResult = entry(5);
        if (showBusyCursor) QApplication::restoreOverrideCursor();
    }
    library.unload();
    EngineLoaded() = false;
    if (result.entryResult == 1) {
        result.status = EngineCallResult::Status::Inconsistent;
        result.message = InconsistentFilesMessage();
    } else {
        result.status = EngineCallResult::Status::Completed;
        result.message = QString::fromLatin1(kMsgCompleted);
    }
    return result;
}

}  // namespace torvex
