#include "support/matrix_image.h"

namespace vostrel::testing {

QImage standardImageOfMatrix(const ModuleMatrix& matrix, int scale) {
    const int side = int(matrix.size());
    const int quiet = 4;
    QImage image((side + 2 * quiet) * scale, (side + 2 * quiet) * scale, QImage::Format_Grayscale8);
    image.fill(255);
    for (int row = 0; row < side; ++row) {
        const auto& cells = matrix[side - 1 - row];
        for (int col = 0; col < int(cells.size()); ++col) {
            if (!cells[col]) continue;
            for (int dy = 0; dy < scale; ++dy) {
                uchar* line = image.scanLine((row + quiet) * scale + dy);
                std::fill_n(line + (col + quiet) * scale, scale, uchar(0));
            }
        }
    }
    return image;
}

}  // namespace vostrel::testing
