#include "ui/editor/inspector/inspector_section.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "document/vostrel_document.h"
#include "ui/editor/forms/form_fields.h"

namespace vostrel {

InspectorSection::InspectorSection(const QString& title, VostrelDocument* document, QWidget* parent)
    : QWidget(parent), document_(document), body_(new QVBoxLayout) {
    setAccessibleName(title);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    QLabel* caption = makeCaption(title.toUpper());
    caption->setAccessibleName(title);
    layout->addWidget(caption);
    body_->setContentsMargins(0, 0, 0, 0);
    body_->setSpacing(10);
    layout->addLayout(body_);
    connect(document_, &VostrelDocument::styleChanged, this, &InspectorSection::refresh);
}

void InspectorSection::refresh() {
    showStyle(document_->style());
}

void InspectorSection::editStyle(const std::function<void(QRStyle&)>& edit) {
    QRStyle style = document_->style();
    edit(style);
    document_->setStyle(style);
}

QWidget* makeLabelledRow(const QString& label, QWidget* field, QWidget* besideLabel) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    auto* title = new QLabel(label);
    title->setBuddy(field);
    layout->addWidget(title);
    layout->addStretch(1);
    if (besideLabel) layout->addWidget(besideLabel);
    layout->addWidget(field);
    return row;
}

}  // namespace vostrel
