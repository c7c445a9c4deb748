#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

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
    // Opens the file or raises its window; on failure tells the user "Couldn’t open this
    // Vostrel" with the reason, changes nothing else and returns nullptr.
    DocumentWindow* openFile(const QString& path);
    // The open dialog, window-modal over `parent` when given.
    void chooseFileToOpen(QWidget* parent);
    // Closes every document window, asking about unsaved changes; quits when all closed.
    void quit();

    QList<DocumentWindow*> windows() const;
    RecentFiles* recentFiles() const { return recentFiles_; }
    WindowRegistry* windowRegistry() const { return windowRegistry_; }

  Q_SIGNALS:
    // A document window is about to be shown (the welcome window leaves when one appears).
    void documentWindowShown(DocumentWindow* window);

  private:
    DocumentWindow* show(DocumentWindow* window);
    DocumentWindow* windowForFile(const QString& path) const;
    void reportOpenFailure(const QString& path, const QString& reason);
    void closeNextThenQuit(QList<QPointer<DocumentWindow>> remaining);

    RecentFiles* recentFiles_;
    WindowRegistry* windowRegistry_;
    QList<QPointer<DocumentWindow>> windows_;
};

}  // namespace vostrel
