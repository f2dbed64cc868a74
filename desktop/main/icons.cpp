#include "main/icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace torvex {

namespace {

// Draws an icon in a 32 x 32 design grid scaled to the requested size.
class VectorIconEngine : public QIconEngine {
public:
    explicit VectorIconEngine(IconKind kind) : kind_(kind) {}

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->translate(rect.topLeft());
        p->scale(rect.width() / 32.0, rect.height() / 32.0);
        if (mode == QIcon::Disabled) p->setOpacity(0.35);
        draw(*p);
        p->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    QIconEngine* clone() const override { return new VectorIconEngine(kind_); }

private:
    static QPen Ink(qreal width = 2.0) { return QPen(QColor(40, 40, 48), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

    static void Page(QPainter& p) {
        QPainterPath path;
        path.moveTo(8, 3);
        path.lineTo(20, 3);
        path.lineTo(26, 9);
        path.lineTo(26, 29);
        path.lineTo(8, 29);
        path.closeSubpath();
        p.setPen(Ink());
        p.setBrush(Qt::white);
        p.drawPath(path);
        p.drawLine(QPointF(20, 3), QPointF(20, 9));
        p.drawLine(QPointF(20, 9), QPointF(26, 9));
    }

    static void Wall(QPainter& p, qreal x = 14) {
        p.setPen(Ink(1.5));
        p.setBrush(QColor(120, 130, 150));
        p.drawRect(QRectF(x, 3, 4, 26));
    }

    static void Ground(QPainter& p, qreal top, qreal left, qreal right, QColor color) {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawRect(QRectF(left, top, right - left, 29 - top));
    }

    static void Axes(QPainter& p) {
        p.setPen(Ink(1.5));
        p.drawLine(QPointF(6, 4), QPointF(6, 28));
        p.drawLine(QPointF(6, 4), QPointF(28, 4));
    }

    static void Curve(QPainter& p, const QPainterPath& path, QColor color) {
        p.setPen(QPen(color, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }

    static void Number(QPainter& p, int n) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 90, 160));
        p.drawRoundedRect(QRectF(3, 3, 26, 26), 5, 5);
        QFont f;
        f.setBold(true);
        f.setPixelSize(20);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QString::number(n));
    }

