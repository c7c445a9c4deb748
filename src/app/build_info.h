#pragma once

#include <QString>

namespace vostrel {

// The commit this program was built from (abbreviated), or an empty string when it was not
// built from a git checkout, for instance from a release tarball.
QString buildIdentifier();

}  // namespace vostrel
