#include <QVBoxLayout>

#include "ui/editor/inspector/inspector_sections.h"
#include "ui/widgets/segmented_control.h"

namespace vostrel {

namespace {

QString capitalised(QString word) {
    word[0] = word[0].toUpper();
    return word;
}

}  // namespace

ShapeSection::ShapeSection(VostrelDocument* document, QWidget* parent)
    : InspectorSection(tr("Shape"), document, parent), picker_(new SegmentedControl) {
    picker_->setAccessibleName(tr("Module shape"));
    for (const ModuleShape shape : allCases<ModuleShape>()) {
        const QString word = capitalised(rawValue(shape));
        picker_->addSegment(word, tr("%1 module shape").arg(word));
    }
    body()->addWidget(picker_);
    connect(picker_, &SegmentedControl::activated, this, [this](int index) {
        editStyle([index](QRStyle& style) { style.moduleShape = allCases<ModuleShape>()[index]; });
    });
    refresh();
}

void ShapeSection::showStyle(const QRStyle& style) {
    picker_->setCurrentIndex(int(style.moduleShape));
}

}  // namespace vostrel
