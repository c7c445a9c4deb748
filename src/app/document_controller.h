#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include "common/expected.h"

class QAction;
class QFileDialog;

namespace vostrel {

class DocumentWindow;
class RecentFiles;
class WindowRegistry;

// Opens, creates and closes document windows for the whole application: New, Open…, Open
// Recent, and Quit, which asks every window with unsaved changes in turn and stops at the first
// Cancel. A file that is already open is brought forward instead of being opened twice.
class DocumentController : public QObject {
    Q_OBJECT

  public:
    DocumentController(RecentFiles* recentFiles, WindowRegistry* windows,
                       QObject* parent = nullptr);

    DocumentWindow* newDocument();
    // Opens the file or raises its window. On failure nothing changes and the error is a
    // sentence for the user that names the file and says why.
    Expected<DocumentWindow*, QString> tryOpenFile(const QString& path);
    // tryOpenFile, telling the user "Couldn’t open this Vostrel" with the reason on failure
    // (then nullptr).
    DocumentWindow* openFile(const QString& path);
    // "Couldn’t open this Vostrel" with the reason, window-modal over `parent`, or over the
    // active window when there is none.
    void reportOpenFailure(const QString& reason, QWidget* parent = nullptr);
    // The open dialog for documents, set up but not yet shown, deleted when closed.
    QFileDialog* makeOpenDialog(QWidget* parent);
    // The open dialog, window-modal over `parent` when given; every chosen file is opened.
    void chooseFileToOpen(QWidget* parent);
    // Closes every document window, asking about unsaved changes; quits when all closed.
    void quit();

    // Application-wide commands that every document window's Help menu lists after "About
    // Vostrel" (the update check); add them before the first window opens.
    void addHelpAction(QAction* action) { helpActions_ << action; }
    const QList<QAction*>& helpActions() const { return helpActions_; }
    // Application-wide commands of every window's Window menu (the library); their shortcuts
    // work in every window of the application, add them before the first window opens.
    void addWindowAction(QAction* action) { windowActions_ << action; }
    const QList<QAction*>& windowActions() const { return windowActions_; }
    QList<DocumentWindow*> windows() const;
    RecentFiles* recentFiles() const { return recentFiles_; }
    WindowRegistry* windowRegistry() const { return windowRegistry_; }

  Q_SIGNALS:
    // A document window is about to be shown (the welcome window leaves when one appears).
    void documentWindowShown(DocumentWindow* window);
    // The last document window is closing, other than on Quit: the welcome window comes back
    // while it is still on screen, so the application never ends up with no window at all.
    void lastDocumentWindowClosing();

  private:
    void windowClosing(DocumentWindow* window);
    DocumentWindow* show(DocumentWindow* window);
    DocumentWindow* windowForFile(const QString& path) const;
    void closeNextThenQuit(QList<QPointer<DocumentWindow>> remaining);

    RecentFiles* recentFiles_;
    WindowRegistry* windowRegistry_;
    QList<QPointer<DocumentWindow>> windows_;
    QList<QAction*> helpActions_;
    QList<QAction*> windowActions_;
    bool quitting_ = false;
};

}  // namespace vostrel
