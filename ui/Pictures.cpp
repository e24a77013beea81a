#include "ui/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// The creatures are drawn on a 100 x 100 square; the hole's front lip hides
// the bottom of the body, so that each one peeks out of the ground.
struct Look {
    QColor body, outline, muzzle;
    bool shine = false;   // the golden one: a glow and sparkles
    bool hardHat = false; // the decoy: a hat with a red cross, not to be hit
};

const QColor kSoil(122, 82, 48);
const QColor kHole(52, 32, 18);

void drawHole(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kHole);
    p.drawEllipse(QRectF(4, 76, 92, 20));
}

void drawBody(QPainter& p, const Look& look) {
    p.save();
    p.setClipRect(QRectF(0, 0, 100, 88));
    if (look.shine) {
        QRadialGradient glow(QPointF(40, 30), 60);
        glow.setColorAt(0, look.body.lighter(150));
        glow.setColorAt(1, look.body);
        p.setBrush(glow);
    } else {
        p.setBrush(look.body);
    }
    p.setPen(QPen(look.outline, 2));
    p.drawEllipse(QRectF(18, 12, 64, 100));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(look.muzzle);
    p.drawEllipse(QRectF(31, 42, 38, 28));
}

void drawEyes(QPainter& p) {
    p.setPen(Qt::NoPen);
    for (qreal x : {38.0, 62.0}) {
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(x, 36), 4.5, 5.5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x + 1.5, 34), 1.6, 1.6);
    }
}

