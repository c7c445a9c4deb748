#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

class QUndoStack;

namespace vostrel {

class DocumentController;
class DocumentView;
class VostrelDocument;

// One window per document: the document view with its menus and toolbar, the window's undo
// stack, the file the document lives in (none until first saved) and whether it has unsaved
// changes (the title's modified marker). Closing with unsaved changes asks first.
class DocumentWindow : public QMainWindow {
    Q_OBJECT

  public:
    DocumentWindow(std::unique_ptr<VostrelDocument> document, const QString& filePath,
                   DocumentController* controller);
    ~DocumentWindow() override;

    VostrelDocument* document() const { return document_.get(); }
    DocumentView* view() const { return view_; }
    QUndoStack* undoStack() const { return undoStack_; }
    const QString& filePath() const { return filePath_; }

    using Done = std::function<void(bool)>;
    // Saves to the document's file, asking where first when it has none. `done` learns whether
    // the document was written.
    void save(Done done = {});
    // Asks where to save (window-modal, without blocking) and saves there.
    void saveAs(Done done = {});
    // Closes the window, first asking whether to save unsaved changes. `done` learns whether
    // the window closed (false when the user cancelled or saving failed).
    void closeAskingToSave(Done done = {});

  Q_SIGNALS:
    void saved(const QString& path);
    // The window is closing for good (the user did not cancel), still on screen.
    void closing();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool writeTo(const QString& path);
    void closeWithoutAsking();
    void updateTitle();
    void markModified();

    std::unique_ptr<VostrelDocument> document_;
    QString filePath_;
    DocumentController* controller_;
    QUndoStack* undoStack_;
    DocumentView* view_;
    bool closeConfirmed_ = false;
};

}  // namespace vostrel
