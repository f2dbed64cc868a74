#include "graphs/plot_loader.h"

#include "graphs/graph_texts.h"
#include "graphs/plot_number_reader.h"
#include "graphs/result_graphs.h"
#include "grid/message_box.h"

#include <QFileInfo>
#include <algorithm>

namespace torvex::graphs {

QString PlotFileName(const QString& dataFileName) {
    const QFileInfo info(dataFileName);
    const QString suffix = info.suffix();
    QString base = dataFileName;
    if (!suffix.isEmpty()) base.chop(suffix.size() + 1);
    return base + QString::fromLatin1(kPlotFileExtension);
}

namespace {

// English results come in inches and pound-inches; the graphs show depth in
// feet, moment in inch-kips and shear in kips.
constexpr long double kInchesPerFoot = 12;
constexpr long double kPoundsPerKip = 1000;

// The fewest numbers a further problem block can take: the earth-pressure
// count, the p-y header and the results header.
constexpr int kMinimumBlockTokens = 6;

using Points = std::vector<TFloatPoint>;

class TPlotFileLoader {
public:
    TPlotFileLoader(TPlotNumberReader& reader, TResultGraphs& graphs, const TPlotProject& project)
        : in_(reader), g_(graphs), project_(project) {}

    void Run() {
        int blocks = 1;
        int units = 1;
        for (int s = 0; s < blocks; ++s) {
            ReadEarthPressure(s, blocks);
            units = ReadPYCurves(s);
            const int sets = ReadResults(s, units, blocks);
            if (s == 0) {
                blocks = std::max(1, sets);
                g_.pltDMS->ShowThree = true;
                if (sets <= 0) break;
                SetSoilColumn();
            } else {
                NameStageCurves(s);
            }
        }
        Equalise(blocks);
        SetCaptions(units);
        for (TGraphPlot* graph : g_.All()) graph->SetUnits(units);
    }

private:
    QList<TGraphPlot*> ResultPlots() const { return {g_.pltDef, g_.pltMom, g_.pltShear, g_.pltSoil}; }

    static void Fill(TLine& line, const Points& points) {
        line.Points = points;
    }

    void ReadEarthPressure(int s, int blocks) {
        if (s == 0) {
            g_.pltLD->Curves.SetCount(1);
            g_.PltCombine->Curves.SetCount(3);
        } else {
            g_.pltLD->Curves.SetCount(blocks);
        }
        const int rows = in_.ReadInteger();
        Points total, soils, surcharge, depthOnly;
        // The points grow as rows are read, so a file that breaks off keeps
        // the rows before the break.
        const auto store = [&] {
            pressure_.push_back(total);
            Fill(g_.pltLD->Curves[s], total);
            if (s == 0) {
                TCurveList& combined = g_.PltCombine->Curves;
                Fill(combined[0], depthOnly);
                Fill(combined[1], soils);
                Fill(combined[2], surcharge);
                combined[0].Name = QString::fromUtf8(kTotalEarthPressure);
                combined[1].Name = QString::fromUtf8(kFromSoils);
                combined[2].Name = QString::fromUtf8(kFromSurcharge);
            }
        };
        KeepingWhatWasRead(store, [&] { ReadPressureRows(rows, total, soils, surcharge, depthOnly); });
    }

    void ReadPressureRows(int rows, Points& total, Points& soils, Points& surcharge, Points& depthOnly) {
        for (int j = 0; j < rows; ++j) {
            const long double depth = in_.ReadFloat();
            const long double all = in_.ReadFloat();
            const long double fromSoils = in_.ReadFloat();
            const long double fromSurcharge = in_.ReadFloat();
            total.push_back({all, depth});
            // The combined graph is scaled by the project's own units.
            const long double y = project_.Units == 1 ? depth / kInchesPerFoot : depth;
            depthOnly.push_back({all, y});
            soils.push_back({fromSoils, y});
            surcharge.push_back({fromSurcharge, y});
        }
    }

