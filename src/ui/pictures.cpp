#include "ui/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace ksm::ui {
namespace {

// Sheet metal lit from the left.
QLinearGradient Metal(qreal left, qreal right) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.0, QColor(138, 146, 154));
    g.setColorAt(0.3, QColor(236, 239, 242));
    g.setColorAt(0.7, QColor(196, 202, 208));
    g.setColorAt(1.0, QColor(122, 129, 137));
    return g;
}

void DrawBackground(QPainter& p, qreal w, qreal h, qreal ground) {
    QLinearGradient sky(0, 0, 0, ground);
    sky.setColorAt(0, QColor(200, 222, 242));
    sky.setColorAt(1, QColor(244, 247, 250));
    p.fillRect(QRectF(0, 0, w, ground), sky);
    p.fillRect(QRectF(0, ground, w, h - ground), QColor(124, 146, 92));
    p.setPen(QPen(QColor(92, 112, 66), 1));
    p.drawLine(QPointF(0, ground), QPointF(w, ground));
}

void DrawLegs(QPainter& p, qreal left, qreal right, qreal top, qreal ground) {
    p.setPen(QPen(QColor(110, 116, 124), 1));
    p.drawLine(QPointF(left + 3, top + 8), QPointF(right - 3, ground - 4));
    p.drawLine(QPointF(right - 3, top + 8), QPointF(left + 3, ground - 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(88, 94, 102));
    p.drawRect(QRectF(left, top, 5, ground - top));
    p.drawRect(QRectF(right - 5, top, 5, ground - top));
}

void DrawLadder(QPainter& p, qreal x, qreal top, qreal bottom) {
    p.setPen(QPen(QColor(96, 102, 110), 1));
    p.drawLine(QPointF(x, top), QPointF(x, bottom));
    p.drawLine(QPointF(x + 6, top), QPointF(x + 6, bottom));
    for (qreal y = top + 3; y < bottom; y += 6) p.drawLine(QPointF(x, y), QPointF(x + 6, y));
}

}  // namespace

