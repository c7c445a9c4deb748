#pragma once

#include "batch/batch_error.h"

class QWidget;

namespace vostrel {

// Tells the user, in a window-modal alert over `parent`'s window, that the file chosen as batch
// input could not be read, and why; what the sheet held before stays as it was.
void showUnreadableInput(QWidget* parent, const BatchError& error);

}  // namespace vostrel
