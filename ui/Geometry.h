#pragma once

#include "core/Control.h"

#include <QColor>
#include <QRect>

// The windows' units on this screen: 15 twips a pixel, points at 96 dpi.
namespace geometry {

inline constexpr int kTwipsPerPixel = 15;

inline int px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}
inline QRect px(const Twips& t) {
    return {px(t.left), px(t.top), px(t.width), px(t.height)};
}
inline int fontPixels(double points) {
    return qMax(1, qRound(points * 96.0 / 72.0));
}

// &HBBGGRR as the windows hold colours.
inline QColor color(quint32 bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace geometry
