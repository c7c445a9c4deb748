#include "ui/editor/batch/batch_input_alert.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

namespace vostrel {

void showUnreadableInput(QWidget* parent, const BatchError& error) {
    const QString name = QFileInfo(error.path).fileName();
    auto* box = new QMessageBox(QMessageBox::Warning, QObject::tr("Batch Export"),
                                QObject::tr("Couldn’t read “%1”.").arg(name), QMessageBox::Ok,
                                parent ? parent->window() : nullptr);
    box->setTextFormat(Qt::PlainText);  // a file name is never markup
    box->setInformativeText(error.message);
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace vostrel