    // Runs read; whatever it read is stored, also when it ends at a read error.
    template <typename Store, typename Read>
    static void KeepingWhatWasRead(Store store, Read read) {
        try {
            read();
        } catch (const EPlotReadError&) {
            store();
            throw;
        }
        store();
    }

    int ReadPYCurves(int s) {
        const int units = in_.ReadInteger();
        if (units == 1) {
            for (TFloatPoint& p : pressure_[static_cast<std::size_t>(s)]) p.Y /= kInchesPerFoot;
            Fill(g_.pltLD->Curves[s], pressure_[static_cast<std::size_t>(s)]);
        }
        const int curves = in_.ReadInteger();
        in_.Expect(curves, 2);
        TCurveList& py = g_.pltPY->Curves;
        py.SetCount(curves);
        int longest = 0;
        for (int i = 0; i < curves; ++i) {
            TLine& line = py[i];
            line.Value = in_.ReadFloat();  // depth, or station of a user curve
            const int points = in_.ReadInteger();
            Points read;
            KeepingWhatWasRead([&] { line.Points = read; }, [&] {
                for (int j = 0; j < points; ++j) {
                    const long double y = in_.ReadFloat();  // deflection
                    const long double p = in_.ReadFloat();  // soil resistance
                    read.push_back({y, p});
                }
            });
            longest = std::max(longest, points);
        }
        if (s == 0)
            for (int i = 0; i < curves; ++i) Lengthen(py[i], longest);
        return units;
    }

    int ReadResults(int s, int units, int blocks) {
        const int sets = in_.ReadInteger();
        // A corrupt count must not create more curves than blocks can follow.
        in_.Expect(static_cast<long long>(sets) - 1 - s, kMinimumBlockTokens);
        SetResultCurveCount(s == 0 ? sets : std::max(sets, blocks));
        const int rows = in_.ReadInteger();
        in_.ReadInteger();  // units again; the p-y block's value rules
        if (s == 0 && sets <= 0) return sets;
        // Sized only by a count the file can hold; a file that breaks off in
        // its rows keeps the rows before the break.
        if (s == 0 && in_.CanHold(rows, 5)) {
            for (TGraphPlot* graph : ResultPlots()) graph->Curves.SetPointCount(rows);
            g_.pltDMS->Curves.SetPointCount(rows);
            g_.pltDMS->Curves2.SetPointCount(rows);
            g_.pltDMS->Curves3.SetPointCount(rows);
        }
        Points deflection, moment, shear, reaction;
        const auto store = [&] { StoreResults(s, deflection, moment, shear, reaction); };
        KeepingWhatWasRead(store, [&] { ReadResultRows(rows, units == 1, deflection, moment, shear, reaction); });
        return sets;
    }

    void ReadResultRows(int rows, bool english, Points& deflection, Points& moment, Points& shear, Points& reaction) {
        for (int j = 0; j < rows; ++j) {
            long double depth = in_.ReadFloat();
            const long double w = in_.ReadFloat();
            long double m = in_.ReadFloat();
            long double v = in_.ReadFloat();
            const long double r = in_.ReadFloat();
            if (english) {
                depth /= kInchesPerFoot;
                m /= kPoundsPerKip;
                v /= kPoundsPerKip;
            }
            deflection.push_back({w, depth});
            moment.push_back({m, depth});
            shear.push_back({v, depth});
            reaction.push_back({r, depth});
        }
    }

