#include "batch/csv_parser.h"

#include <QTextBoundaryFinder>
#include <array>
#include <initializer_list>

#include "batch/csv_row_cursor.h"
#include "batch/text_lines.h"

namespace vostrel {
namespace {

struct FieldSynonyms {
    QLatin1StringView field;
    std::initializer_list<QLatin1StringView> synonyms;
};

using namespace Qt::Literals::StringLiterals;

// Checked in this order; a header belongs to the first field whose list holds it.
const std::array<FieldSynonyms, 6> contactFieldSynonyms{{
    {"firstName"_L1,
     {"first_name"_L1, "firstname"_L1, "first name"_L1, "fname"_L1, "given name"_L1,
      "givenname"_L1}},
    {"lastName"_L1,
     {"last_name"_L1, "lastname"_L1, "last name"_L1, "lname"_L1, "surname"_L1, "family name"_L1,
      "familyname"_L1}},
    {"organization"_L1, {"organization"_L1, "org"_L1, "company"_L1, "organisation"_L1}},
    {"phone"_L1, {"phone"_L1, "telephone"_L1, "tel"_L1, "mobile"_L1, "cell"_L1, "phone number"_L1}},
    {"email"_L1, {"email"_L1, "e-mail"_L1, "mail"_L1, "email address"_L1}},
    {"url"_L1, {"url"_L1, "website"_L1, "web"_L1, "homepage"_L1, "link"_L1}},
}};

std::optional<QLatin1StringView> fieldNamedBy(const QString& normalizedHeader) {
    for (const FieldSynonyms& entry : contactFieldSynonyms) {
        for (QLatin1StringView synonym : entry.synonyms) {
            if (normalizedHeader == synonym) return entry.field;
        }
    }
    return std::nullopt;
}

// The user-perceived characters of a line one at a time, with a look at the next one; a line of
// millions of characters is never held as a list of them.
class GraphemeCursor {
  public:
    explicit GraphemeCursor(QStringView line)
        : line_(line), finder_(QTextBoundaryFinder::Grapheme, line) {
        current_ = take();
        next_ = take();
    }
    bool atEnd() const { return current_.isNull(); }
    QStringView current() const { return current_; }
    QStringView peek() const { return next_; }
    void advance() {
        current_ = next_;
        next_ = take();
    }

  private:
    QStringView take() {
        const qsizetype end = finder_.toNextBoundary();
        if (end <= start_) return {};
        const QStringView grapheme = line_.sliced(start_, end - start_);
        start_ = end;
        return grapheme;
    }

    QStringView line_;
    QTextBoundaryFinder finder_;
    qsizetype start_ = 0;
    QStringView current_;
    QStringView next_;
};

// Moves the finished field into the list, without a copy when there is nothing to trim.
void appendTrimmed(QStringList& fields, QString& field) {
    const QStringView trimmed = trimmedSpacesAndTabs(field);
    fields.append(trimmed.size() == field.size() ? std::move(field) : trimmed.toString());
    field = QString();
}

QString valueOf(const QStringList& row, const ColumnMapping& mapping, QLatin1StringView field) {
    const int index = mapping.value(field, -1);
    return index >= 0 && index < row.size() ? row[index] : QString();
}

}  // namespace

CSVParser::ParsedCSV CSVParser::parseCSV(QStringView text) {
    CSVRowCursor cursor(text);
    ParsedCSV parsed{cursor.headers(), {}};
    while (auto row = cursor.nextRow()) parsed.rows.append(std::move(*row));
    return parsed;
}

QStringList CSVParser::parseCSVLine(QStringView line, QChar delimiter) {
    const QStringView quote = u"\"";
    const QStringView delimiterText(&delimiter, 1);
    QStringList fields;
    QString field;
    bool quoted = false;
    for (GraphemeCursor cursor(line); !cursor.atEnd(); cursor.advance()) {
        const QStringView grapheme = cursor.current();
        if (grapheme == quote) {
            const bool doubled = quoted && cursor.peek() == quote;
            if (doubled) {
                field += quote;
                cursor.advance();
            } else {
                quoted = !quoted;
            }
        } else if (!quoted && grapheme == delimiterText) {
            appendTrimmed(fields, field);
        } else {
            field += grapheme;
        }
    }
    appendTrimmed(fields, field);
    return fields;
}

ColumnMapping CSVParser::autoMapContactColumns(const QStringList& headers) {
    ColumnMapping mapping;
    for (int column = 0; column < headers.size(); ++column) {
        const QString normalized = trimmedSpacesAndTabs(headers[column].toLower()).toString();
        if (const auto field = fieldNamedBy(normalized)) mapping.insert(*field, column);
    }
    return mapping;
}

std::optional<QRContent> CSVParser::makeContact(const QStringList& row,
                                                const ColumnMapping& mapping) {
    ContactContent contact;
    contact.firstName = valueOf(row, mapping, "firstName"_L1);
    contact.lastName = valueOf(row, mapping, "lastName"_L1);
    contact.organization = valueOf(row, mapping, "organization"_L1);
    contact.phone = valueOf(row, mapping, "phone"_L1);
    contact.email = valueOf(row, mapping, "email"_L1);
    contact.url = valueOf(row, mapping, "url"_L1);
    if (contact.firstName.isEmpty() && contact.lastName.isEmpty() && contact.email.isEmpty())
        return std::nullopt;
    return QRContent::contact(std::move(contact));
}

QList<QRContent> CSVParser::makeContacts(const QList<QStringList>& rows,
                                         const ColumnMapping& mapping) {
    QList<QRContent> contacts;
    for (const QStringList& row : rows) {
        if (auto contact = makeContact(row, mapping)) contacts.append(std::move(*contact));
    }
    return contacts;
}

}  // namespace vostrel
