#pragma once

#include <QWidget>

#include "batch/batch_records.h"

class QLabel;
class QPushButton;

namespace vostrel {

// The batch sheet after a run: "N QR codes generated", "M items skipped" when any were, the
// folder, and "Close" and "Show in File Manager".
class BatchSummaryView : public QWidget {
    Q_OBJECT

  public:
    explicit BatchSummaryView(QWidget* parent = nullptr);

    void showResult(const BatchResult& result);

    QLabel* generatedLabel() const { return generated_; }
    QLabel* skippedLabel() const { return skipped_; }
    QPushButton* showFolderButton() const { return showFolder_; }

  Q_SIGNALS:
    void closeRequested();
    void showFolderRequested();

  private:
    QLabel* generated_;
    QLabel* skipped_;
    QLabel* folder_;
    QPushButton* showFolder_;
};

}  // namespace vostrel
