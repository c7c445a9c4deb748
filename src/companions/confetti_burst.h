#pragma once

#include <QColor>
#include <QSize>
#include <QVector>
#include <functional>

namespace vostrel {

// The birthday burst: pieces thrown from the mascot in every direction, each flying out to its
// own offset and spin while `progress` eases from 0 to 1 over `duration`.
struct ConfettiPiece {
    double dx = 0.0;        // points, −72…72
    double dy = 0.0;        // points, 36…124
    double rotation = 0.0;  // degrees, −200…200
    QColor color;
    QSize size;  // width 4…7, height 8…13, whole points
};

namespace ConfettiBurst {

inline constexpr double duration = 0.9;

// Cyan, green, yellow, pink, orange and purple.
QVector<QColor> colors();

// `count` new pieces drawn from `random` (uniform 32-bit values; the application passes the
// system generator, tests a seeded one).
QVector<ConfettiPiece> makePieces(int count, const std::function<quint32()>& random);

// How far out the pieces are `elapsed` seconds after the launch: an ease-out from 0 to 1.
double progress(double elapsed);

}  // namespace ConfettiBurst

}  // namespace vostrel
