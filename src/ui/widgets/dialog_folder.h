#pragma once

#include <QStandardPaths>
#include <QString>

class QFileDialog;
class QWidget;

namespace vostrel {

// The folder a file dialog starts in: the user's standard folder of that kind when it exists,
// else the home folder. A folder that does not exist would be taken by the dialog as a file name
// to fill in ("Pictures").
QString dialogStartFolder(QStandardPaths::StandardLocation location);

// A window-modal dialog that picks a folder (Qt's own, which offers "Create New Folder"),
// starting in `start`, deleted when it closes; connect to fileSelected, then open() it.
QFileDialog* makeFolderDialog(QWidget* parent, const QString& title, const QString& start);

}  // namespace vostrel
