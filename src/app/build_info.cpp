#include "app/build_info.h"

namespace vostrel {

QString buildIdentifier() {
    return QStringLiteral(VOSTREL_BUILD_ID);
}

}  // namespace vostrel
