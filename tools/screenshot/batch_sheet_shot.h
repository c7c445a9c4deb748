#pragma once

#include <QString>

namespace vostrel {
class DocumentWindow;
}

// Opens the batch sheet over `window` and, once it shows `screen` ("input", "contact" (no CSV
// yet), "contacts" (a CSV imported), "progress" or "summary"), saves a picture of it to `out` and
// quits with 0, or 1 when saving failed. Runs write into a temporary folder that is removed
// afterwards.
void shootBatchSheet(vostrel::DocumentWindow* window, const QString& screen, const QString& out);
