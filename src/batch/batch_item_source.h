#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <optional>

#include "batch/batch_content_type.h"
#include "content/qr_content.h"

namespace vostrel {

// The items of a run, made one at a time and in order: a run over a million input lines holds
// the input text and the item being written, never a million contents.
class BatchItemSource {
  public:
    virtual ~BatchItemSource() = default;
    // How many items next() gives in all, known before the first.
    virtual qsizetype count() const = 0;
    // The next item, nothing after the last.
    virtual std::optional<QRContent> next() = 0;
};

// The items of a list, in its order.
std::unique_ptr<BatchItemSource> listItemSource(QList<QRContent> items);

// The items of an input text. url and text: one per item line (see batchItemLines); contact:
// the text is read as CSV, its columns mapped from the headers, and rows without a name or
// e-mail dropped (not counted as items).
std::unique_ptr<BatchItemSource> textItemSource(BatchContentType kind, QString text);

}  // namespace vostrel
