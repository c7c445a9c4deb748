#include "common/graphemes.h"

#include <QTextBoundaryFinder>

namespace vostrel {

QString firstGraphemes(const QString& text, qsizetype count) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (qsizetype taken = 0; taken < count; ++taken) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0) break;
        end = next;
    }
    return text.left(end);
}

}  // namespace vostrel
