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

QList<QStringView> splitLines(QStringView text) {
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isNewline(text[i])) continue;
        lines.append(text.sliced(start, i - start));
        start = i + 1;
    }
    lines.append(text.sliced(start));
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
