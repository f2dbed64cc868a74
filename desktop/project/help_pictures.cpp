#include "project/help_pictures.h"

#include <QFont>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace {

const QColor kInk(20, 20, 20);
const QColor kWallFill(190, 190, 190);
const QColor kLoadColour(30, 70, 170);

void Arrow(QPainter& p, QPointF from, QPointF to, double head = 7.0) {
    p.drawLine(from, to);
    const QLineF line(to, from);
    const double angle = qDegreesToRadians(line.angle());
    const QPointF a = to + QPointF(std::cos(angle + 0.4) * head, -std::sin(angle + 0.4) * head);
    const QPointF b = to + QPointF(std::cos(angle - 0.4) * head, -std::sin(angle - 0.4) * head);
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(QPolygonF({to, a, b}));
    p.restore();
}

// A dimension line with arrow heads at both ends.
void Dimension(QPainter& p, QPointF a, QPointF b) {
    const QPointF middle = (a + b) / 2.0;
    Arrow(p, middle, a, 6.0);
    Arrow(p, middle, b, 6.0);
}

void GroundHatch(QPainter& p, double x0, double x1, double y) {
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    for (double x = x0 + 4; x + 8 <= x1; x += 14) p.drawLine(QPointF(x, y), QPointF(x + 8, y + 8));
}

void Wall(QPainter& p, double x, double top, double bottom) {
    p.save();
    p.setBrush(kWallFill);
    p.drawRect(QRectF(x, top, 12, bottom - top));
    p.restore();
}

void SetUp(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(QPen(kInk, 1.2));
}

QPixmap Render(void (*paint)(QPainter&)) {
    QImage image(kHelpPictureWidth, kHelpPictureHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter);
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace

void PaintEarthPressurePicture(QPainter& p) {
    p.save();
    SetUp(p);
    const double wallX = 300, top = 40, bottom = 280, excavation = 170;
    GroundHatch(p, 20, wallX, top);
    GroundHatch(p, wallX + 12, 410, excavation);
    Wall(p, wallX, top - 10, bottom);
    p.drawText(QPointF(24, top - 8), QStringLiteral("Backfill side"));
    p.drawText(QPointF(wallX + 16, top - 14), QStringLiteral("Top of wall"));
    p.drawText(QPointF(wallX + 16, excavation - 8), QStringLiteral("Excavation level"));

    // The pressure diagram: one point per table row, the load drawn to the
    // left of the wall at its depth.
    const QPointF points[] = {{wallX, top}, {240, 120}, {200, 200}, {220, 270}};
    p.setPen(QPen(kLoadColour, 1.6));
    p.drawPolyline(points, 4);
    p.setPen(QPen(kLoadColour, 1.0));
    for (double y : {62.0, 84.0, 106.0, 140.0, 162.0, 184.0, 232.0, 254.0}) {
        double x = wallX;
        for (int i = 0; i + 1 < 4; ++i)
            if (y >= points[i].y() && y <= points[i + 1].y())
                x = points[i].x() + (points[i + 1].x() - points[i].x()) * (y - points[i].y()) /
                                        (points[i + 1].y() - points[i].y());
        if (wallX - x > 8) Arrow(p, QPointF(x, y), QPointF(wallX - 1, y), 5.0);
    }
    p.setPen(QPen(kInk, 1.0));
    for (int i = 0; i < 4; ++i) {
        p.drawEllipse(points[i], 3, 3);
        p.drawText(points[i] + QPointF(i == 0 ? -16 : -18, i == 0 ? 16 : 4), QString::number(i + 1));
    }

    // Depth of point 3 from the top of the wall, and its load.
    p.setPen(QPen(kInk, 1.0, Qt::DashLine));
    p.drawLine(QPointF(40, top), QPointF(wallX, top));
    p.drawLine(QPointF(40, 200), QPointF(180, 200));
    p.setPen(QPen(kInk, 1.0));
    Dimension(p, QPointF(50, top), QPointF(50, 200));
    p.drawText(QRectF(58, 96, 120, 48), Qt::TextWordWrap, QStringLiteral("Depth measured from the top of the wall"));
    Dimension(p, QPointF(204, 200), QPointF(wallX - 1, 200));
    p.drawText(QPointF(208, 216), QStringLiteral("Load at point 3"));
    p.drawText(QPointF(20, 294), QStringLiteral("Points 1 to 4: rows of the table, in order of depth"));
    p.restore();
}

void PaintTiebackPicture(QPainter& p) {
    p.save();
    SetUp(p);
    const double wallX = 300, top = 30, bottom = 240, excavation = 190;
    GroundHatch(p, 10, wallX, top);
    GroundHatch(p, wallX + 12, 410, excavation);
    Wall(p, wallX, top - 10, bottom);
    p.drawText(QPointF(14, top - 8), QStringLiteral("Backfill side"));
    p.drawText(QPointF(wallX + 18, excavation - 8), QStringLiteral("Excavation"));

    // The anchor: head on the wall, unbonded length, then the bonded length.
    const QPointF head(wallX, 90);
    const double angle = qDegreesToRadians(20.0);
    const QPointF direction(-std::cos(angle), std::sin(angle));
    const QPointF bondStart = head + direction * 140.0;
    const QPointF bondEnd = bondStart + direction * 100.0;
    p.setPen(QPen(kInk, 1.6));
    p.drawLine(head, bondStart);
    p.setPen(QPen(kInk, 7.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(bondStart, bondEnd);
    p.setPen(QPen(kInk, 1.0));
    p.drawText(QPointF(170, 154), QStringLiteral("Unbonded anchor length"));
    p.drawText(QPointF(40, 135), QStringLiteral("Bonded length"));

    // Angle from the horizontal.
    p.setPen(QPen(kInk, 1.0, Qt::DashLine));
    p.drawLine(head, head + QPointF(-120, 0));
    p.setPen(QPen(kInk, 1.0));
    const double r = 70;
    p.drawArc(QRectF(head.x() - r, head.y() - r, 2 * r, 2 * r), 180 * 16, 20 * 16);
    p.drawText(QPointF(head.x() - r - 92, head.y() - 6), QStringLiteral("Angle from horizontal"));

    // Depth of the anchor head from the top of the wall.
    p.setPen(QPen(kInk, 1.0, Qt::DashLine));
    p.drawLine(QPointF(wallX + 12, head.y()), QPointF(wallX + 60, head.y()));
    p.setPen(QPen(kInk, 1.0));
    Dimension(p, QPointF(wallX + 40, top - 10), QPointF(wallX + 40, head.y()));
    p.drawText(QRectF(wallX + 46, 40, 70, 40), Qt::TextWordWrap, QStringLiteral("Depth from top of wall"));

    // Plan of one row of anchors and their spacing.
    const double planY = 262;
    p.drawText(QPointF(10, planY - 6), QStringLiteral("Plan:"));
    p.setPen(QPen(kInk, 3.0));
    p.drawLine(QPointF(50, planY), QPointF(290, planY));
    p.setPen(QPen(kInk, 1.6));
    for (double x : {90.0, 170.0, 250.0}) p.drawLine(QPointF(x, planY), QPointF(x, planY + 22));
    p.setPen(QPen(kInk, 1.0));
    Dimension(p, QPointF(170, planY + 30), QPointF(250, planY + 30));
    p.drawText(QPointF(258, planY + 34), QStringLiteral("Anchor spacing in each row"));
    p.restore();
}

QPixmap EarthPressurePicture() { return Render(&PaintEarthPressurePicture); }
QPixmap TiebackPicture() { return Render(&PaintTiebackPicture); }
