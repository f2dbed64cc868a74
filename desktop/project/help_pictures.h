// Help pictures of the table windows: line drawings that show what the
// columns of a table mean on the wall.
#pragma once

#include <QPixmap>

class QPainter;

// The user-specified distributed earth pressure: depths from the top of the
// wall and the lateral line load at each depth.
QPixmap EarthPressurePicture();
void PaintEarthPressurePicture(QPainter& painter);

// A tieback: depth of its head, inclination, unbonded and bonded lengths,
// and the spacing of the anchors of one row.
QPixmap TiebackPicture();
void PaintTiebackPicture(QPainter& painter);

inline constexpr int kHelpPictureWidth = 420;
inline constexpr int kHelpPictureHeight = 300;
