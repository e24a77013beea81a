#pragma once

#include <QRectF>
#include <QString>

class QPainter;

// The drawings that windows name for their pictures and backgrounds, painted
// in code: "mole", "goldmole", "decoy" and "grass".
namespace pictures {

// Paints the named drawing to fill box; false, with nothing painted, for a
// name it does not know.
bool paint(QPainter& p, const QString& name, const QRectF& box);

} // namespace pictures
