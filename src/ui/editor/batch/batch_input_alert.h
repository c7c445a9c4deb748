#pragma once

#include "batch/batch_error.h"

class QString;
class QWidget;

namespace vostrel {

// A window-modal "Batch Export" warning over `window`: `text` (plain text, as it names files
// and folders) with `error`'s message as the detail. Deleted when it closes.
void showBatchAlert(QWidget* window, const QString& text, const BatchError& error);

// Tells the user, in a window-modal alert over `parent`'s window, that the file chosen as batch
// input could not be read, and why; what the sheet held before stays as it was.
void showUnreadableInput(QWidget* parent, const BatchError& error);

}  // namespace vostrel
