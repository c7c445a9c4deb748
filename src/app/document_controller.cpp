#include "app/document_controller.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include "app/app_commands.h"
#include "app/document_window.h"
#include "app/recent_files.h"
#include "common/file_path.h"
#include "document/vostrel_document.h"
#include "ui/widgets/dialog_folder.h"

namespace vostrel {

namespace {

// The reader's own wording ("style.foreground: missing", the system's "No such file or
// directory") says what broke but not to whom; the user first needs to know which file and
// what kind of trouble it is.
QString describeOpenFailure(const QString& path, const DocumentError& error) {
    const QString file =
        QObject::tr("The file “%1” couldn’t be opened").arg(QFileInfo(path).fileName());
    if (!QFileInfo::exists(path)) return QObject::tr("%1 because there is no such file.").arg(file);
    switch (error.kind) {
        case DocumentError::Kind::corruptFile:
            return QObject::tr("%1 because it isn’t a regular file.").arg(file);
        case DocumentError::Kind::decodingFailed:
            return QObject::tr("%1 because it isn’t a Vostrel document (%2).")
                .arg(file, error.message);
        default:
            return QObject::tr("%1 (%2).").arg(file, error.message);
    }
}

}  // namespace

DocumentController::DocumentController(RecentFiles* recentFiles, WindowRegistry* windows,
                                       QObject* parent)
    : QObject(parent),
      recentFiles_(recentFiles),
      windowRegistry_(windows),
      commands_(new AppCommands(this)) {}

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

Expected<DocumentWindow*, QString> DocumentController::tryOpenFile(const QString& path) {
    if (DocumentWindow* existing = windowForFile(path)) {
        recentFiles_->add(path);
        existing->show();
        existing->raise();
        existing->activateWindow();
        return existing;
    }
    auto document = VostrelDocument::open(path);
    if (!document) return unexpected(describeOpenFailure(path, document.error()));
    recentFiles_->add(path);
    return show(new DocumentWindow(std::move(*document), standardFilePath(path), this));
}

DocumentWindow* DocumentController::openFile(const QString& path) {
    const auto opened = tryOpenFile(path);
    if (opened) return *opened;
    reportOpenFailure(opened.error());
    return nullptr;
}

QFileDialog* DocumentController::makeOpenDialog(QWidget* parent) {
    auto* dialog =
        new QFileDialog(parent, tr("Open"), dialogStartFolder(QStandardPaths::DocumentsLocation),
                        tr("Vostrel documents (*.vostrel)"));
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    return dialog;
}

void DocumentController::chooseFileToOpen(QWidget* parent) {
    QFileDialog* dialog = makeOpenDialog(parent);
    // The alert belongs to the window that asked: the dialog, still the active window when it
    // reports its choice, is deleted as it closes and would take the alert with it.
    connect(dialog, &QFileDialog::filesSelected, this,
            [this, asker = QPointer<QWidget>(parent)](const QStringList& paths) {
                for (const QString& path : paths) {
                    const auto opened = tryOpenFile(path);
                    if (!opened) reportOpenFailure(opened.error(), asker);
                }
            });
    dialog->open();
}

DocumentWindow* DocumentController::show(DocumentWindow* window) {
    windows_ << window;
    connect(window, &DocumentWindow::saved, recentFiles_, &RecentFiles::add);
    connect(window, &DocumentWindow::closing, this, [this, window] { windowClosing(window); });
    Q_EMIT documentWindowShown(window);
    window->show();
    return window;
}

void DocumentController::windowClosing(DocumentWindow* window) {
    if (quitting_) return;
    QList<DocumentWindow*> others = windows();
    others.removeAll(window);
    if (others.isEmpty()) Q_EMIT lastDocumentWindowClosing();
}

DocumentWindow* DocumentController::windowForFile(const QString& path) const {
    const QString wanted = standardFilePath(path);
    for (DocumentWindow* window : windows()) {
        if (!window->filePath().isEmpty() && standardFilePath(window->filePath()) == wanted)
            return window;
    }
    return nullptr;
}

void DocumentController::reportOpenFailure(const QString& reason, QWidget* parent) {
    if (!parent) parent = QApplication::activeWindow();
    auto* box = new QMessageBox(QMessageBox::Warning, tr("Couldn’t open this Vostrel"),
                                tr("Couldn’t open this Vostrel"), QMessageBox::Ok, parent);
    box->setInformativeText(reason);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (parent) {
        box->open();
    } else {
        box->show();
    }
}

void DocumentController::quit() {
    quitting_ = true;
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
        if (closed) {
            closeNextThenQuit(remaining);
        } else {
            quitting_ = false;  // the user kept this window: no quitting, nothing more closes
        }
    });
}

}  // namespace vostrel
