#include "common/uniform_random.h"

#include <QRandomGenerator>

namespace vostrel {

quint32 uniformBelow(quint32 bound) {
    return uniformBelow(bound, [] { return QRandomGenerator::system()->generate(); });
}

}  // namespace vostrel
