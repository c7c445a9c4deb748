#pragma once

#include <QImage>

#include "engine/module_matrix.h"

namespace vostrel::testing {

// A plain black-on-white picture of a matrix, `scale` pixels per module with a four-module quiet
// zone, rows reversed so that the symbol stands in the standard orientation. Independent of the
// product's renderers, so engine tests can be decoded without them.
QImage standardImageOfMatrix(const ModuleMatrix& matrix, int scale = 6);

}  // namespace vostrel::testing
