#include "ui/widgets/reduce_motion.h"

#include <QSettings>

namespace vostrel {

bool prefersReducedMotion() {
    const QByteArray variable = qgetenv("VOSTREL_REDUCE_MOTION");
    if (!variable.isEmpty() && variable != "0") return true;
    return QSettings().value(QStringLiteral("reduceMotion"), false).toBool();
}

}  // namespace vostrel
