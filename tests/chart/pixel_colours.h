// The chart's colours as red, green, blue pixels; written out here rather than converted by the
// canvas, so that a wrong conversion shows.
#pragma once

#include <QColor>

inline const QRgb kWhite = qRgb(255, 255, 255);
inline const QRgb kBlack = qRgb(0, 0, 0);
inline const QRgb kAqua = qRgb(0, 255, 255);
inline const QRgb kOlive = qRgb(128, 128, 0);
inline const QRgb kNavy = qRgb(0, 0, 128);
inline const QRgb kLime = qRgb(0, 255, 0);
inline const QRgb kSilver = qRgb(192, 192, 192);
