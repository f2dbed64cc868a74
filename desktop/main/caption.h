// The main window's caption and the display name of a project file.
#pragma once

#include <QString>

namespace torvex {

inline constexpr const char kProgramCaption[] = "TORVEX 2015.5.5 - ";
inline constexpr const char kNewProjectName[] = "NewWall.tx5d";

// The file name without its folder; a ".txd" extension (any case) is
// dropped; the first character in upper case.
QString DisplayName(const QString& path);
QString WindowCaption(const QString& path);

}  // namespace torvex
