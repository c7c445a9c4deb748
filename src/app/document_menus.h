#pragma once

class QMenuBar;

namespace vostrel {

class DocumentController;
class DocumentWindow;
class LibraryView;

// The menu bar and toolbar of a document window: File (New, Open…, Open Recent, Save, Save As…,
// Export..., Batch Export..., Close, Quit), Edit (Undo and Redo named after the action, Copy),
// View (Inspector), Window (Library) and Help (About Vostrel); the toolbar holds the Export menu
// button and the inspector toggle.
void buildDocumentMenus(DocumentWindow* window, DocumentController* controller);

// The library window's menu bar: File (New, Open…, Close, Quit) and Window (Library).
void buildLibraryMenus(LibraryView* window, DocumentController* controller);

// The Window menu: the controller's window actions, such as "Library" (Ctrl+Shift+L).
void addWindowMenu(QMenuBar* menuBar, DocumentController* controller);

}  // namespace vostrel
