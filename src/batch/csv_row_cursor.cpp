#include "batch/csv_row_cursor.h"

#include "batch/csv_parser.h"

namespace vostrel {

CSVRowCursor::CSVRowCursor(QStringView text) : lines_(text) {
    const auto first = nextKeptLine();
    if (!first) return;
    delimiter_ = first->contains(u'\t') ? u'\t' : u',';
    headers_ = CSVParser::parseCSVLine(*first, delimiter_);
}

std::optional<QStringList> CSVRowCursor::nextRow() {
    const auto line = nextKeptLine();
    if (!line) return std::nullopt;
    return CSVParser::parseCSVLine(*line, delimiter_);
}

std::optional<QStringView> CSVRowCursor::nextKeptLine() {
    while (const auto line = lines_.next()) {
        if (!trimmedSpacesAndTabs(*line).isEmpty()) return line;
    }
    return std::nullopt;
}

}  // namespace vostrel
