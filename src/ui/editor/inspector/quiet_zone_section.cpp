#include <QVBoxLayout>

#include "ui/editor/inspector/inspector_sections.h"
#include "ui/widgets/stepper.h"

namespace vostrel {

QuietZoneSection::QuietZoneSection(VostrelDocument* document, QWidget* parent)
    : InspectorSection(tr("Quiet Zone"), document, parent),
      stepper_(new Stepper(
          4, 10, [](qint64 modules) { return tr("Quiet zone: %1 modules").arg(modules); },
          {tr("Quiet zone size"),
           tr("Adjusts the blank border around the QR code, between 4 and 10 modules")})) {
    body()->addWidget(stepper_);
    connect(stepper_, &Stepper::valueEdited, this, [this](qint64 modules) {
        editStyle([modules](QRStyle& style) { style.quietZoneModules = modules; });
    });
    refresh();
}

void QuietZoneSection::showStyle(const QRStyle& style) {
    stepper_->setValue(style.quietZoneModules);
}

}  // namespace vostrel
