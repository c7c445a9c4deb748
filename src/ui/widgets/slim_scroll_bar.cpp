#include "ui/widgets/slim_scroll_bar.h"

#include <QScrollArea>
#include <QScrollBar>

#include "ui/widgets/button_styles.h"

namespace vostrel {

void makeScrollBarSlim(QScrollArea* area) {
    const QColor ink = area->palette().color(QPalette::WindowText);
    area->verticalScrollBar()->setStyleSheet(
        QStringLiteral("QScrollBar:vertical { background: transparent; width: 10px; margin: 0; }"
                       "QScrollBar::handle:vertical { background: %1; border-radius: 3px; "
                       "min-height: 28px; margin: 2px 2px 2px 2px; }"
                       "QScrollBar::handle:vertical:hover { background: %2; }"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical "
                       "{ height: 0; }"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical "
                       "{ background: transparent; }")
            .arg(cssRgba(ink, 0.22), cssRgba(ink, 0.4)));
}

}  // namespace vostrel
