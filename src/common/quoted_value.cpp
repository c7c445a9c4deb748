#include "common/quoted_value.h"

#include <QChar>

namespace vostrel {

namespace {

bool isShownRaw(char32_t codePoint) {
    if (QChar::isSurrogate(codePoint)) return false;  // only lone ones get this far
    switch (QChar::category(codePoint)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_NotAssigned:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return false;
        default:
            return true;
    }
}

void appendEscaped(QString& text, char32_t codePoint) {
    switch (codePoint) {
        case U'\\':
            text += QStringLiteral("\\\\");
            return;
        case U'\'':
            text += QStringLiteral("\\'");
            return;
        case U'\t':
            text += QStringLiteral("\\t");
            return;
        case U'\n':
            text += QStringLiteral("\\n");
            return;
        case U'\r':
            text += QStringLiteral("\\r");
            return;
        default:
            break;
    }
    if (isShownRaw(codePoint)) {
        text += QStringView(QChar::fromUcs4(codePoint));
    } else {
        const QString hex = QStringLiteral("%1").arg(uint(codePoint), 4, 16, QLatin1Char('0'));
        text += QStringLiteral("\\u{") + hex.toUpper() + u'}';
    }
}

}  // namespace

QString quotedValue(QStringView value) {
    QString text(1, u'\'');
    qsizetype taken = 0;
    qsizetype i = 0;
    while (i < value.size() && taken < quotedValueLimit) {
        const QChar unit = value[i];
        char32_t codePoint = unit.unicode();
        qsizetype width = 1;
        if (unit.isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(unit, value[i + 1]);
            width = 2;
        }
        appendEscaped(text, codePoint);
        i += width;
        ++taken;
    }
    text += u'\'';
    if (i < value.size()) text += u'…';
    return text;
}

}  // namespace vostrel
