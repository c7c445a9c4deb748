#include "ui/editor/batch/batch_input_alert.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

namespace vostrel {

void showBatchAlert(QWidget* window, const QString& text, const BatchError& error) {
    auto* box = new QMessageBox(QMessageBox::Warning, QObject::tr("Batch Export"), text,
                                QMessageBox::Ok, window);
    box->setTextFormat(Qt::PlainText);  // a file or folder name is never markup
    box->setInformativeText(error.message);
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void showUnreadableInput(QWidget* parent, const BatchError& error) {
    const QString name = QFileInfo(error.path).fileName();
    showBatchAlert(parent ? parent->window() : nullptr,
                   QObject::tr("Couldn’t read “%1”.").arg(name), error);
}

}  // namespace vostrel
