#pragma once

#include <QWidget>

#include "batch/batch_records.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;

namespace vostrel {

class Spinner;

// The batch sheet while files are written: the bar with "completed of total" and the whole
// percentage, every written name with a check mark, and while files remain a last row with a
// spinner and the latest name, kept scrolled into view; then "Cancel".
class BatchProgressView : public QWidget {
    Q_OBJECT

  public:
    explicit BatchProgressView(QWidget* parent = nullptr);

    void showProgress(const BatchProgress& progress);

    QProgressBar* bar() const { return bar_; }
    QLabel* countLabel() const { return count_; }
    QLabel* percentLabel() const { return percent_; }
    QListWidget* fileList() const { return files_; }
    // The spinner row, or nothing once every item has been dealt with.
    QListWidgetItem* currentRow() const { return currentRow_; }
    QPushButton* cancelButton() const { return cancel_; }

  Q_SIGNALS:
    void cancelRequested();

  private:
    QWidget* makeCountLine();
    void appendWrittenNames(const QStringList& names);
    void showCurrentRow(const BatchProgress& progress);
    void dropCurrentRow();
    void turnSpinner();

    QProgressBar* bar_;
    QLabel* count_ = nullptr;
    QLabel* percent_ = nullptr;
    QListWidget* files_;
    QListWidgetItem* currentRow_ = nullptr;
    Spinner* spinner_;
    QPushButton* cancel_;
    int shownNames_ = 0;
};

}  // namespace vostrel