    void StoreResults(int s, const Points& deflection, const Points& moment, const Points& shear,
                      const Points& reaction) {
        deflection_.resize(static_cast<std::size_t>(s) + 1);
        moment_.resize(static_cast<std::size_t>(s) + 1);
        shear_.resize(static_cast<std::size_t>(s) + 1);
        reaction_.resize(static_cast<std::size_t>(s) + 1);
        deflection_[static_cast<std::size_t>(s)] = deflection;
        moment_[static_cast<std::size_t>(s)] = moment;
        shear_[static_cast<std::size_t>(s)] = shear;
        reaction_[static_cast<std::size_t>(s)] = reaction;
        if (s < g_.pltDef->Curves.Count()) {
            Fill(g_.pltDef->Curves[s], deflection);
            Fill(g_.pltMom->Curves[s], moment);
            Fill(g_.pltShear->Curves[s], shear);
            Fill(g_.pltSoil->Curves[s], reaction);
            Fill(g_.pltDMS->Curves[s], deflection);
            Fill(g_.pltDMS->Curves2[s], moment);
            Fill(g_.pltDMS->Curves3[s], shear);
        }
    }

    void SetResultCurveCount(int curves) {
        for (TGraphPlot* graph : ResultPlots()) graph->Curves.SetCount(curves);
        g_.pltDMS->Curves.SetCount(curves);
        g_.pltDMS->Curves2.SetCount(curves);
        g_.pltDMS->Curves3.SetCount(curves);
    }

    void NameStageCurves(int s) {
        const bool longTerm = project_.NextCode == 9;
        QList<TGraphPlot*> named = ResultPlots();
        named << g_.pltDMS;
        for (TGraphPlot* graph : named) {
            TCurveList& curves = graph->Curves;
            if (curves.IsEmpty()) continue;
            curves[0].Name = longTerm ? QString::fromUtf8(kShortTerm) : QString::fromUtf8(kStagePrefix) + QLatin1Char('1');
            if (s >= curves.Count()) continue;
            curves[s].Name = longTerm && s == 1 ? QString::fromUtf8(kLongTerm)
                                                : QString::fromUtf8(kStagePrefix) + QString::number(s + 1);
        }
    }

    // Soil layers of the project, then the wall tip and the excavation level,
    // for the soil column of the combined graph.
    void SetSoilColumn() {
        const TCurveList& curves = g_.pltDMS->Curves;
        bool hasPoints = false;
        for (int i = 0; i < curves.Count(); ++i) hasPoints = hasPoints || curves[i].Count() > 0;
        if (!hasPoints) return;
        TGraphPlot& dms = *g_.pltDMS;
        const int layers = static_cast<int>(project_.SoilLayers.size());
        dms.LayerLines.SetCount(layers + 2);
        for (int i = 0; i < layers; ++i) {
            const TPlotProject::SoilLayer& row = project_.SoilLayers[static_cast<std::size_t>(i)];
            TLine& line = dms.LayerLines[i];
            line.SetCount(1);
            line.Points[0] = {0, row.DepthAtBottom};
            if (row.SoilType < 4) {
                line.Name = QString::fromUtf8(kLayerClay);
                line.Points[0].X = 1;
            } else if (row.SoilType == 4) {
                line.Name = QString::fromUtf8(kLayerSand);
                line.Points[0].X = 7;
            } else if (row.SoilType == 5) {
                line.Name = QString::fromUtf8(kLayerSilt);
                line.Points[0].X = 8;
            } else if (row.SoilType == 6) {
                line.Name = QString::fromUtf8(kLayerStrongRock);
                line.Points[0].X = 9;
            } else if (row.SoilType == 7) {
                line.Name = QString::fromUtf8(kLayerWeakRock);
                line.Points[0].X = 10;
            } else {
                line.Name = QString::fromUtf8(kLayerPrefix) + QString::number(i + 1);
            }
        }
        dms.WallLineCount = layers;
        // Wall lengths are held in inches with English units; the graph's depth is in feet.
        const long double scale = project_.Units == 1 ? 1 / kInchesPerFoot : 1;
        const long double tip = static_cast<long double>(project_.Increments) * project_.IncrementLength * scale;
        const long double freeHeight = static_cast<long double>(project_.FreeHeight) * scale;
        for (int k = 0; k < 2; ++k) {
            TLine& wall = dms.LayerLines[layers + k];
            wall.SetCount(1);
            wall.Name = QString::fromUtf8(kWallLine);
            wall.Points[0] = {0, k == 0 ? tip : freeHeight};
        }
    }

