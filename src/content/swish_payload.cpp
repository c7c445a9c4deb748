#include <QChar>
#include <algorithm>

#include "content/payload_encoding.h"

namespace vostrel {

namespace {

// Spaces and tabs, including the Unicode space separators; line breaks are not trimmed.
bool isHorizontalSpace(QChar c) {
    return c == u'\t' || c.category() == QChar::Separator_Space;
}

QStringView trimmedHorizontally(QStringView text) {
    while (!text.isEmpty() && isHorizontalSpace(text.front())) text = text.mid(1);
    while (!text.isEmpty() && isHorizontalSpace(text.back())) text.chop(1);
    return text;
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A plain decimal number: optional sign, digits, optional "." and fraction digits, with at least
// one digit in all. Kept as text so that rounding is exact.
struct DecimalText {
    bool negative = false;
    QString integerDigits;
    QString fractionDigits;
};

std::optional<DecimalText> parseDecimal(QStringView text) {
    DecimalText number;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        number.negative = text.front() == u'-';
        text = text.mid(1);
    }
    const qsizetype point = text.indexOf(u'.');
    const QStringView integer = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    if (integer.isEmpty() && fraction.isEmpty()) return std::nullopt;
    if (!std::all_of(integer.begin(), integer.end(), isAsciiDigit)) return std::nullopt;
    if (!std::all_of(fraction.begin(), fraction.end(), isAsciiDigit)) return std::nullopt;
    number.integerDigits = integer.toString();
    number.fractionDigits = fraction.toString();
    return number;
}

bool isZero(const DecimalText& number) {
    const auto zero = [](QChar c) { return c == u'0'; };
    return std::all_of(number.integerDigits.begin(), number.integerDigits.end(), zero) &&
           std::all_of(number.fractionDigits.begin(), number.fractionDigits.end(), zero);
}

// Adds one to a string of decimal digits in place, growing it on a carry out of the top digit.
void incrementDigits(QString& digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return;
        }
        digits[i] = u'0';
    }
    digits.prepend(u'1');
}

// "integer,ff" rounded to two places, halves up.
QString roundedToCents(const DecimalText& number) {
    QString integer = number.integerDigits;
    while (integer.size() > 1 && integer.front() == u'0') integer.remove(0, 1);
    if (integer.isEmpty()) integer = QStringLiteral("0");
    const QString fraction = number.fractionDigits.leftJustified(3, u'0');
    QString cents = integer + fraction.left(2);
    if (fraction[2] >= u'5') incrementDigits(cents);
    return cents.left(cents.size() - 2) + u',' + cents.right(2);
}

}  // namespace

QString normalizedPayee(QStringView payee) {
    QString digits;
    for (const QChar c : payee) {
        if (isAsciiDigit(c)) digits += c;
    }
    if (digits.startsWith(QStringLiteral("00"))) digits.remove(0, 2);
    if (digits.startsWith(u'0')) digits.replace(0, 1, QStringLiteral("46"));
    return digits;
}

std::optional<QString> normalizedAmount(QStringView amount) {
    QString text = trimmedHorizontally(amount).toString();
    text.replace(u',', u'.');
    if (text.isEmpty()) return std::nullopt;
    const auto number = parseDecimal(text);
    if (!number || (number->negative && !isZero(*number))) return std::nullopt;
    return roundedToCents(*number);
}

QString encodedMessage(QStringView message) {
    return percentEncoded(message, swishUnreservedCharacters);
}

QString swishPayload(const SwishContent& content) {
    const QString payee = normalizedPayee(content.payee);
    const QString amount = normalizedAmount(content.amount).value_or(QString());
    const QString message = encodedMessage(content.message);
    const bool amountEditable = content.amountEditable;
    const bool messageEditable = content.messageEditable;
    if (amount.isEmpty() && message.isEmpty() && !amountEditable && !messageEditable) {
        return QStringLiteral("A+") + payee;
    }
    QString flags;
    if (!amount.isEmpty()) {
        if (amountEditable && messageEditable)
            flags = QStringLiteral("6");
        else if (amountEditable)
            flags = QStringLiteral("2");
        else if (messageEditable)
            flags = QStringLiteral("4");
    } else {
        // Without an amount the payer always has to enter one.
        flags = messageEditable ? QStringLiteral("6") : QStringLiteral("2");
    }
    return u'C' + payee + u';' + amount + u';' + message + u';' + flags;
}

}  // namespace vostrel
