#include "batch/batch_items.h"

#include <QFile>
#include <QStringDecoder>

#include "batch/csv_parser.h"
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

QList<QRContent> lineItems(BatchContentType kind, QStringView text) {
    QList<QRContent> items;
    for (QString& line : batchItemLines(text)) {
        items.append(kind == BatchContentType::url ? QRContent::url(URLContent{std::move(line)})
                                                   : QRContent::text(std::move(line)));
    }
    return items;
}

}  // namespace

Expected<QString, BatchError> readBatchInputText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unexpected(BatchError{BatchError::Kind::inputUnreadable, path, file.errorString()});
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return unexpected(BatchError{BatchError::Kind::inputUnreadable, path, file.errorString()});
    auto text = strictUtf8(bytes);
    if (!text) {
        return unexpected(
            BatchError{BatchError::Kind::inputUnreadable, path, QStringLiteral("not UTF-8 text")});
    }
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
    if (kind != BatchContentType::contact) return lineItems(kind, text);
    const CSVParser::ParsedCSV csv = CSVParser::parseCSV(text);
    return CSVParser::makeContacts(csv.rows, CSVParser::autoMapContactColumns(csv.headers));
}

}  // namespace vostrel
