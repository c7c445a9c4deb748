#include "batch/batch_items.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "batch/batch_item_source.h"
#include "batch/text_lines.h"

namespace vostrel {
namespace {

std::optional<QString> strictUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder(bytes);
    if (decoder.hasError()) return std::nullopt;
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

BatchError unreadable(const QString& path, const QString& reason) {
    return BatchError{BatchError::Kind::inputUnreadable, path, reason};
}

}  // namespace

Expected<QString, BatchError> readBatchInputText(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return unexpected(unreadable(path, QStringLiteral("not a regular file")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return unexpected(unreadable(path, file.errorString()));
    const QByteArray bytes = file.read(maximumBatchInputBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return unexpected(unreadable(path, file.errorString()));
    if (bytes.size() > maximumBatchInputBytes) {
        return unexpected(unreadable(
            path, QStringLiteral("larger than %1 MiB").arg(maximumBatchInputBytes >> 20)));
    }
    auto text = strictUtf8(bytes);
    if (!text) return unexpected(unreadable(path, QStringLiteral("not UTF-8 text")));
    return std::move(*text);
}

QStringList batchItemLines(QStringView text) {
    QStringList lines;
    for (QStringView line : splitLines(text)) {
        const QStringView trimmed = trimmedSpacesAndTabs(line);
        if (!trimmed.isEmpty()) lines.append(trimmed.toString());
    }
    return lines;
}

QList<QRContent> batchItems(BatchContentType kind, QStringView text) {
    const std::unique_ptr<BatchItemSource> source = textItemSource(kind, text.toString());
    QList<QRContent> items;
    while (auto item = source->next()) items.append(std::move(*item));
    return items;
}

}  // namespace vostrel
