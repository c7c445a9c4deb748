#include "ui/editor/batch/batch_progress_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/fonts.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/palette_colors.h"
#include "ui/widgets/spinner.h"

namespace vostrel {

namespace {

constexpr int listHeight = 180;
constexpr int spinnerEdge = 14;

// The whole part of the share done, as a percentage; an empty run counts as not started.
int wholePercent(qsizetype completed, qsizetype total) {
    return int(completed * 100 / std::max<qsizetype>(total, 1));
}

}  // namespace

BatchProgressView::BatchProgressView(QWidget* parent)
    : QWidget(parent),
      bar_(new QProgressBar),
      files_(new QListWidget),
      spinner_(new Spinner(spinnerEdge, this)),
      cancel_(new QPushButton(tr("Cancel"))) {
    auto* title = new QLabel(tr("Generating QR codes..."));
    title->setFont(headlineFont(title->font()));
    title->setAlignment(Qt::AlignCenter);
    bar_->setTextVisible(false);
    bar_->setAccessibleName(tr("Batch progress"));

    files_->setFont(monospacedFont(font(), captionScale));
    files_->setFixedHeight(listHeight);
    files_->setSelectionMode(QAbstractItemView::NoSelection);
    files_->setFocusPolicy(Qt::NoFocus);
    files_->setUniformItemSizes(true);
    files_->setIconSize(QSize(spinnerEdge, spinnerEdge));
    files_->setSpacing(1);
    files_->setAccessibleName(tr("Written files"));
    files_->setStyleSheet(
        QStringLiteral("QListWidget { border: 1px solid %1; border-radius: 8px; "
                       "padding: 4px; }")
            .arg(withAlpha(palette().color(QPalette::WindowText), 0.2f).name(QColor::HexArgb)));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(title);
    auto* barBlock = new QVBoxLayout;
    barBlock->setSpacing(4);
    barBlock->addWidget(bar_);
    barBlock->addWidget(makeCountLine());
    layout->addLayout(barBlock);
    layout->addWidget(files_);
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    connect(cancel_, &QPushButton::clicked, this, &BatchProgressView::cancelRequested);
    connect(spinner_, &Spinner::turned, this, &BatchProgressView::turnSpinner);
}

QWidget* BatchProgressView::makeCountLine() {
    auto* line = new QWidget;
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    count_ = new QLabel;
    count_->setFont(scaledFont(font(), captionScale, QFont::Medium));
    percent_ = new QLabel;
    // Qt 6.4 cannot ask for tabular figures, so the digits come from the fixed-pitch font.
    percent_->setFont(monospacedFont(font(), captionScale));
    percent_->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(count_);
    layout->addStretch(1);
    layout->addWidget(percent_);
    return line;
}

void BatchProgressView::showProgress(const BatchProgress& progress) {
    bar_->setMaximum(int(std::max<qsizetype>(progress.total, 1)));
    bar_->setValue(int(progress.completed));
    count_->setText(tr("%1 of %2").arg(progress.completed).arg(progress.total));
    percent_->setText(QStringLiteral("%1%").arg(wholePercent(progress.completed, progress.total)));
    bar_->setAccessibleDescription(count_->text());
    appendWrittenNames(progress.completedFileNames);
    if (progress.completed < progress.total) {
        showCurrentRow(progress);
    } else {
        dropCurrentRow();
    }
    files_->scrollToItem(files_->item(files_->count() - 1), QAbstractItemView::PositionAtBottom);
}

// Reports carry every name so far; only the new ones become rows, before the spinner row.
void BatchProgressView::appendWrittenNames(const QStringList& names) {
    const QIcon done = symbolIcon(QStringLiteral("checkmark.circle.fill"), successColor(palette()));
    for (; shownNames_ < names.size(); ++shownNames_) {
        auto* row = new QListWidgetItem(done, names[shownNames_]);
        files_->insertItem(shownNames_, row);
    }
}

void BatchProgressView::showCurrentRow(const BatchProgress& progress) {
    if (!currentRow_) {
        currentRow_ = new QListWidgetItem(files_);
        currentRow_->setForeground(accentColor(palette()));
        spinner_->start();
        turnSpinner();
    }
    currentRow_->setText(progress.currentFileName);
}

void BatchProgressView::dropCurrentRow() {
    spinner_->stop();
    delete currentRow_;
    currentRow_ = nullptr;
}

void BatchProgressView::turnSpinner() {
    if (currentRow_)
        currentRow_->setIcon(spinner_->icon(accentColor(palette()), devicePixelRatioF()));
}

}  // namespace vostrel
