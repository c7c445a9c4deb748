// Fuzz target for the CSV reader: any text gives rows, a column mapping and contacts whose
// payloads can be made.

#include <cstdint>

#include "batch/csv_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vostrel;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const CSVParser::ParsedCSV parsed = CSVParser::parseCSV(text);
    const ColumnMapping mapping = CSVParser::autoMapContactColumns(parsed.headers);
    for (const QRContent& contact : CSVParser::makeContacts(parsed.rows, mapping))
        (void)contact.payload();
    return 0;
}
