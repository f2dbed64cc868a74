// Every user-visible text of the result graphs, in one place, so that the
// code and the tests use the same spelling.
#pragma once

namespace torvex::graphs {

// Window title before the mouse first moves over a graph window.
inline constexpr const char kPlotFormTitle[] = "PlotForm";
inline constexpr const char kTitleX[] = " X: ";
inline constexpr const char kTitleY[] = " Y: ";

// Plot menu of a graph window.
inline constexpr const char kPlotMenu[] = "&Plot";
inline constexpr const char kShowLegend[] = "Show &Legend";
inline constexpr const char kShowSoilLayer[] = "Show &Soil Layer";
inline constexpr const char kShowWallGeometry[] = "Show &Wall Geometry";
inline constexpr const char kShowMarkers[] = "Show &Markers";
inline constexpr const char kFontSize[] = "&Font Size";
inline constexpr const char kLineWidth[] = "&Line Width";
inline constexpr const char kGraphTitle[] = "&Graph Title";
inline constexpr const char kEditLegend[] = "&Edit Legend";
inline constexpr const char kActiveCurves[] = "&Active Curves";
inline constexpr const char kPrint[] = "&Print...";
inline constexpr const char kPageSetup[] = "P&age Setup";
inline constexpr const char kSaveToDisk[] = "&Save To Disk...";

struct TaggedText {
    const char* text;
    int tag;
};
// "Never" and "Default" are followed by a separator in their submenus.
inline constexpr TaggedText kMarkerItems[] = {
    {"&Never", 0},           {"Every &Increment", 1},  {"Every &2 Increments", 2},
    {"Every &3 Incrments", 3}, {"Every &5 Increments", 5}, {"Every &10 Incements", 10},
};
inline constexpr TaggedText kFontSizeItems[] = {
    {"&Default", 10},      {"1.5 * Default", 15}, {"2 * Default", 20},
    {"2.5 * Default", 25}, {"3 * Default", 30},   {"4 * Default", 40},
};
inline constexpr TaggedText kLineWidthItems[] = {
    {"&Default", 1}, {"2 * Default", 2}, {"4 * Default", 4}, {"6 * Default", 6}, {"10 * Default", 10},
};

// Result graphs and the Graphics menu.
inline constexpr const char kGraphicsMenu[] = "&Graphics";
inline constexpr const char kMenuPY[] = "p-&y Curves";
inline constexpr const char kMenuDef[] = "&Deflection vs Depth";
inline constexpr const char kMenuMom[] = "&Moment vs Depth";
inline constexpr const char kMenuShear[] = "&Shear vs Depth";
inline constexpr const char kMenuSoil[] = "&Reaction vs Depth";
inline constexpr const char kMenuDMS[] = "&Deflection, Moment and Shear";
inline constexpr const char kMenuLD[] = "Earth &Pressure Distribution";
inline constexpr const char kMenuCombine[] = "Earth Pressure Combined";
inline constexpr const char kMenuExportExcel[] = "Export Plots To Excel";

// Graph toolbar hints.
inline constexpr const char kHintPY[] = "View p-y Curves";
inline constexpr const char kHintDef[] = "Deflection Diagram";
inline constexpr const char kHintMom[] = "Moment Diagram";
inline constexpr const char kHintShear[] = "LShear Diagram";
inline constexpr const char kHintSoil[] = "Soil-Reaction Diagram";  // also the combined graph's button
inline constexpr const char kHintLD[] = "Pressure Diagram";

// Loader.
inline constexpr const char kLoadError[] = "An error occured in running the main program.";
inline constexpr const char kPlotFileExtension[] = ".tx5p";
inline constexpr const char kTotalEarthPressure[] = "Total Earth Pressure";
inline constexpr const char kFromSoils[] = "from Soils ";
inline constexpr const char kFromSurcharge[] = "from Surcharge Loads";
inline constexpr const char kStagePrefix[] = "Stage: ";
inline constexpr const char kShortTerm[] = "Short-Term";
inline constexpr const char kLongTerm[] = "Long-Term";
inline constexpr const char kDepthFeet[] = "Depth (ft)";
inline constexpr const char kDepthMetres[] = "Depth (m)";
inline constexpr const char kMomentEnglish[] = "Bending Moment (in-kips)";
inline constexpr const char kMomentSI[] = "Bending Moment (m-kN)";
inline constexpr const char kShearEnglish[] = "Shear (kips)";
inline constexpr const char kShearSI[] = "Shear (kN)";
inline constexpr const char kLayerClay[] = " CLAY ";
inline constexpr const char kLayerSand[] = " SAND ";
inline constexpr const char kLayerSilt[] = " SILT ";
inline constexpr const char kLayerStrongRock[] = "STRONG ROCK";
inline constexpr const char kLayerWeakRock[] = "WEAK ROCK";
inline constexpr const char kLayerPrefix[] = "LAYER ";
inline constexpr const char kWallLine[] = "PILE";

// Design-time captions of the result graphs.
inline constexpr const char kCaptionPY[] = "p-y Curves";
inline constexpr const char kCaptionDef[] = "Deflection vs Depth";
inline constexpr const char kCaptionMom[] = "Moment vs Depth";
inline constexpr const char kCaptionShear[] = "Shear vs Depth";
inline constexpr const char kCaptionSoil[] = "Soil Reaction vs Depth";
inline constexpr const char kCaptionLD[] = "Earth Pressure Distribution";
inline constexpr const char kCaptionCombine[] = "Earth Pressure Combined";
inline constexpr const char kCaptionDMS[] = "Deflection, Moment, Shear vs Depth";

}  // namespace torvex::graphs
