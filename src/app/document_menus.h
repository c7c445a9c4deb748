#pragma once

namespace vostrel {

class DocumentController;
class DocumentWindow;

// The menu bar and toolbar of a document window: File (New, Open…, Open Recent, Save, Save As…,
// Export..., Batch Export..., Close, Quit), Edit (Undo and Redo named after the action, Copy),
// View (Inspector) and Help (About Vostrel); the toolbar holds the Export menu button and the
// inspector toggle.
void buildDocumentMenus(DocumentWindow* window, DocumentController* controller);

}  // namespace vostrel
