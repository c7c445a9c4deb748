#include "ui/editor/export/export_panel.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <array>

#include "document/vostrel_document.h"
#include "ui/editor/export/export_services.h"
#include "ui/editor/forms/form_fields.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/palette_colors.h"
#include "ui/widgets/segmented_control.h"

namespace vostrel {

namespace {

constexpr std::array<qint64, 3> sizePresets{512, 1024, 2048};
constexpr int customSegment = int(sizePresets.size());

QLabel* makeTitle(const QString& text) {
    auto* title = new QLabel(text);
    title->setFont(headlineFont(title->font()));
    return title;
}

QVBoxLayout* makeSheetLayout(QWidget* sheet) {
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(10);
    return layout;
}

}  // namespace

std::optional<qint64> parseExportSize(const QString& text) {
    static const QRegularExpression integer(QStringLiteral("\\A[+-]?[0-9]+\\z"));
    if (!integer.match(text).hasMatch()) return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    return ok ? std::optional(value) : std::nullopt;
}

ExportPanel::ExportPanel(VostrelDocument* document, std::optional<ModuleMatrix> matrix,
                         QWidget* parent)
    : QDialog(parent), document_(document), matrix_(std::move(matrix)) {
    setWindowTitle(tr("Export QR Code"));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    if (matrix_) {
        buildControls();
    } else {
        buildEmpty();
    }
}

void ExportPanel::buildEmpty() {
    QVBoxLayout* layout = makeSheetLayout(this);
    layout->addWidget(makeTitle(tr("Export QR Code")));
    QLabel* explanation = makeCaption(
        tr("There is no QR code to export yet. Fill in the content on the left first."), 1.0);
    layout->addWidget(explanation);
    auto* close = new QPushButton(tr("Close"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(close, 0, Qt::AlignRight);
    setMinimumWidth(340);
}

void ExportPanel::buildControls() {
    format_ = new SegmentedControl;
    format_->setAccessibleName(tr("Export format"));
    format_->addSegment(tr("PNG"));
    format_->addSegment(tr("SVG"));
    format_->setCurrentIndex(int(ExportFormat::png));

    copy_ = new QPushButton(tr("Copy to clipboard"));
    save_ = new QPushButton(tr("Save to file"));
    save_->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    buttons->addWidget(copy_);
    buttons->addWidget(save_);

    QVBoxLayout* layout = makeSheetLayout(this);
    layout->addWidget(makeTitle(tr("Export QR Code")));
    layout->addSpacing(4);
    layout->addWidget(makeCaption(tr("Format")));
    layout->addWidget(format_);
    layout->addWidget(makeSizeControls());
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    connect(format_, &SegmentedControl::activated, this, &ExportPanel::showChoices);
    connect(size_, &SegmentedControl::activated, this, &ExportPanel::showChoices);
    connect(customSize_, &QLineEdit::textChanged, this, &ExportPanel::showChoices);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(copy_, &QPushButton::clicked, this, &ExportPanel::copyToClipboard);
    connect(save_, &QPushButton::clicked, this, &ExportPanel::saveToFile);
    showChoices();
    save_->setFocus();
}

QWidget* ExportPanel::makeSizeControls() {
    size_ = new SegmentedControl;
    size_->setAccessibleName(tr("Export size"));
    for (const qint64 preset : sizePresets)
        size_->addSegment(tr("%1px").arg(preset), {}, tr("%1 pixels").arg(preset));
    size_->addSegment(tr("Custom"));
    size_->setCurrentIndex(1);

    customSize_ = new QLineEdit(QString::number(defaultSize));
    customSize_->setPlaceholderText(tr("Custom size (px)"));
    customSize_->setAccessibleName(tr("Custom export size in pixels"));
    customSize_->setFixedWidth(120);
    sizeNote_ = makeCaption({});
    sizeNote_->setWordWrap(true);

    sizeControls_ = new QWidget;
    auto* layout = new QVBoxLayout(sizeControls_);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(makeCaption(tr("Size")));
    layout->addWidget(size_);
    layout->addWidget(customSize_);
    layout->addWidget(sizeNote_);
    return sizeControls_;
}

ExportFormat ExportPanel::selectedFormat() const {
    return format_ && format_->currentIndex() == int(ExportFormat::svg) ? ExportFormat::svg
                                                                        : ExportFormat::png;
}

qint64 ExportPanel::effectiveExportSize() const {
    if (!size_) return defaultSize;
    if (size_->currentIndex() != customSegment) return sizePresets[size_->currentIndex()];
    return parseExportSize(customSize_->text()).value_or(defaultSize);
}

// The size controls keep their values while hidden, so switching back to PNG finds them as
// they were.
void ExportPanel::showChoices() {
    const bool png = selectedFormat() == ExportFormat::png;
    const bool custom = size_->currentIndex() == customSegment;
    sizeControls_->setVisible(png);
    customSize_->setVisible(custom);
    const bool tooLarge = boundedPNGExportSize(effectiveExportSize()) < effectiveExportSize();
    sizeNote_->setVisible(custom);
    sizeNote_->setText(tooLarge ? tr("This exports at the largest size, %1 px.").arg(maximumPngSize)
                                : tr("Up to %1 px.").arg(maximumPngSize));
    QPalette notePalette = sizeNote_->palette();
    notePalette.setColor(
        QPalette::PlaceholderText,
        tooLarge ? warningColor(palette()) : palette().color(QPalette::PlaceholderText));
    sizeNote_->setPalette(notePalette);

    const QString kind = png ? tr("PNG image") : tr("SVG");
    copy_->setAccessibleDescription(tr("Copies the QR code as %1 to the clipboard").arg(kind));
    save_->setAccessibleDescription(tr("Saves the QR code as %1 to disk").arg(kind));
    adjustSize();
}

void ExportPanel::copyToClipboard() {
    if (selectedFormat() == ExportFormat::png) {
        copyPNG(*matrix_, document_->style(), effectiveExportSize(), QGuiApplication::clipboard());
    } else {
        copySVG(*matrix_, document_->style(), QGuiApplication::clipboard());
    }
    accept();
}

void ExportPanel::saveToFile() {
    QWidget* window = parentWidget() ? parentWidget()->window() : nullptr;
    if (selectedFormat() == ExportFormat::png) {
        savePNG(*matrix_, document_->style(), effectiveExportSize(), window);
    } else {
        saveSVG(*matrix_, document_->style(), window);
    }
    accept();
}

}  // namespace vostrel
