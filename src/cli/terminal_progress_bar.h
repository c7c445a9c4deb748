#pragma once

#include "batch/batch_records.h"

namespace vostrel::cli {

// One line on standard error, redrawn after every file: a bar, "completed/total" and the file
// just written, cut to the terminal's width. Does nothing when standard error is not a terminal,
// so redirected output and logs stay free of control characters.
class TerminalProgressBar {
  public:
    TerminalProgressBar();

    void show(const BatchProgress& progress);
    // Erases the line, if one was drawn, so what follows starts on a clean line.
    void clear();

  private:
    bool enabled_ = false;
    bool drawn_ = false;
    int width_ = 80;
};

}  // namespace vostrel::cli
