#include "batch/batch_file_name.h"

#include <QFileInfo>
#include <QUrl>

#include "common/graphemes.h"
#include "common/number_format.h"

namespace vostrel {
namespace {

constexpr qsizetype textSourceLength = 40;
constexpr qsizetype baseNameLength = 60;

QString urlSource(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid()) return text;
    return url.host(QUrl::FullyDecoded) + url.path(QUrl::FullyDecoded);
}

QString joined(const QString& first, const QString& second) {
    return first + u'-' + second;
}

QString sourceText(const QRContent& item) {
    switch (item.contentType()) {
        case ContentType::url:
            return urlSource(item.get<ContentType::url>()->url);
        case ContentType::text:
            return firstGraphemes(*item.get<ContentType::text>(), textSourceLength);
        case ContentType::wifi:
            return item.get<ContentType::wifi>()->ssid;
        case ContentType::contact: {
            const auto* contact = item.get<ContentType::contact>();
            return joined(contact->firstName, contact->lastName);
        }
        case ContentType::email:
            return item.get<ContentType::email>()->address;
        case ContentType::phone:
            return *item.get<ContentType::phone>();
        case ContentType::sms:
            return item.get<ContentType::sms>()->number;
        case ContentType::location: {
            const auto* location = item.get<ContentType::location>();
            return joined(formatShortest(location->latitude), formatShortest(location->longitude));
        }
        case ContentType::calendar:
            return item.get<ContentType::calendar>()->title;
        case ContentType::swish:
            return item.get<ContentType::swish>()->payee;
    }
    return {};
}

bool isNameCharacter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

// Lower-cased, with every run of other characters as one "-" and none at either end.
QString slug(const QString& text) {
    QString result;
    bool pendingDash = false;
    for (QChar c : text.toLower()) {
        if (!isNameCharacter(c)) {
            pendingDash = !result.isEmpty();
            continue;
        }
        if (pendingDash) result += u'-';
        pendingDash = false;
        result += c;
    }
    return result;
}

}  // namespace

QString sequentialFileBaseName(qsizetype index, qsizetype total) {
    const int width = int(QString::number(total).size());
    return QStringLiteral("%1").arg(index + 1, width, 10, QLatin1Char('0'));
}

QString batchFileBaseName(const QRContent& item, qsizetype index) {
    const QString name = slug(sourceText(item));
    if (name.isEmpty()) return QStringLiteral("qr-") + QString::number(index + 1);
    return name.left(baseNameLength);
}

QString numberedFileName(const QString& baseName, const QString& extension, int attempt) {
    const QString suffix = u'.' + extension;
    if (attempt <= 1) return baseName + suffix;
    return baseName + u'-' + QString::number(attempt) + suffix;
}

}  // namespace vostrel
