#include "companions/version_comparison.h"

#include <QList>
#include <QRegularExpression>

namespace vostrel {

namespace {

QList<qint64> numericParts(const QString& version) {
    QList<qint64> parts;
    for (const QStringView part : QStringView(version).split(u'.', Qt::SkipEmptyParts)) {
        bool ok = false;
        const qint64 number = part.toLongLong(&ok);
        if (ok) parts.append(number);
    }
    return parts;
}

}  // namespace

std::strong_ordering compareVersions(const QString& a, const QString& b) {
    const QList<qint64> left = numericParts(a);
    const QList<qint64> right = numericParts(b);
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i) {
        const auto order = left.value(i, 0) <=> right.value(i, 0);
        if (order != 0) return order;
    }
    return std::strong_ordering::equal;
}

bool isDottedVersion(const QString& text) {
    // ASCII digits only: \d would also take digits of other scripts, which toLongLong rejects.
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,9}(\\.[0-9]{1,9})*")));
    return pattern.match(text).hasMatch();
}

}  // namespace vostrel
