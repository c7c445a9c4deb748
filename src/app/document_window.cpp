#include "app/document_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUndoStack>

#include "app/document_menus.h"
#include "document/vostrel_document.h"
#include "ui/editor/document_view.h"
#include "ui/widgets/dialog_folder.h"

namespace vostrel {

namespace {

const QString documentFilter = QObject::tr("Vostrel documents (*.vostrel)");

}  // namespace

DocumentWindow::DocumentWindow(std::unique_ptr<VostrelDocument> document, const QString& filePath,
                               DocumentController* controller)
    : document_(std::move(document)),
      filePath_(filePath),
      controller_(controller),
      undoStack_(new QUndoStack(this)),
      view_(new DocumentView(document_.get(), undoStack_)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setCentralWidget(view_);
    setWindowFilePath(filePath_);
    buildDocumentMenus(this, controller_);
    resize(1180, 720);

    VostrelDocument* doc = document_.get();
    for (auto signal : {&VostrelDocument::contentChanged, &VostrelDocument::styleChanged,
                        &VostrelDocument::exportSettingsChanged, &VostrelDocument::nameChanged}) {
        connect(doc, signal, this, &DocumentWindow::markModified);
    }
    connect(doc, &VostrelDocument::nameChanged, this, &DocumentWindow::updateTitle);
    updateTitle();
}

DocumentWindow::~DocumentWindow() = default;

void DocumentWindow::updateTitle() {
    setWindowTitle(document_->name() + QStringLiteral("[*]"));
}

void DocumentWindow::markModified() {
    setWindowModified(true);
}

void DocumentWindow::save(Done done) {
    if (filePath_.isEmpty()) return saveAs(std::move(done));
    const bool written = writeTo(filePath_);
    if (done) done(written);
}

void DocumentWindow::saveAs(Done done) {
    const QString folder = filePath_.isEmpty()
                               ? dialogStartFolder(QStandardPaths::DocumentsLocation)
                               : QFileInfo(filePath_).absolutePath();
    auto* dialog = new QFileDialog(
        this, tr("Save As"), QDir(folder).filePath(document_->name() + ".vostrel"), documentFilter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("vostrel"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this, done](const QString& path) {
        const bool written = writeTo(path);
        if (done) done(written);
    });
    connect(dialog, &QFileDialog::rejected, this, [done] {
        if (done) done(false);
    });
    dialog->open();
}

bool DocumentWindow::writeTo(const QString& path) {
    const auto written = document_->save(path);
    if (!written) {
        auto* box =
            new QMessageBox(QMessageBox::Warning, tr("Couldn’t save “%1”").arg(document_->name()),
                            tr("Couldn’t save “%1”").arg(document_->name()), QMessageBox::Ok, this);
        box->setInformativeText(written.error().message);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return false;
    }
    filePath_ = path;
    setWindowFilePath(path);
    setWindowModified(false);
    Q_EMIT saved(path);
    return true;
}

void DocumentWindow::closeAskingToSave(Done done) {
    if (!isWindowModified()) {
        closeWithoutAsking();
        if (done) done(true);
        return;
    }
    auto* box = new QMessageBox(
        QMessageBox::Warning, tr("Unsaved changes"),
        tr("Do you want to save the changes you made to “%1”?").arg(document_->name()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box->setInformativeText(tr("Your changes will be lost if you don’t save them."));
    box->setDefaultButton(QMessageBox::Save);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, done](int) {
        const auto choice = box->standardButton(box->clickedButton());
        if (choice == QMessageBox::Discard) {
            closeWithoutAsking();
            if (done) done(true);
        } else if (choice == QMessageBox::Save) {
            save([this, done](bool written) {
                if (written) closeWithoutAsking();
                if (done) done(written);
            });
        } else if (done) {
            done(false);
        }
    });
    box->open();
}

void DocumentWindow::closeWithoutAsking() {
    closeConfirmed_ = true;
    close();
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    if (closeConfirmed_ || !isWindowModified()) {
        event->accept();
        Q_EMIT closing();
        return;
    }
    event->ignore();
    closeAskingToSave();
}

}  // namespace vostrel
