#include "ui/editor/forms/content_form.h"

#include <QLabel>

#include "ui/editor/chirp_footer.h"

namespace vostrel {

ContentForm::ContentForm(ContentType kind, const QString& remark, QWidget* parent)
    : QWidget(parent), kind_(kind), groups_(new QVBoxLayout) {
    groups_->setContentsMargins(0, 0, 0, 0);
    groups_->setSpacing(12);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addLayout(groups_);
    auto* footer = new ChirpFooter(remark);
    connect(footer, &ChirpFooter::logoClicked, this, &ContentForm::aboutRequested);
    layout->addWidget(footer);
    layout->addStretch(1);
}

void ContentForm::showContent(const QRContent& content) {
    displaying_ = true;
    display(content.contentType() == kind_ ? content : emptyContent(kind_));
    displaying_ = false;
}

void ContentForm::addGroup(const QString& caption, QWidget* control) {
    addGroup(caption, control, nullptr);
}

void ContentForm::addGroup(const QString& caption, QWidget* control, QWidget* below) {
    auto* group = new QVBoxLayout;
    group->setSpacing(4);
    if (!caption.isEmpty()) {
        QLabel* label = makeCaption(caption);
        label->setBuddy(control);
        group->addWidget(label);
    }
    group->addWidget(control);
    if (below) group->addWidget(below);
    groups_->addLayout(group);
}

}  // namespace vostrel
