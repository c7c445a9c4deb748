#pragma once

#include <QWidget>

#include "batch/batch_content_type.h"
#include "batch/batch_records.h"
#include "content/qr_content.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vostrel {

class BatchCsvPane;
class BatchSettingsRows;
class SegmentedControl;

// The first screen of the batch sheet: what the lines are (URL, Text, Contact), the typed or
// loaded lines with their count or the imported CSV, the run's settings, and "Cancel" and
// "Generate N QR Codes". Switching the kind keeps both the text and the CSV; URL and Text share
// the text.
class BatchInputView : public QWidget {
    Q_OBJECT

  public:
    explicit BatchInputView(QWidget* parent = nullptr);

    BatchContentType contentType() const;
    // Non-blank lines for URL and Text, data rows of the CSV for Contact (rows that give no
    // contact included).
    qsizetype itemCount() const;
    // What a run is given: one content per trimmed non-blank line, or the CSV's contacts.
    QList<QRContent> items() const;
    BatchConfig config() const;

    // While a run has started but written nothing yet, the screen stays, without a second start.
    void setStarting(bool starting);

    SegmentedControl* kindPicker() const { return kind_; }
    QPlainTextEdit* textArea() const { return text_; }
    QLabel* countLabel() const { return count_; }
    BatchCsvPane* csvPane() const { return csv_; }
    BatchSettingsRows* settings() const { return settings_; }
    QPushButton* generateButton() const { return generate_; }
    QPushButton* cancelButton() const { return cancel_; }

  Q_SIGNALS:
    void startRequested();
    void cancelRequested();

  private:
    QWidget* makeTextPane();
    QLayout* makeButtons();
    void loadTextFile();
    void showKind();
    void showCount();

    SegmentedControl* kind_;
    QPlainTextEdit* text_ = nullptr;
    QLabel* count_ = nullptr;
    QWidget* textPane_;
    BatchCsvPane* csv_;
    BatchSettingsRows* settings_;
    QPushButton* generate_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool starting_ = false;
};

}  // namespace vostrel
