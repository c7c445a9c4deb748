#pragma once

#include <QChar>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

#include "content/qr_content.h"

namespace vostrel {

// Which column holds which contact field: keys are the ContactContent field names ("firstName",
// "lastName", "organization", "phone", "email", "url"), values zero-based column indices. A field
// without a column has no entry.
using ColumnMapping = QMap<QString, int>;

// Reads contacts from the text of a spreadsheet export. Stateless and forgiving: nothing here
// fails, bad input only yields fewer fields, rows or contacts. It reads no files; the caller
// hands over the decoded text (see readBatchInputText).
class CSVParser {
  public:
    CSVParser() = delete;

    struct ParsedCSV {
        QStringList headers;      // the fields of the first non-blank line, case kept
        QList<QStringList> rows;  // every later non-blank line; lengths may differ

        bool operator==(const ParsedCSV&) const = default;
    };

    // Lines are split before quotes are looked at, so a quoted field never spans lines: a line
    // break inside quotes ends the record and the rest becomes a row of its own. Lines holding
    // only spaces and tabs are dropped. The delimiter is a tab when the first kept line has one,
    // a comma otherwise, for the whole text.
    static ParsedCSV parseCSV(QStringView text);

    // Scans user-perceived characters, so a quote or delimiter carrying a combining mark is an
    // ordinary character. A quote anywhere opens quoting, a doubled quote inside quoting is one
    // quote, and an unterminated quote runs to the end of the line. Every field is trimmed of
    // spaces and tabs, quoted ones too; a line always gives at least one field.
    static QStringList parseCSVLine(QStringView line, QChar delimiter);

    // Matches each lower-cased, trimmed header exactly against the synonym lists of the six
    // fields; when several columns name the same field, the rightmost wins.
    static ColumnMapping autoMapContactColumns(const QStringList& headers);

    // A contact content from the mapped fields of one row (missing columns read as empty), or
    // nothing when first name, last name and e-mail are all empty.
    static std::optional<QRContent> makeContact(const QStringList& row,
                                                const ColumnMapping& mapping);

    // The contacts of the rows that give one, in row order.
    static QList<QRContent> makeContacts(const QList<QStringList>& rows,
                                         const ColumnMapping& mapping);
};

}  // namespace vostrel