    void draw(QPainter& p) const {
        const QColor blue(30, 90, 160), red(190, 40, 40), green(40, 140, 60), sand(222, 196, 130),
            clay(150, 110, 80);
        switch (kind_) {
            case IconKind::New:
                Page(p);
                p.setPen(QPen(green, 2.5));
                p.drawLine(QPointF(17, 15), QPointF(17, 25));
                p.drawLine(QPointF(12, 20), QPointF(22, 20));
                break;
            case IconKind::Open: {
                p.setPen(Ink());
                p.setBrush(QColor(235, 200, 90));
                QPainterPath path;
                path.moveTo(3, 8);
                path.lineTo(12, 8);
                path.lineTo(15, 11);
                path.lineTo(27, 11);
                path.lineTo(27, 26);
                path.lineTo(3, 26);
                path.closeSubpath();
                p.drawPath(path);
                p.setBrush(QColor(250, 225, 130));
                QPainterPath flap;
                flap.moveTo(6, 15);
                flap.lineTo(30, 15);
                flap.lineTo(27, 26);
                flap.lineTo(3, 26);
                flap.closeSubpath();
                p.drawPath(flap);
                break;
            }
            case IconKind::Save:
                p.setPen(Ink());
                p.setBrush(blue);
                p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
                p.setBrush(Qt::white);
                p.drawRect(QRectF(9, 4, 14, 9));
                p.drawRect(QRectF(8, 18, 16, 10));
                break;
            case IconKind::Title:
                Page(p);
                p.setPen(QPen(blue, 3));
                p.drawLine(QPointF(11, 12), QPointF(23, 12));
                p.drawLine(QPointF(17, 12), QPointF(17, 25));
                break;
            case IconKind::WallProperties:
                p.setPen(Ink());
                p.setBrush(QColor(120, 130, 150));
                p.drawRect(QRectF(9, 3, 14, 4));
                p.drawRect(QRectF(14, 7, 4, 18));
                p.drawRect(QRectF(9, 25, 14, 4));
                break;
            case IconKind::WallConfiguration:
                Ground(p, 10, 3, 14, sand);
                Ground(p, 20, 18, 29, sand);
                Wall(p);
                p.setPen(QPen(blue, 1.5));
                p.drawLine(QPointF(3, 14), QPointF(13, 14));
                break;
            case IconKind::SoilLayers:
                Ground(p, 3, 3, 29, sand);
                Ground(p, 12, 3, 29, clay);
                Ground(p, 21, 3, 29, QColor(120, 120, 120));
                p.setPen(Ink(1));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(3, 3, 26, 26));
                break;
            case IconKind::Run: {
                QPainterPath path;
                path.moveTo(9, 5);
                path.lineTo(26, 16);
                path.lineTo(9, 27);
                path.closeSubpath();
                p.setPen(Ink(1.5));
                p.setBrush(green);
                p.drawPath(path);
                break;
            }
            case IconKind::Stages:
                p.setPen(Ink(1.5));
                p.setBrush(sand);
                p.drawRect(QRectF(3, 22, 26, 7));
                p.drawRect(QRectF(3, 15, 18, 7));
                p.drawRect(QRectF(3, 8, 10, 7));
                break;
            case IconKind::ViewOutput:
                Page(p);
                p.setPen(QPen(QColor(90, 90, 90), 1.5));
                for (int y = 13; y <= 25; y += 4) p.drawLine(QPointF(11, y), QPointF(23, y));
                break;
            case IconKind::SoilProfile:
                Ground(p, 6, 3, 14, sand);
                Ground(p, 16, 18, 29, sand);
                Ground(p, 20, 3, 14, clay);
                Ground(p, 22, 18, 29, clay);
                Wall(p);
                break;
            case IconKind::View3D: {
                p.setPen(Ink(1.5));
                p.setBrush(QColor(170, 190, 220));
                QPolygonF top({{6, 10}, {16, 5}, {26, 10}, {16, 15}});
                p.drawPolygon(top);
                p.setBrush(QColor(120, 145, 190));
                p.drawPolygon(QPolygonF({{6, 10}, {16, 15}, {16, 27}, {6, 22}}));
                p.setBrush(QColor(90, 110, 160));
                p.drawPolygon(QPolygonF({{26, 10}, {16, 15}, {16, 27}, {26, 22}}));
                break;
            }
            case IconKind::PyCurves: {
                Axes(p);
                QPainterPath path;
                path.moveTo(6, 4);
                path.cubicTo(10, 20, 16, 24, 28, 25);
                Curve(p, path, red);
                break;
            }
            case IconKind::Deflection: {
                Axes(p);
                QPainterPath path;
                path.moveTo(22, 4);
                path.cubicTo(18, 14, 8, 20, 8, 28);
                Curve(p, path, blue);
                break;
            }
            case IconKind::Moment: {
                Axes(p);
                QPainterPath path;
                path.moveTo(6, 4);
                path.cubicTo(26, 10, 26, 18, 6, 28);
                Curve(p, path, red);
                break;
            }
            case IconKind::Shear: {
                Axes(p);
                QPainterPath path;
                path.moveTo(6, 4);
                path.lineTo(20, 12);
                path.lineTo(20, 18);
                path.cubicTo(14, 22, 8, 24, 6, 28);
                Curve(p, path, green);
                break;
            }
            case IconKind::SoilReaction: {
                Axes(p);
                QPainterPath path;
                path.moveTo(6, 14);
                path.cubicTo(20, 16, 22, 22, 6, 28);
                Curve(p, path, clay);
                break;
            }
            case IconKind::Combined: {
                p.setPen(Ink(1));
                for (int x : {3, 13, 23}) p.drawLine(QPointF(x, 4), QPointF(x, 28));
                QPainterPath d, m, s;
                d.moveTo(9, 4);
                d.cubicTo(7, 14, 4, 20, 4, 28);
                m.moveTo(13, 4);
                m.cubicTo(21, 12, 21, 18, 13, 28);
                s.moveTo(23, 4);
                s.lineTo(29, 14);
                s.cubicTo(26, 22, 24, 25, 23, 28);
                Curve(p, d, blue);
                Curve(p, m, red);
                Curve(p, s, green);
                break;
            }
            case IconKind::Pressure: {
                Wall(p, 5);
                QPainterPath path;
                path.moveTo(9, 3);
                path.lineTo(27, 29);
                path.lineTo(9, 29);
                path.closeSubpath();
                p.setPen(QPen(red, 1.5));
                p.setBrush(QColor(230, 140, 140, 160));
                p.drawPath(path);
                break;
            }
            case IconKind::Stage1: Number(p, 1); break;
            case IconKind::Stage2: Number(p, 2); break;
            case IconKind::Stage3: Number(p, 3); break;
            case IconKind::Stage4: Number(p, 4); break;
            case IconKind::Stage5: Number(p, 5); break;
        }
    }

    IconKind kind_;
};

}  // namespace

QIcon MakeIcon(IconKind kind) { return QIcon(new VectorIconEngine(kind)); }

}  // namespace torvex
