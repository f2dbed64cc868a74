// The program's toolbar icons, drawn as vector shapes so that they stay
// crisp at any screen resolution.
#pragma once

#include <QIcon>

namespace torvex {

enum class IconKind {
    New, Open, Save, Title, WallProperties, WallConfiguration, SoilLayers, Run, Stages, ViewOutput,
    SoilProfile, View3D, PyCurves, Deflection, Moment, Shear, SoilReaction, Combined, Pressure,
    Stage1, Stage2, Stage3, Stage4, Stage5
};

QIcon MakeIcon(IconKind kind);

}  // namespace torvex
