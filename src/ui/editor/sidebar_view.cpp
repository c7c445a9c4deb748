#include "ui/editor/sidebar_view.h"

#include <QFrame>
#include <QScrollArea>
#include <QVBoxLayout>

#include "document/vostrel_document.h"
#include "ui/editor/content_type_picker.h"
#include "ui/editor/forms/content_forms.h"

namespace vostrel {

SidebarView::SidebarView(VostrelDocument* document, QUndoStack* undoStack, QWidget* parent)
    : QWidget(parent),
      document_(document),
      undoStack_(undoStack),
      picker_(new ContentTypePicker),
      scrollArea_(new QScrollArea) {
    auto* pickerBox = new QWidget;
    auto* pickerLayout = new QVBoxLayout(pickerBox);
    pickerLayout->setContentsMargins(16, 12, 16, 8);
    pickerLayout->addWidget(picker_);

    auto* divider = new QFrame;
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Plain);
    divider->setForegroundRole(QPalette::Mid);

    scrollArea_->setWidgetResizable(true);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pickerBox);
    layout->addWidget(divider);
    layout->addWidget(scrollArea_, 1);

    connect(picker_, &ContentTypePicker::typeChosen, this,
            [this](ContentType type) { document_->switchContentType(type, undoStack_); });
    connect(document_, &VostrelDocument::contentChanged, this, &SidebarView::showDocumentContent);
    showDocumentContent();
}

ContentForm* SidebarView::form() const {
    return form_;
}

void SidebarView::showDocumentContent() {
    const QRContent& content = document_->content();
    picker_->setCurrentType(content.contentType());
    if (!form_ || form_->kind() != content.contentType()) {
        auto* page = new QWidget;
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(16, 16, 16, 16);
        form_ = makeContentForm(content.contentType(), page);
        pageLayout->addWidget(form_);
        connect(form_, &ContentForm::contentEdited, this, &SidebarView::applyEdit);
        connect(form_, &ContentForm::aboutRequested, this, &SidebarView::aboutRequested);
        delete scrollArea_->takeWidget();
        scrollArea_->setWidget(page);
    }
    form_->showContent(content);
}

// A form of the kind left behind may still report an edit (a late text-change signal); it must
// not overwrite the content of the kind now shown.
void SidebarView::applyEdit(const QRContent& content) {
    if (document_->content().contentType() == content.contentType()) document_->setContent(content);
}

}  // namespace vostrel