    // A curve shorter than the longest of its graph repeats its last point.
    static void Lengthen(TLine& line, int count) {
        const TFloatPoint last = line.Points.empty() ? TFloatPoint{} : line.Points.back();
        while (line.Count() < count) line.Points.push_back(last);
    }

    static void Equalise(TCurveList& curves, const std::vector<Points>& own, int blocks) {
        curves.SetCount(blocks);
        std::size_t longest = 0;
        for (const Points& p : own) longest = std::max(longest, p.size());
        for (int s = 0; s < blocks; ++s) {
            TLine& line = curves[s];
            if (static_cast<std::size_t>(s) < own.size()) line.Points = own[static_cast<std::size_t>(s)];
            else line.Points.clear();
            Lengthen(line, static_cast<int>(longest));
        }
    }

    void Equalise(int blocks) {
        Equalise(g_.pltLD->Curves, pressure_, blocks);
        Equalise(g_.pltDef->Curves, deflection_, blocks);
        Equalise(g_.pltMom->Curves, moment_, blocks);
        Equalise(g_.pltShear->Curves, shear_, blocks);
        Equalise(g_.pltSoil->Curves, reaction_, blocks);
        Equalise(g_.pltDMS->Curves, deflection_, blocks);
        Equalise(g_.pltDMS->Curves2, moment_, blocks);
        Equalise(g_.pltDMS->Curves3, shear_, blocks);
    }

    void SetCaptions(int units) {
        const bool english = units == 1;
        const QString depth = QString::fromUtf8(english ? kDepthFeet : kDepthMetres);
        for (TGraphPlot* graph : {g_.pltDef, g_.pltMom, g_.pltShear, g_.pltSoil, g_.pltLD}) graph->YCaption = depth;
        g_.pltMom->XCaption = QString::fromUtf8(english ? kMomentEnglish : kMomentSI);
        g_.pltShear->XCaption = QString::fromUtf8(english ? kShearEnglish : kShearSI);
        TGraphPlot& dms = *g_.pltDMS;
        dms.XCaption = g_.pltDef->XCaption;
        dms.YCaption = g_.pltDef->YCaption;
        dms.XUnits = g_.pltDef->XUnits;
        dms.XCaption2 = g_.pltMom->XCaption;
        dms.YCaption2 = g_.pltMom->YCaption;
        dms.XUnits2 = g_.pltMom->XUnits;
        dms.XCaption3 = g_.pltShear->XCaption;
        dms.YCaption3 = g_.pltShear->YCaption;
        dms.XUnits3 = g_.pltShear->XUnits;
    }

    TPlotNumberReader& in_;
    TResultGraphs& g_;
    const TPlotProject& project_;
    // Points read per problem block, kept so that every curve keeps its own
    // rows when the blocks differ in length.
    std::vector<Points> pressure_, deflection_, moment_, shear_, reaction_;
};

}  // namespace

bool LoadPlotFile(const QString& fileName, bool showMessages, TResultGraphs& graphs, const TPlotProject& project,
                  QWidget* messageParent) {
    for (TGraphPlot* graph : graphs.All()) {
        graph->Curves.SetPointCount(0);
        // The names of the last load belong to its curves, not to this one's.
        for (int i = 0; i < graph->Curves.Count(); ++i) graph->Curves[i].Name.clear();
    }
    try {
        TPlotNumberReader reader = TPlotNumberReader::FromFile(fileName);
        TPlotFileLoader(reader, graphs, project).Run();
    } catch (const EPlotReadError&) {
        if (showMessages) ShowInformation(messageParent, QString::fromUtf8(kLoadError));
        return false;
    }
    return true;
}

}  // namespace torvex::graphs
