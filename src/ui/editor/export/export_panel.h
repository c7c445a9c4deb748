#pragma once

#include <QDialog>
#include <optional>

#include "engine/module_matrix.h"
#include "export/export_settings.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vostrel {

class SegmentedControl;
class VostrelDocument;

// A custom export size as typed: an optional "+" or "-" and ASCII digits, nothing else (no
// spaces, no separators, no decimal point), within 64 bits. Nothing otherwise.
std::optional<qint64> parseExportSize(const QString& text);

// The export sheet of a document window: PNG or SVG, for PNG a size from three presets or a
// custom one, then Copy to clipboard or Save to file, either of which closes the sheet. It
// exports the matrix it was opened with and the document's current style, and neither reads nor
// writes the document's export settings: every opening starts at PNG and 1024 px. Opened without
// a matrix it only says that there is nothing to export yet.
class ExportPanel : public QDialog {
    Q_OBJECT

  public:
    static constexpr qint64 defaultSize = 1024;

    ExportPanel(VostrelDocument* document, std::optional<ModuleMatrix> matrix,
                QWidget* parent = nullptr);

    ExportFormat selectedFormat() const;
    // The chosen preset, or the parsed custom size (1024 when it does not parse), unbounded; the
    // PNG actually made is at most maximumPngSize.
    qint64 effectiveExportSize() const;

    SegmentedControl* formatPicker() const { return format_; }
    SegmentedControl* sizePicker() const { return size_; }
    QLineEdit* customSizeField() const { return customSize_; }
    QPushButton* copyButton() const { return copy_; }
    QPushButton* saveButton() const { return save_; }

  private:
    void buildEmpty();
    void buildControls();
    QWidget* makeSizeControls();
    void showChoices();
    void copyToClipboard();
    void saveToFile();

    VostrelDocument* document_;
    std::optional<ModuleMatrix> matrix_;
    SegmentedControl* format_ = nullptr;
    SegmentedControl* size_ = nullptr;
    QWidget* sizeControls_ = nullptr;
    QLineEdit* customSize_ = nullptr;
    QLabel* sizeNote_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* save_ = nullptr;
};

}  // namespace vostrel