void drawNoseAndWhiskers(QPainter& p) {
    p.setPen(QPen(QColor(60, 40, 30), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (qreal side : {-1.0, 1.0}) {
        p.drawLine(QPointF(50 + side * 10, 53), QPointF(50 + side * 28, 49));
        p.drawLine(QPointF(50 + side * 10, 57), QPointF(50 + side * 28, 59));
    }
    QPainterPath mouth(QPointF(44, 59));
    mouth.quadTo(QPointF(47, 62), QPointF(50, 59));
    mouth.quadTo(QPointF(53, 62), QPointF(56, 59));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
    p.setPen(QPen(QColor(200, 80, 120), 1));
    p.setBrush(QColor(244, 143, 177));
    p.drawEllipse(QPointF(50, 51), 7, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 128, 160, 90)); // cheeks
    p.drawEllipse(QPointF(33, 51), 5, 3);
    p.drawEllipse(QPointF(67, 51), 5, 3);
}

void drawLipAndPaws(QPainter& p, const Look& look) {
    p.save();
    p.setClipRect(QRectF(0, 86, 100, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(kSoil);
    p.drawEllipse(QRectF(4, 76, 92, 20));
    p.restore();
    for (qreal x : {30.0, 70.0}) {
        p.setPen(QPen(look.outline, 1.5));
        p.setBrush(QColor(233, 185, 154));
        p.drawEllipse(QPointF(x, 84), 9, 6);
        p.setPen(QPen(QColor(255, 250, 230), 2, Qt::SolidLine, Qt::RoundCap));
        for (int claw = -1; claw <= 1; ++claw)
            p.drawLine(QPointF(x + claw * 5, 87), QPointF(x + claw * 5.5, 92));
    }
}

void drawSparkle(QPainter& p, QPointF at, qreal size) {
    QPainterPath star;
    star.moveTo(at + QPointF(0, -size));
    star.quadTo(at, at + QPointF(size, 0));
    star.quadTo(at, at + QPointF(0, size));
    star.quadTo(at, at + QPointF(-size, 0));
    star.quadTo(at, at + QPointF(0, -size));
    p.setPen(QPen(QColor(255, 193, 7), 1));
    p.setBrush(QColor(255, 249, 196));
    p.drawPath(star);
}

void drawShine(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QRectF(30, 16, 14, 8));
    drawSparkle(p, {11, 22}, 9);
    drawSparkle(p, {89, 16}, 10);
    drawSparkle(p, {86, 60}, 6);
    drawSparkle(p, {14, 62}, 5);
}

void drawHardHat(QPainter& p) {
    const QColor yellow(255, 214, 0), edge(150, 115, 0);
    p.setPen(QPen(edge, 1.5));
    p.setBrush(yellow);
    p.drawChord(QRectF(17, 2, 66, 44), 0, 180 * 16);
    p.drawRoundedRect(QRectF(9, 22, 82, 7), 3, 3);
    p.setPen(QPen(QColor(229, 57, 53), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(42, 6), QPointF(58, 19));
    p.drawLine(QPointF(58, 6), QPointF(42, 19));
}

void drawCreature(QPainter& p, const QRectF& box, const Look& look) {
    const qreal side = qMin(box.width(), box.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    p.scale(side / 100, side / 100);
    drawHole(p);
    drawBody(p, look);
    drawEyes(p);
    drawNoseAndWhiskers(p);
    drawLipAndPaws(p, look);
    if (look.shine) drawShine(p);
    if (look.hardHat) drawHardHat(p);
    p.restore();
}

// A tuft of blades, fanned out from its root.
void drawTuft(QPainter& p, QPointF root, qreal height, const QColor& colour) {
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int blade = -2; blade <= 2; ++blade) {
        QPainterPath path(root + QPointF(blade * 2, 0));
        path.quadTo(root + QPointF(blade * 2, -height * 0.6),
                    root + QPointF(blade * height * 0.22, -height * (1 - 0.1 * qAbs(blade))));
        p.drawPath(path);
    }
}

// A fixed scatter, the same on every paint: a small hash of the cell.
qreal jitter(int i, int j, int salt) {
    const unsigned h =
        (unsigned(i) * 73856093u) ^ (unsigned(j) * 19349663u) ^ (unsigned(salt) * 83492791u);
    const unsigned mixed = (h ^ (h >> 13)) * 1274126177u;
    return ((mixed >> 8) & 0xFFFFu) / 65535.0;
}

void drawGrass(QPainter& p, const QRectF& box) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient field(box.topLeft(), box.bottomLeft());
    field.setColorAt(0, QColor(132, 204, 92));
    field.setColorAt(1, QColor(78, 154, 46));
    p.fillRect(box, field);
    const qreal band = 36;
    for (qreal y = box.top(); y < box.bottom(); y += 2 * band) // mown stripes
        p.fillRect(QRectF(box.left(), y, box.width(), band), QColor(255, 255, 255, 18));
    const qreal cell = 44;
    for (int i = 0; i * cell < box.width(); ++i) {
        for (int j = 0; j * cell < box.height(); ++j) {
            const QPointF root = box.topLeft() + QPointF((i + jitter(i, j, 1)) * cell,
                                                         (j + 0.3 + 0.7 * jitter(i, j, 2)) * cell);
            const bool dark = jitter(i, j, 3) < 0.6;
            drawTuft(p, root, 8 + 8 * jitter(i, j, 4),
                     dark ? QColor(46, 125, 50) : QColor(174, 213, 129));
        }
    }
    p.restore();
}

} // namespace

namespace pictures {

bool paint(QPainter& p, const QString& name, const QRectF& box) {
    if (name == u"mole") {
        drawCreature(p, box, {QColor(139, 90, 43), QColor(80, 50, 20), QColor(222, 184, 135)});
    } else if (name == u"goldmole") {
        drawCreature(p, box,
                     {QColor(230, 180, 34), QColor(150, 110, 0), QColor(255, 236, 160), true});
    } else if (name == u"decoy") {
        drawCreature(
            p, box,
            {QColor(140, 140, 140), QColor(70, 70, 70), QColor(210, 210, 210), false, true});
    } else if (name == u"grass") {
        drawGrass(p, box);
    } else {
        return false;
    }
    return true;
}

} // namespace pictures
