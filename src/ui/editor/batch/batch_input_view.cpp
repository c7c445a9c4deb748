#include "ui/editor/batch/batch_input_view.h"

#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "batch/batch_items.h"
#include "ui/editor/batch/batch_csv_pane.h"
#include "ui/editor/batch/batch_input_alert.h"
#include "ui/editor/batch/batch_settings_rows.h"
#include "ui/editor/forms/form_fields.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/palette_colors.h"
#include "ui/widgets/segmented_control.h"

namespace vostrel {

namespace {

constexpr int textAreaHeight = 160;

// A hairline in a faint tint of the text, readable on light and dark windows alike.
QFrame* makeDivider(const QPalette& palette) {
    auto* divider = new QFrame;
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Plain);
    QPalette faint = palette;
    faint.setColor(QPalette::WindowText, withAlpha(palette.color(QPalette::WindowText), 0.15f));
    divider->setPalette(faint);
    return divider;
}

}  // namespace

BatchInputView::BatchInputView(QWidget* parent)
    : QWidget(parent),
      kind_(new SegmentedControl),
      textPane_(makeTextPane()),
      csv_(new BatchCsvPane),
      settings_(new BatchSettingsRows) {
    kind_->setAccessibleName(tr("Batch content"));
    // The raw values are the picker's labels.
    for (const BatchContentType kind : allCases<BatchContentType>())
        kind_->addSegment(rawValue(kind));
    kind_->setCurrentIndex(int(BatchContentType::url));

    auto* title = new QLabel(tr("Batch Export"));
    title->setFont(headlineFont(title->font()));
    title->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(title);
    layout->addWidget(kind_);
    layout->addWidget(textPane_);
    layout->addWidget(csv_);
    layout->addWidget(makeDivider(palette()));
    layout->addWidget(settings_);
    layout->addLayout(makeButtons());

    connect(kind_, &SegmentedControl::activated, this, &BatchInputView::showKind);
    connect(text_, &QPlainTextEdit::textChanged, this, &BatchInputView::showCount);
    connect(csv_, &BatchCsvPane::csvChanged, this, &BatchInputView::showCount);
    showKind();
}

QWidget* BatchInputView::makeTextPane() {
    text_ = makeTextEditor(textAreaHeight);
    text_->setFont(monospacedFont(text_->font()));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setAccessibleName(tr("Batch lines"));
    text_->setAccessibleDescription(tr("One item per line"));
    count_ = makeCaption({});
    auto* load = new QPushButton(tr("Load text file"));
    load->setFont(scaledFont(load->font(), captionScale));
    connect(load, &QPushButton::clicked, this, &BatchInputView::loadTextFile);

    auto* captionLine = new QHBoxLayout;
    captionLine->addWidget(count_, 1);
    captionLine->addWidget(load);
    auto* pane = new QWidget;
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(text_);
    layout->addLayout(captionLine);
    return pane;
}

QLayout* BatchInputView::makeButtons() {
    cancel_ = new QPushButton(tr("Cancel"));
    generate_ = new QPushButton;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel_);
    buttons->addWidget(generate_);
    connect(cancel_, &QPushButton::clicked, this, &BatchInputView::cancelRequested);
    connect(generate_, &QPushButton::clicked, this, &BatchInputView::startRequested);
    return buttons;
}

void BatchInputView::loadTextFile() {
    auto* dialog = new QFileDialog(window(), tr("Load Text File"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setMimeTypeFilters({"text/plain", "text/csv", "application/octet-stream"});
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        const auto text = readBatchInputText(path);
        if (!text) return showUnreadableInput(this, text.error());
        text_->setPlainText(*text);
    });
    dialog->open();
}

BatchContentType BatchInputView::contentType() const {
    return BatchContentType(std::clamp(kind_->currentIndex(), 0, int(BatchContentType::contact)));
}

void BatchInputView::showKind() {
    const bool contact = contentType() == BatchContentType::contact;
    textPane_->setVisible(!contact);
    csv_->setVisible(contact);
    showCount();
}

void BatchInputView::showCount() {
    const qsizetype count = itemCount();
    count_->setText(contentType() == BatchContentType::url ? tr("%1 URLs").arg(count)
                                                           : tr("%1 items").arg(count));
    generate_->setText(tr("Generate %1 QR Codes").arg(count));
    generate_->setEnabled(count > 0 && !starting_);
}

qsizetype BatchInputView::itemCount() const {
    if (contentType() == BatchContentType::contact) return csv_->rowCount();
    return batchItemLines(text_->toPlainText()).size();
}

QList<QRContent> BatchInputView::items() const {
    if (contentType() == BatchContentType::contact) return csv_->contacts();
    return batchItems(contentType(), text_->toPlainText());
}

BatchConfig BatchInputView::config() const {
    return settings_->config();
}

void BatchInputView::setStarting(bool starting) {
    starting_ = starting;
    kind_->setEnabled(!starting);
    showCount();
}

}  // namespace vostrel
