#include <QVBoxLayout>

#include "document/vostrel_document.h"
#include "export/export_settings.h"
#include "ui/editor/inspector/inspector_sections.h"
#include "ui/widgets/segmented_control.h"

namespace vostrel {

namespace {

// How much of a damaged or covered symbol each level restores.
QString levelDescription(CorrectionLevel level) {
    switch (level) {
        case CorrectionLevel::l:
            return QObject::tr("Low, restores about 7%");
        case CorrectionLevel::m:
            return QObject::tr("Medium, restores about 15%");
        case CorrectionLevel::q:
            return QObject::tr("Quartile, restores about 25%");
        case CorrectionLevel::h:
            return QObject::tr("High, restores about 30%");
    }
    return {};
}

}  // namespace

ErrorCorrectionSection::ErrorCorrectionSection(VostrelDocument* document, QWidget* parent)
    : InspectorSection(tr("Error Correction"), document, parent),
      picker_(new SegmentedControl),
      logoNote_(makeLogoCorrectionNote()) {
    picker_->setAccessibleName(tr("Error correction level"));
    picker_->setAccessibleDescription(
        tr("Higher levels read through more damage but make denser codes"));
    for (const CorrectionLevel level : allCases<CorrectionLevel>()) {
        const QString letter = rawValue(level);
        picker_->addSegment(letter, levelDescription(level), letter);
        picker_->segment(picker_->count() - 1)->setToolTip(levelDescription(level));
    }
    body()->addWidget(picker_);
    body()->addWidget(logoNote_);
    connect(picker_, &SegmentedControl::activated, this,
            [this](int index) { setLevel(allCases<CorrectionLevel>()[index]); });
    connect(document, &VostrelDocument::exportSettingsChanged, this,
            &ErrorCorrectionSection::refresh);
    refresh();
}

void ErrorCorrectionSection::setLevel(CorrectionLevel level) {
    ExportSettings settings = document()->exportSettings();
    settings.correctionLevel = level;
    document()->setExportSettings(settings);
}

void ErrorCorrectionSection::showStyle(const QRStyle& style) {
    const CorrectionLevel shown = effectiveCorrectionLevel(style, document()->exportSettings());
    picker_->setCurrentIndex(int(shown));
    picker_->setEnabled(!style.logoOverlay);
    logoNote_->setVisible(style.logoOverlay.has_value());
}

}  // namespace vostrel
