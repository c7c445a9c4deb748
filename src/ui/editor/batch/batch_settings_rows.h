#pragma once

#include <QWidget>

#include "batch/batch_records.h"

class QPushButton;

namespace vostrel {

class ElidedLabel;
class SegmentedControl;

// The settings of a batch run under the input: Format (PNG, SVG), Size (512, 1024, 2048 px,
// shown only for PNG), Naming (Sequential, Content) and Destination with "Choose...". The size
// keeps its choice while hidden, so going back to PNG finds it as it was.
class BatchSettingsRows : public QWidget {
    Q_OBJECT

  public:
    explicit BatchSettingsRows(QWidget* parent = nullptr);

    // The run's settings as chosen; the destination starts as "qr-batch" in the desktop folder.
    BatchConfig config() const;
    // What "Choose..." does once a folder was picked.
    void setDestination(const QString& folder);

    SegmentedControl* formatPicker() const { return format_; }
    SegmentedControl* sizePicker() const { return size_; }
    QWidget* sizeRow() const { return sizeRow_; }
    QPushButton* chooseButton() const { return choose_; }

  private:
    QWidget* makeRow(const QString& caption, QWidget* control);
    QWidget* makeDestinationControl();
    void chooseDestination();

    SegmentedControl* format_;
    SegmentedControl* size_;
    SegmentedControl* naming_;
    QWidget* sizeRow_ = nullptr;
    ElidedLabel* path_ = nullptr;
    QPushButton* choose_ = nullptr;
    QString destination_;
};

}  // namespace vostrel
