#include "ui/editor/inspector/inspector_section.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "document/vostrel_document.h"
#include "ui/editor/forms/form_fields.h"
#include "ui/widgets/icons.h"

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

QWidget* makeLogoCorrectionNote() {
    auto* note = new QWidget;
    auto* row = new QHBoxLayout(note);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    auto* icon = new QLabel;
    icon->setPixmap(
        symbolIcon(QStringLiteral("info.circle")).pixmap(QSize(14, 14), note->devicePixelRatioF()));
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(makeCaption(QObject::tr("Error correction set to H for logo"), 0.8), 1);
    return note;
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
