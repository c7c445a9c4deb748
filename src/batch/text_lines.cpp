#include "batch/text_lines.h"

namespace vostrel {
namespace {

bool isNewline(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x000A && u <= 0x000D) || u == 0x0085 || u == 0x2028 || u == 0x2029;
}

bool isSpaceOrTab(QChar c) {
    return c == u' ' || c == u'\t';
}

}  // namespace

std::optional<QStringView> LineCursor::next() {
    if (done_) return std::nullopt;
    for (qsizetype i = start_; i < text_.size(); ++i) {
        if (!isNewline(text_[i])) continue;
        const QStringView line = text_.sliced(start_, i - start_);
        start_ = i + 1;
        return line;
    }
    done_ = true;
    return text_.sliced(start_);
}

QList<QStringView> splitLines(QStringView text) {
    QList<QStringView> lines;
    LineCursor cursor(text);
    while (const auto line = cursor.next()) lines.append(*line);
    return lines;
}

QStringView trimmedSpacesAndTabs(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isSpaceOrTab(text[begin])) ++begin;
    while (end > begin && isSpaceOrTab(text[end - 1])) --end;
    return text.sliced(begin, end - begin);
}

}  // namespace vostrel
