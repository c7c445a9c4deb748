#include "app/standard_shortcuts.h"

namespace vostrel {

QList<QKeySequence> standardShortcuts(QKeySequence::StandardKey command,
                                      const QString& documented) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    const QKeySequence primary(documented);
    keys.removeAll(primary);
    keys.prepend(primary);
    return keys;
}

}  // namespace vostrel
