#include <QPushButton>
#include <QVBoxLayout>

#include "document/vostrel_document.h"
#include "ui/editor/inspector/inspector_sections.h"
#include "ui/editor/inspector/logo_widgets.h"
#include "ui/editor/preview/logo_image_chooser.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {

namespace {

QPushButton* makeLinkButton(const QString& text) {
    auto* button = new QPushButton(text);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(
        QStringLiteral("QPushButton { color: %1; border: none; padding: 2px 0; text-align: left; }"
                       "QPushButton:hover, QPushButton:focus { text-decoration: underline; }")
            .arg(accentColor(button->palette()).name()));
    return button;
}

}  // namespace

LogoSection::LogoSection(VostrelDocument* document, QUndoStack* undoStack, QWidget* parent)
    : InspectorSection(tr("Logo"), document, parent),
      undoStack_(undoStack),
      addButtons_(new QWidget),
      settings_(new LogoSettings) {
    QPushButton* choose = makeLinkButton(tr("Choose your own image…"));
    auto* mascot = new AddVostrelLogoButton;
    auto* addLayout = new QVBoxLayout(addButtons_);
    addLayout->setContentsMargins(0, 0, 0, 0);
    addLayout->setSpacing(6);
    addLayout->addWidget(choose, 0, Qt::AlignLeft);
    addLayout->addWidget(mascot);
    body()->addWidget(addButtons_);
    body()->addWidget(settings_);

    connect(choose, &QPushButton::clicked, this, &LogoSection::chooseImage);
    connect(mascot, &QAbstractButton::clicked, this, [this] {
        if (const auto logo = vostrelMascotLogo()) setLogo(*logo);
    });
    connect(settings_, &LogoSettings::replaceRequested, this, &LogoSection::chooseImage);
    connect(settings_, &LogoSettings::removeRequested, this, [this] { setLogo(std::nullopt); });
    connect(settings_, &LogoSettings::edited, this, [this](const LogoSettings::Edit& edit) {
        editStyle([&](QRStyle& style) {
            if (style.logoOverlay) edit(*style.logoOverlay);
        });
    });
    refresh();
}

void LogoSection::chooseImage() {
    chooseLogoImage(this, [self = QPointer(this)](const LogoOverlay& logo) {
        if (self) self->setLogo(logo);
    });
}

void LogoSection::setLogo(const std::optional<LogoOverlay>& logo) {
    document()->setLogoOverlay(logo, undoStack_);
}

void LogoSection::showStyle(const QRStyle& style) {
    addButtons_->setVisible(!style.logoOverlay);
    settings_->setVisible(style.logoOverlay.has_value());
    if (style.logoOverlay) settings_->showLogo(*style.logoOverlay);
}

}  // namespace vostrel
