#pragma once

#include <QAbstractButton>
#include <QWidget>
#include <optional>

#include "batch/csv_parser.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace vostrel {

// The large "Import CSV" button shown before any file: a dashed rounded frame around a table
// symbol and the caption.
class CsvDropButton : public QAbstractButton {
    Q_OBJECT

  public:
    explicit CsvDropButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// The first rows of an imported CSV: at most 4 header cells over at most 5 rows of at most 4
// fields, so the user can see whether the right file was picked.
class CsvPreviewTable : public QWidget {
    Q_OBJECT

  public:
    static constexpr int maximumColumns = 4;
    static constexpr int maximumRows = 5;

    explicit CsvPreviewTable(const CSVParser::ParsedCSV& csv, QWidget* parent = nullptr);

    int shownColumns() const { return columns_; }
    int shownRows() const { return rows_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int columns_;
    int rows_;
    int headerHeight_ = 0;
};

// The contact input of the batch sheet: the import button, or once a file was read its preview,
// "N contacts · M columns mapped" and "Import different CSV". Files are read as strict UTF-8;
// one that cannot be read changes nothing.
class BatchCsvPane : public QWidget {
    Q_OBJECT

  public:
    explicit BatchCsvPane(QWidget* parent = nullptr);

    // Data rows of the CSV (0 without one), including rows that will give no contact.
    qsizetype rowCount() const;
    // The contacts of the rows with a name or an e-mail, in row order.
    QList<QRContent> contacts() const;
    // What the import buttons do once a file was picked: reads, parses and maps it.
    void importFile(const QString& path);

    CsvPreviewTable* previewTable() const { return table_; }
    QLabel* countLabel() const { return count_; }
    QLabel* mappedLabel() const { return mapped_; }

  Q_SIGNALS:
    void csvChanged();

  private:
    QWidget* makeSummaryLine();
    void chooseFile();
    void showCsv();

    std::optional<CSVParser::ParsedCSV> csv_;
    ColumnMapping mapping_;
    QVBoxLayout* layout_;
    CsvDropButton* importButton_;
    QWidget* summaryLine_;
    CsvPreviewTable* table_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* mapped_ = nullptr;
};

}  // namespace vostrel
