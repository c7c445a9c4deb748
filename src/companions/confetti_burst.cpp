#include "companions/confetti_burst.h"

#include <algorithm>

#include "common/uniform_random.h"

namespace vostrel::ConfettiBurst {

namespace {

// A uniform value in [low, high] from 32 random bits.
double uniform(double low, double high, const std::function<quint32()>& random) {
    return low + (high - low) * (double(random()) / 4294967295.0);
}

int wholeBetween(int low, int high, const std::function<quint32()>& random) {
    return low + int(uniformBelow(quint32(high - low + 1), random));
}

}  // namespace

QVector<QColor> colors() {
    return {QColor(0x32, 0xc8, 0xe6), QColor(0x5c, 0xc9, 0x4a), QColor(0xff, 0xd1, 0x3b),
            QColor(0xff, 0x6f, 0xa5), QColor(0xff, 0x95, 0x2e), QColor(0x9b, 0x6b, 0xf2)};
}

QVector<ConfettiPiece> makePieces(int count, const std::function<quint32()>& random) {
    const QVector<QColor> palette = colors();
    QVector<ConfettiPiece> pieces;
    pieces.reserve(std::max(count, 0));
    for (int i = 0; i < count; ++i) {
        ConfettiPiece piece;
        piece.dx = uniform(-72.0, 72.0, random);
        piece.dy = uniform(36.0, 124.0, random);
        piece.rotation = uniform(-200.0, 200.0, random);
        piece.color = palette[int(uniformBelow(quint32(palette.size()), random))];
        piece.size = QSize(wholeBetween(4, 7, random), wholeBetween(8, 13, random));
        pieces.push_back(piece);
    }
    return pieces;
}

double progress(double elapsed) {
    const double t = std::clamp(elapsed / duration, 0.0, 1.0);
    return 1.0 - (1.0 - t) * (1.0 - t) * (1.0 - t);
}

}  // namespace vostrel::ConfettiBurst