QPixmap SiloPicture(QSize size) {
    // Drawn on a 177 x 311 canvas and scaled to the size asked for.
    constexpr qreal W = 177, H = 311;
    constexpr qreal left = 30, right = 147, wall_top = 66, wall_bottom = 222, ground = 298;
    constexpr qreal centre = (left + right) / 2;
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / W, size.height() / H);

    DrawBackground(p, W, H, ground);
    DrawLegs(p, left + 2, right - 2, wall_bottom - 4, ground);

    // Hopper and outlet.
    p.setPen(QPen(QColor(96, 102, 110), 1));
    p.setBrush(Metal(left, right));
    p.drawPolygon(QPolygonF({QPointF(left, wall_bottom), QPointF(right, wall_bottom),
                             QPointF(centre + 12, 268), QPointF(centre - 12, 268)}));
    p.setBrush(QColor(110, 116, 124));
    p.drawRect(QRectF(centre - 8, 268, 16, 9));

    // Corrugated wall.
    p.setBrush(Metal(left, right));
    p.drawRect(QRectF(left, wall_top, right - left, wall_bottom - wall_top));
    for (qreal y = wall_top + 5; y < wall_bottom; y += 7) {
        p.setPen(QPen(QColor(255, 255, 255, 90), 1));
        p.drawLine(QPointF(left + 1, y), QPointF(right - 1, y));
        p.setPen(QPen(QColor(60, 70, 80, 60), 1));
        p.drawLine(QPointF(left + 1, y + 2), QPointF(right - 1, y + 2));
    }

    // The front cut open: the inside, the stored grain with its cone, the probes.
    const QRectF inside(left + 10, wall_top + 8, right - left - 20, wall_bottom - wall_top - 14);
    QLinearGradient shade(inside.left(), 0, inside.right(), 0);
    shade.setColorAt(0, QColor(120, 128, 140));
    shade.setColorAt(0.5, QColor(176, 184, 194));
    shade.setColorAt(1, QColor(112, 120, 132));
    p.setPen(Qt::NoPen);
    p.fillRect(inside, shade);
    QPainterPath grain;
    grain.moveTo(inside.left(), inside.top() + 82);
    grain.quadTo(centre, inside.top() + 54, inside.right(), inside.top() + 82);
    grain.lineTo(inside.bottomRight());
    grain.lineTo(inside.bottomLeft());
    grain.closeSubpath();
    QLinearGradient gold(0, inside.top() + 54, 0, inside.bottom());
    gold.setColorAt(0, QColor(236, 196, 104));
    gold.setColorAt(1, QColor(196, 150, 64));
    p.setBrush(gold);
    p.drawPath(grain);
    p.setPen(QPen(QColor(150, 108, 40, 140), 1));
    for (int i = 0; i < 140; ++i) {
        qreal x = inside.left() + 3 + (i * 37) % static_cast<int>(inside.width() - 6);
        qreal y = inside.top() + 80 + (i * 53) % static_cast<int>(inside.height() - 82);
        p.drawPoint(QPointF(x, y));
    }
    for (int probe = 0; probe < 3; ++probe) {
        qreal x = inside.left() + inside.width() * (probe + 1) / 4;
        qreal bottom = inside.bottom() - 6;
        p.setPen(QPen(QColor(32, 34, 38), 1.4));
        p.drawLine(QPointF(x, wall_top - 10), QPointF(x, bottom));
        p.setPen(QPen(QColor(90, 20, 10), 0.6));
        p.setBrush(QColor(228, 72, 36));
        for (qreal y = inside.top() + 10; y < bottom - 6; y += 15) {
            p.drawRoundedRect(QRectF(x - 2.5, y, 5, 4), 1, 1);
        }
        p.setBrush(QColor(70, 74, 80));
        p.drawRect(QRectF(x - 2.5, bottom, 5, 7));
    }
    p.setPen(QPen(QColor(70, 78, 88), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(inside);

    // Roof with its hatch and the measuring module on top.
    p.setPen(QPen(QColor(90, 96, 104), 1));
    QLinearGradient roof(left, 0, right, 0);
    roof.setColorAt(0, QColor(150, 158, 168));
    roof.setColorAt(0.35, QColor(214, 219, 224));
    roof.setColorAt(1, QColor(128, 136, 146));
    p.setBrush(roof);
    p.drawPolygon(QPolygonF(
        {QPointF(centre, 30), QPointF(right + 5, wall_top), QPointF(left - 5, wall_top)}));
    p.setBrush(QColor(26, 112, 64));
    p.drawRoundedRect(QRectF(centre - 13, 14, 26, 15), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 255, 120));
    p.drawEllipse(QPointF(centre + 8, 19), 1.8, 1.8);
    p.setBrush(QColor(220, 230, 220));
    p.drawRect(QRectF(centre - 9, 23, 12, 2));

    // The bus cable down the side of the silo.
    QPainterPath cable;
    cable.moveTo(centre - 13, 22);
    cable.cubicTo(left - 8, 24, left - 8, 40, left - 8, wall_top + 4);
    cable.lineTo(left - 8, ground - 2);
    cable.quadTo(left - 8, ground + 4, 0, ground + 5);
    p.setPen(QPen(QColor(40, 40, 44), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);

    DrawLadder(p, right + 2, wall_top + 2, wall_bottom);
    p.end();
    return pixmap;
}

QIcon ToolIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        QLinearGradient blue(0, 0, 0, 32);
        blue.setColorAt(0, QColor(0, 104, 184));
        blue.setColorAt(1, QColor(0, 56, 116));
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
        p.setBrush(QColor(236, 240, 244));
        p.drawPolygon(QPolygonF({QPointF(16, 4), QPointF(26, 11), QPointF(6, 11)}));
        p.drawRect(QRectF(7, 12, 18, 12));
        p.drawPolygon(
            QPolygonF({QPointF(7, 24), QPointF(25, 24), QPointF(19, 28), QPointF(13, 28)}));
        p.setPen(QPen(QColor(20, 30, 40), 1.4));
        p.drawLine(QPointF(16, 8), QPointF(16, 22));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 80, 40));
        for (qreal y : {13.0, 17.0, 21.0}) p.drawEllipse(QPointF(16, y), 1.6, 1.6);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon FirmwareGlyph() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(170, 176, 184), 1.5));
    for (qreal x = 9; x <= 23; x += 3.5) {
        p.drawLine(QPointF(x, 13), QPointF(x, 16));
        p.drawLine(QPointF(x, 28), QPointF(x, 31));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 44, 52));
    p.drawRoundedRect(QRectF(6, 16, 20, 12), 1.5, 1.5);
    p.setBrush(QColor(90, 230, 110));
    p.drawPolygon(QPolygonF({QPointF(12, 0), QPointF(20, 0), QPointF(20, 6), QPointF(24, 6),
                             QPointF(16, 14), QPointF(8, 6), QPointF(12, 6)}));
    p.end();
    return QIcon(pixmap);
}

}  // namespace ksm::ui
