#include "app/app_commands.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>

#include "app/document_controller.h"
#include "app/recent_files.h"
#include "app/standard_shortcuts.h"
#include "app/window_registry.h"

namespace vostrel {

namespace {

QAction* makeAction(QObject* owner, const QString& text, QKeySequence::StandardKey command,
                    const QString& keys) {
    auto* action = new QAction(text, owner);
    action->setShortcuts(standardShortcuts(command, keys));
    return action;
}

}  // namespace

AppCommands::AppCommands(DocumentController* documents)
    : QObject(documents),
      documents_(documents),
      newDocument_(
          makeAction(this, tr("&New Vostrel"), QKeySequence::New, QStringLiteral("Ctrl+N"))),
      open_(makeAction(this, tr("&Open a Vostrel…"), QKeySequence::Open, QStringLiteral("Ctrl+O"))),
      about_(new QAction(tr("About Vostrel"), this)),
      quit_(makeAction(this, tr("&Quit"), QKeySequence::Quit, QStringLiteral("Ctrl+Q"))) {
    about_->setMenuRole(QAction::AboutRole);
    quit_->setMenuRole(QAction::QuitRole);
    connect(newDocument_, &QAction::triggered, documents,
            [documents] { documents->newDocument(); });
    connect(open_, &QAction::triggered, documents,
            [documents] { documents->chooseFileToOpen(QApplication::activeWindow()); });
    connect(about_, &QAction::triggered, documents,
            [documents] { documents->windowRegistry()->show(QStringLiteral("about")); });
    connect(quit_, &QAction::triggered, documents, &DocumentController::quit);
}

QMenu* AppCommands::makeRecentMenu(QWidget* parent) const {
    auto* menu = new QMenu(tr("Open &Recent"), parent);
    connect(menu, &QMenu::aboutToShow, menu, [this, menu] { fillRecentMenu(menu); });
    fillRecentMenu(menu);
    return menu;
}

void AppCommands::fillRecentMenu(QMenu* menu) const {
    menu->clear();
    const QStringList paths = documents_->recentFiles()->paths();
    for (const QString& path : paths) {
        QAction* item = menu->addAction(QFileInfo(path).completeBaseName());
        item->setToolTip(path);
        item->setStatusTip(path);
        connect(item, &QAction::triggered, documents_,
                [documents = documents_, path] { documents->openFile(path); });
    }
    if (!paths.isEmpty()) menu->addSeparator();
    QAction* clear = menu->addAction(tr("Clear Menu"));
    clear->setEnabled(!paths.isEmpty());
    connect(clear, &QAction::triggered, documents_->recentFiles(), &RecentFiles::clear);
}

}  // namespace vostrel
