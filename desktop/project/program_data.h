// TProgramData: the project being edited - its scalar settings, option
// switches, file names and staged-construction state - together with the
// named grid tables that hold its list-shaped input. The program has one
// project; New and Open refill it in place, so connections to it survive.
//
// Lengths are held in inches (English) or metres (SI), forces in lb or kN;
// with "other" units values are held as entered.
#pragma once

#include "project/project_tables.h"

#include <QObject>
#include <QString>
#include <QStringList>

// Layouts of the project data file, as codes of Open: 1 = 2015 (".tx5d",
// the one written), 2 = 2013 (".tx4d"), 3 = 3.0 (".txd"), anything else = 2.0.
enum DataFileLayout { kLayout2015 = 1, kLayout2013 = 2, kLayout30 = 3, kLayout20 = 4 };

inline constexpr const char kNewFileName[] = "NewWall.tx5d";
inline constexpr const char kNewTitle[] = "New Wall";
inline constexpr const char kStageTitle[] = " Stage No : ";
// Filters of the Open dialog, in order; the 1-based index is the layout code.
inline const QStringList kOpenFilters = {"Torvex 2015 (*.tx5d)", "Torvex 2013 (*.tx4d)", "Torvex 3.0 (*.txd)",
                                         "Torvex 2.0 (*.txd)", "All Files (*.*)"};

// Units systems of a project.
enum ProjectUnits { kUnitsEnglish = 1, kUnitsSI = 2, kUnitsOther = 3 };

// The project's values with their defaults (a new project).
struct TProjectValues {
    QString FileName = QString::fromLatin1(kNewFileName);
    QString Title = QString::fromLatin1(kNewTitle);  // one line, at most 80 characters
    int Units = kUnitsEnglish;  // change it through TProgramData::SwitchUnits

    // Codes as last read or written (normalised by every save).
    int Koutpt = 0;        // earth pressure: 0 none, 1 user, 2 triangular, 3 trapezoidal
    int Kpyop = 0;         // p-y curves: 0 none, 1 external only, 2 generated
    int MeiCount = 0;      // moment-EI curve sets
    int TiebackCount = 0;  // tiebacks

    // Wall and iteration.
    int Increments = 0;           // the wall has nodes 0 ... Increments
    double IncrementLength = 0;   // length
    double MaxDeflection = 100;   // length; the iteration stops beyond it
    double Tolerance = 0.00001;   // length; deflection closure tolerance
    double FreeHeight = 0;        // length; depth of the excavation
    double WidthActive = 0;       // length; wall spacing for active earth pressure, Wa
    double WidthPy = 0;           // length; width for p-y soil resistance, Wp
    double WaterDepthBackfill = 0;    // length
    double WaterDepthExcavation = 0;  // length
    double ActivePressureFactor = 1.0;  // multiplies the generated active pressure
    int EarthPressureFlag = 1;
    double BackfillSlope = 0;  // degrees
    double UniformSurcharge = 0;  // stress, on top of the backfill
    // The single surcharges of older files, at one distance.
    double LegacySurchargeDistance = 0;  // length
    double LegacyPointLoad = 0;          // force
    double LegacyLineLoad = 0;           // force / length
    double LegacyStripLoad = 0;          // stress
    double LegacyStripWidth = 0;         // length

    // Option switches.
    int EarthPressureOption = 2;  // 1 user-specified, 2 triangular, 3 trapezoidal (0 from a file with KOUTPT 0)
    bool UserEarthPressure = false;      // EarthPressureOption == 1
    bool GenerateEarthPressure = false;  // read from a file with generated earth pressure
    bool GeneratePyOption = true;
    bool ApplyExternalPy = false;
    bool ApplyMei = false;
    bool ApplyPyModifiers = false;
    bool ApplyConcentratedLoads = false;
    bool ApplySprings = false;
    bool ApplyTiebacks = false;
    bool ApplySurcharges = false;
    bool ApplyRestraints = false;
    bool LongTerm = false;  // short-term and long-term analyses
    int NextCode = 0;       // 9 while LongTerm is on, else 0; a stage file's NEXT when one was read

    // Staged construction and file bookkeeping.
    int StageCount = 1;  // 1 = staged construction off, else 2 ... 5
    int CurrentStage = 1;
    QString StageFileName;
    QString SavePath;
    QString PreviousFileName;
    int StageFileLayout = kLayout2015;  // kLayout2015, kLayout2013 or kLayout30

    bool operator==(const TProjectValues&) const = default;
};

class TProgramData : public QObject, public TProjectValues {
    Q_OBJECT

public:
    // Creates the tables and a new project; the project becomes Instance().
    explicit TProgramData(QObject* parent = nullptr);
    ~TProgramData() override;

    // The program's project: the one created last and still alive.
    static TProgramData* Instance();

    TProjectTables& Tables() const { return *tables_; }
    TGridTable* Table(const QString& name) const { return tables_->Table(name); }
    TProjectValues& Values() { return *this; }
    const TProjectValues& Values() const { return *this; }

    // A new project: default values in English units; every table emptied and
    // given its minimum rows of default values, except the curve-set tables
    // (PYCurves2, MEICurves2), which keep what they hold. Not modified.
    void New();

    // Converts the scalars between English and SI and switches every table
    // but the curve tables; surcharge magnitudes follow their load type.
    // Does not mark the project as modified.
    void SwitchUnits(int units);

    // Modified: the project's own flag or any table's change mark.
    bool IsModified() const;
    void SetModified();
    void ClearModified();  // also clears every table's change mark

    // Writes the project to a data file in the 2015 layout (the file name is
    // not changed). The options that are off empty their tables and the codes
    // are normalised, in the project itself. The file is replaced only when
    // the whole file was written; throws EFileError with the system's message.
    void Save(const QString& path);
    // Reads a file of the given layout code into a new project whose file
    // name is path. On a read or file error the project keeps what was read,
    // padded to the minimum rows, and the error (EReadError or EFileError) is
    // thrown for the caller to show; the project is then taken as opened.
    void Open(const QString& path, int layout);
    // Opening by name: the layout follows the extension.
    void OpenByName(const QString& path);
    static int LayoutForFileName(const QString& path);  // ".tx4d" 2, ".txd" 3, else 1
    static int LayoutForFilter(int filterIndex);        // 1-based index of kOpenFilters

    // A stage file of the current stage: one problem, with the stage's title
    // and NEXT = stage. Throws EFileError.
    void WriteStageFile(const QString& path, int stage);
    // Reads one problem of a stage file (layout StageFileLayout) into the
    // current project, without emptying the tables first; NEXT goes to
    // NextCode. Errors as for Open.
    void ReadStageFile(const QString& path);

signals:
    void modifiedChanged(bool modified);
    void unitsChanged(int units);
    // New, Open or a stage read has refilled the project: views re-read it.
    void projectReloaded();

private:
    void WatchTables();
    void ScheduleModifiedCheck();
    void CheckModified();
    void FinishRead();

    TProjectTables* tables_;
    bool modified_ = false;
    bool announcedModified_ = false;
    bool checkPending_ = false;
};
