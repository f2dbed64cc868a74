// LoadPlotFile: reads the engine's plot data file (".tx5p") into the result
// graphs. The file is a sequence of problem blocks (one per analysis, stage,
// or short-/long-term analysis), each an earth-pressure block, a p-y block
// and a results block; the graphs end with one curve per problem.
#pragma once

#include <QString>
#include <vector>

class QWidget;
class TResultGraphs;

namespace torvex::graphs {

// The facts of the current project that the loader needs besides the file.
struct TPlotProject {
    int Units = 1;     // project units: 1 English, 2 SI, 3 other
    int NextCode = 0;  // 9 while the long-term analysis is on
    struct SoilLayer {
        int SoilType = 1;             // 1-based index into the soil-type list
        double DepthAtBottom = 0;     // as shown in the soil-layer table (ft or m)
    };
    std::vector<SoilLayer> SoilLayers;  // rows of the soil-layer table
    int Increments = 0;
    double IncrementLength = 0;  // as the project holds it (in or m)
    double FreeHeight = 0;       // as the project holds it (in or m)
};

// The plot data file of a project data file: its name with ".tx5p".
QString PlotFileName(const QString& dataFileName);

// True on success. A read error (missing file, malformed number, premature
// end) ends the load: what was read stays in the graphs, and with
// showMessages the user is told that the run went wrong.
bool LoadPlotFile(const QString& fileName, bool showMessages, TResultGraphs& graphs, const TPlotProject& project,
                  QWidget* messageParent = nullptr);

}  // namespace torvex::graphs
