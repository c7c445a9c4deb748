#include "batch/batch_item_source.h"

#include "batch/csv_parser.h"
#include "batch/csv_row_cursor.h"
#include "batch/text_lines.h"

namespace vostrel {
namespace {

class ListItemSource : public BatchItemSource {
  public:
    explicit ListItemSource(QList<QRContent> items) : items_(std::move(items)) {}
    qsizetype count() const override { return items_.size(); }
    std::optional<QRContent> next() override {
        if (position_ == items_.size()) return std::nullopt;
        return items_[position_++];
    }

  private:
    QList<QRContent> items_;
    qsizetype position_ = 0;
};

// Walks the text once as the items are asked for, and once more to count them when the count
// is asked for.
template <class Cursor>
class TextItemSource : public BatchItemSource {
  public:
    explicit TextItemSource(QString text) : text_(std::move(text)), cursor_(text_) {}
    qsizetype count() const override {
        if (!count_) {
            Cursor counter(text_);
            qsizetype counted = 0;
            while (counter.next()) ++counted;
            count_ = counted;
        }
        return *count_;
    }
    std::optional<QRContent> next() override { return cursor_.next(); }

  private:
    QString text_;
    Cursor cursor_;
    mutable std::optional<qsizetype> count_;
};

// One URL or text item per item line.
class LineItemCursor {
  public:
    LineItemCursor(QStringView text, BatchContentType kind) : lines_(text), kind_(kind) {}
    std::optional<QRContent> next() {
        while (const auto line = lines_.next()) {
            const QStringView item = trimmedSpacesAndTabs(*line);
            if (item.isEmpty()) continue;
            return kind_ == BatchContentType::url ? QRContent::url(URLContent{item.toString()})
                                                  : QRContent::text(item.toString());
        }
        return std::nullopt;
    }

  private:
    LineCursor lines_;
    BatchContentType kind_;
};

template <BatchContentType kind>
struct LineItems : LineItemCursor {
    explicit LineItems(QStringView text) : LineItemCursor(text, kind) {}
};

// One contact per CSV row that gives one.
class ContactCursor {
  public:
    explicit ContactCursor(QStringView text)
        : rows_(text), mapping_(CSVParser::autoMapContactColumns(rows_.headers())) {}
    std::optional<QRContent> next() {
        while (const auto row = rows_.nextRow()) {
            if (auto contact = CSVParser::makeContact(*row, mapping_)) return contact;
        }
        return std::nullopt;
    }

  private:
    CSVRowCursor rows_;
    ColumnMapping mapping_;
};

}  // namespace

std::unique_ptr<BatchItemSource> listItemSource(QList<QRContent> items) {
    return std::make_unique<ListItemSource>(std::move(items));
}

std::unique_ptr<BatchItemSource> textItemSource(BatchContentType kind, QString text) {
    switch (kind) {
        case BatchContentType::url:
            return std::make_unique<TextItemSource<LineItems<BatchContentType::url>>>(
                std::move(text));
        case BatchContentType::text:
            return std::make_unique<TextItemSource<LineItems<BatchContentType::text>>>(
                std::move(text));
        case BatchContentType::contact:
            return std::make_unique<TextItemSource<ContactCursor>>(std::move(text));
    }
    return listItemSource({});
}

}  // namespace vostrel
