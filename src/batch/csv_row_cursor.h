#pragma once

#include <QChar>
#include <QStringList>
#include <QStringView>
#include <optional>

#include "batch/text_lines.h"

namespace vostrel {

// The header and rows of a CSV text one at a time, by the rules of CSVParser::parseCSV (blank
// lines dropped, the delimiter chosen by the first kept line), so that a large file is read
// without a list of all its rows. The text must outlive the cursor.
class CSVRowCursor {
  public:
    explicit CSVRowCursor(QStringView text);

    // The fields of the first non-blank line; empty for a blank text.
    const QStringList& headers() const { return headers_; }
    // The next non-blank line's fields, nothing after the last.
    std::optional<QStringList> nextRow();

  private:
    std::optional<QStringView> nextKeptLine();

    LineCursor lines_;
    QChar delimiter_ = u',';
    QStringList headers_;
};

}  // namespace vostrel
