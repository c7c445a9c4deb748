#include "app/document_menus.h"

#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

#include "app/app_commands.h"
#include "app/document_controller.h"
#include "app/document_window.h"
#include "app/standard_shortcuts.h"
#include "ui/editor/document_view.h"
#include "ui/library/library_view.h"
#include "ui/widgets/icons.h"

namespace vostrel {

namespace {

QAction* addAction(QMenu* menu, const QString& text, QKeySequence::StandardKey command,
                   const QString& keys) {
    QAction* action = menu->addAction(text);
    action->setShortcuts(standardShortcuts(command, keys));
    return action;
}

struct ExportActions {
    QAction* exportPanel;
    QAction* batchExport;
};

ExportActions makeExportActions(DocumentWindow* window) {
    auto* exportPanel = new QAction(QObject::tr("Export..."), window);
    exportPanel->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    QObject::connect(exportPanel, &QAction::triggered, window->view(),
                     &DocumentView::showExportPanel);
    auto* batchExport = new QAction(QObject::tr("Batch Export..."), window);
    batchExport->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+E")));
    QObject::connect(batchExport, &QAction::triggered, window->view(),
                     &DocumentView::showBatchExportPanel);
    return {exportPanel, batchExport};
}

void addNewAndOpen(QMenu* file, DocumentController* controller) {
    file->addAction(controller->commands()->newDocument());
    file->addAction(controller->commands()->open());
}

void addCloseAndQuit(QMenu* file, QWidget* window, DocumentController* controller) {
    QObject::connect(
        addAction(file, QObject::tr("&Close"), QKeySequence::Close, QStringLiteral("Ctrl+W")),
        &QAction::triggered, window, &QWidget::close);
    file->addAction(controller->commands()->quit());
}

void buildFileMenu(DocumentWindow* window, DocumentController* controller,
                   const ExportActions& exports) {
    QMenu* file = window->menuBar()->addMenu(QObject::tr("&File"));
    addNewAndOpen(file, controller);
    file->addMenu(controller->commands()->makeRecentMenu(file));
    file->addSeparator();
    QObject::connect(
        addAction(file, QObject::tr("&Save"), QKeySequence::Save, QStringLiteral("Ctrl+S")),
        &QAction::triggered, window, [window] { window->save(); });
    QObject::connect(addAction(file, QObject::tr("Save &As…"), QKeySequence::SaveAs,
                               QStringLiteral("Ctrl+Shift+S")),
                     &QAction::triggered, window, [window] { window->saveAs(); });
    file->addSeparator();
    file->addAction(exports.exportPanel);
    file->addAction(exports.batchExport);
    file->addSeparator();
    addCloseAndQuit(file, window, controller);
}

void buildEditMenu(DocumentWindow* window) {
    QMenu* edit = window->menuBar()->addMenu(QObject::tr("&Edit"));
    QAction* undo = window->undoStack()->createUndoAction(window, QObject::tr("Undo"));
    undo->setShortcuts(standardShortcuts(QKeySequence::Undo, QStringLiteral("Ctrl+Z")));
    QAction* redo = window->undoStack()->createRedoAction(window, QObject::tr("Redo"));
    redo->setShortcuts(standardShortcuts(QKeySequence::Redo, QStringLiteral("Ctrl+Shift+Z")));
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    QObject::connect(
        addAction(edit, QObject::tr("&Copy"), QKeySequence::Copy, QStringLiteral("Ctrl+C")),
        &QAction::triggered, window->view(), &DocumentView::copy);
}

QToolButton* makeExportButton(const ExportActions& exports) {
    auto* button = new QToolButton;
    button->setText(QObject::tr("Export"));
    button->setIcon(symbolIcon(QStringLiteral("square.and.arrow.up")));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    button->setAccessibleName(QObject::tr("Export QR code"));
    button->setAccessibleDescription(
        QObject::tr("Opens the export panel to save or copy the QR code"));
    button->setToolTip(button->accessibleDescription());
    auto* menu = new QMenu(button);
    menu->addAction(exports.exportPanel);
    menu->addAction(exports.batchExport);
    button->setMenu(menu);
    QObject::connect(button, &QToolButton::clicked, exports.exportPanel, &QAction::trigger);
    return button;
}

void buildViewMenu(DocumentWindow* window, const ExportActions& exports) {
    DocumentView* view = window->view();
    QAction* inspector =
        new QAction(symbolIcon(QStringLiteral("sidebar.right")), QObject::tr("Inspector"), window);
    inspector->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+I")));
    inspector->setCheckable(true);
    inspector->setChecked(view->isInspectorShown());
    const auto describe = [inspector](bool shown) {
        inspector->setChecked(shown);
        inspector->setToolTip(shown ? QObject::tr("Hide inspector")
                                    : QObject::tr("Show inspector"));
    };
    describe(view->isInspectorShown());
    QObject::connect(inspector, &QAction::toggled, view, &DocumentView::setInspectorShown);
    QObject::connect(view, &DocumentView::inspectorShownChanged, inspector, describe);
    window->menuBar()->addMenu(QObject::tr("&View"))->addAction(inspector);

    QToolBar* toolbar = window->addToolBar(QObject::tr("Document"));
    toolbar->setObjectName(QStringLiteral("documentToolbar"));
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolbar->addWidget(spacer);
    toolbar->addWidget(makeExportButton(exports));
    toolbar->addAction(inspector);
    if (QWidget* button = toolbar->widgetForAction(inspector)) {
        button->setAccessibleDescription(QObject::tr("Toggles the style inspector panel"));
        QObject::connect(view, &DocumentView::inspectorShownChanged, button, [button](bool shown) {
            button->setAccessibleName(shown ? QObject::tr("Hide inspector")
                                            : QObject::tr("Show inspector"));
        });
        button->setAccessibleName(QObject::tr("Hide inspector"));
    }
}

void buildHelpMenu(DocumentWindow* window, DocumentController* controller) {
    QMenu* help = window->menuBar()->addMenu(QObject::tr("&Help"));
    QAction* about = controller->commands()->about();
    help->addAction(about);
    QObject::connect(window->view(), &DocumentView::aboutRequested, about, &QAction::trigger);
    help->addActions(controller->helpActions());
}

}  // namespace

void buildDocumentMenus(DocumentWindow* window, DocumentController* controller) {
    const ExportActions exports = makeExportActions(window);
    buildFileMenu(window, controller, exports);
    buildEditMenu(window);
    buildViewMenu(window, exports);
    addWindowMenu(window->menuBar(), controller);
    buildHelpMenu(window, controller);
}

void buildLibraryMenus(LibraryView* window, DocumentController* controller) {
    QMenu* file = window->menuBar()->addMenu(QObject::tr("&File"));
    addNewAndOpen(file, controller);
    file->addSeparator();
    addCloseAndQuit(file, window, controller);
    addWindowMenu(window->menuBar(), controller);
}

void addWindowMenu(QMenuBar* menuBar, DocumentController* controller) {
    menuBar->addMenu(QObject::tr("&Window"))->addActions(controller->windowActions());
}

}  // namespace vostrel
