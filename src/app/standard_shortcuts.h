#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

namespace vostrel {

// The keys of a standard command: the sequence the README documents first, then whatever else
// the platform binds to the command. Without a desktop platform theme (a bare X11 session) Qt
// binds nothing to some commands, Save As among them, and the documented keys must work there.
QList<QKeySequence> standardShortcuts(QKeySequence::StandardKey command, const QString& documented);

}  // namespace vostrel
