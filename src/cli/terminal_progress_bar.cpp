#include "cli/terminal_progress_bar.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <QString>
#include <cstdio>

namespace vostrel::cli {
namespace {

constexpr int barCells = 30;

int terminalWidth() {
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
}

QString bar(qsizetype completed, qsizetype total) {
    const int filled = total > 0 ? int(completed * barCells / total) : barCells;
    return u'[' + QString(filled, u'#') + QString(barCells - filled, u' ') + u']';
}

void writeToStderr(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

}  // namespace

TerminalProgressBar::TerminalProgressBar()
    : enabled_(isatty(STDERR_FILENO) == 1), width_(enabled_ ? terminalWidth() : 80) {}

void TerminalProgressBar::show(const BatchProgress& progress) {
    if (!enabled_) return;
    QString line = QStringLiteral("%1 %2/%3 %4")
                       .arg(bar(progress.completed, progress.total))
                       .arg(progress.completed)
                       .arg(progress.total)
                       .arg(progress.currentFileName);
    // One column short of the width, so the cursor never wraps onto a new line.
    line.truncate(qMax(0, width_ - 1));
    writeToStderr(u'\r' + line + QStringLiteral("\x1b[K"));
    drawn_ = true;
}

void TerminalProgressBar::clear() {
    if (drawn_) writeToStderr(QStringLiteral("\r\x1b[K"));
    drawn_ = false;
}

}  // namespace vostrel::cli
