#include "app/document_controller.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include "app/document_window.h"
#include "app/recent_files.h"
#include "document/vostrel_document.h"

namespace vostrel {

namespace {

QString canonicalPath(const QString& path) {
    const QFileInfo info(path);
    return info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
}

}  // namespace

DocumentController::DocumentController(RecentFiles* recentFiles, WindowRegistry* windows,
                                       QObject* parent)
    : QObject(parent), recentFiles_(recentFiles), windowRegistry_(windows) {}

QList<DocumentWindow*> DocumentController::windows() const {
    QList<DocumentWindow*> open;
    for (const auto& window : windows_) {
        if (window) open << window;
    }
    return open;
}

DocumentWindow* DocumentController::newDocument() {
    return show(new DocumentWindow(std::make_unique<VostrelDocument>(), {}, this));
}

DocumentWindow* DocumentController::openFile(const QString& path) {
    if (DocumentWindow* existing = windowForFile(path)) {
        recentFiles_->add(path);
        existing->show();
        existing->raise();
        existing->activateWindow();
        return existing;
    }
    auto document = VostrelDocument::open(path);
    if (!document) {
        reportOpenFailure(path, document.error().message);
        return nullptr;
    }
    recentFiles_->add(path);
    return show(new DocumentWindow(std::move(*document), canonicalPath(path), this));
}

void DocumentController::chooseFileToOpen(QWidget* parent) {
    auto* dialog = new QFileDialog(
        parent, tr("Open"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        tr("Vostrel documents (*.vostrel)"));
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::filesSelected, this, [this](const QStringList& paths) {
        for (const QString& path : paths) openFile(path);
    });
    dialog->open();
}

DocumentWindow* DocumentController::show(DocumentWindow* window) {
    windows_ << window;
    connect(window, &DocumentWindow::saved, recentFiles_, &RecentFiles::add);
    Q_EMIT documentWindowShown(window);
    window->show();
    return window;
}

DocumentWindow* DocumentController::windowForFile(const QString& path) const {
    const QString wanted = canonicalPath(path);
    for (DocumentWindow* window : windows()) {
        if (!window->filePath().isEmpty() && canonicalPath(window->filePath()) == wanted)
            return window;
    }
    return nullptr;
}

void DocumentController::reportOpenFailure(const QString& path, const QString& reason) {
    QWidget* parent = QApplication::activeWindow();
    auto* box = new QMessageBox(QMessageBox::Warning, tr("Couldn’t open this Vostrel"),
                                tr("Couldn’t open this Vostrel"), QMessageBox::Ok, parent);
    box->setInformativeText(QStringLiteral("%1\n\n%2").arg(QFileInfo(path).fileName(), reason));
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (parent) {
        box->open();
    } else {
        box->show();
    }
}

void DocumentController::quit() {
    closeNextThenQuit(windows_);
}

void DocumentController::closeNextThenQuit(QList<QPointer<DocumentWindow>> remaining) {
    while (!remaining.isEmpty() && !remaining.front()) remaining.removeFirst();
    if (remaining.isEmpty()) {
        QApplication::closeAllWindows();
        QApplication::quit();
        return;
    }
    DocumentWindow* next = remaining.takeFirst();
    next->closeAskingToSave([this, remaining](bool closed) {
        if (closed) closeNextThenQuit(remaining);
    });
}

}  // namespace vostrel
