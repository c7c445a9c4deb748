#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace vostrel {

class DocumentController;

// The application's own commands, one QAction each, shared by every window: the document and
// library windows' menus and the welcome window's menu button hold these same actions, and
// windows without a menu bar add them so that their shortcuts work there too.
class AppCommands : public QObject {
    Q_OBJECT

  public:
    explicit AppCommands(DocumentController* documents);

    QAction* newDocument() const { return newDocument_; }  // Ctrl+N
    QAction* open() const { return open_; }                // Ctrl+O, over the active window
    QAction* about() const { return about_; }
    QAction* quit() const { return quit_; }  // Ctrl+Q, asking about unsaved changes

    // "Open Recent": the recent documents, refilled each time it opens, and "Clear Menu".
    QMenu* makeRecentMenu(QWidget* parent) const;

  private:
    void fillRecentMenu(QMenu* menu) const;

    DocumentController* documents_;
    QAction* newDocument_;
    QAction* open_;
    QAction* about_;
    QAction* quit_;
};

}  // namespace vostrel
