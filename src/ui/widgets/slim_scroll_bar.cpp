#include "ui/widgets/slim_scroll_bar.h"

#include <QScrollArea>
#include <QScrollBar>

namespace vostrel {

void makeScrollBarSlim(QScrollArea* area) {
    QColor handle = area->palette().color(QPalette::WindowText);
    handle.setAlphaF(0.22f);
    QColor hover = handle;
    hover.setAlphaF(0.4f);
    const auto rgba = [](const QColor& color) {
        return QStringLiteral("rgba(%1, %2, %3, %4)")
            .arg(color.red())
            .arg(color.green())
            .arg(color.blue())
            .arg(color.alpha());
    };
    area->verticalScrollBar()->setStyleSheet(
        QStringLiteral("QScrollBar:vertical { background: transparent; width: 10px; margin: 0; }"
                       "QScrollBar::handle:vertical { background: %1; border-radius: 3px; "
                       "min-height: 28px; margin: 2px 2px 2px 2px; }"
                       "QScrollBar::handle:vertical:hover { background: %2; }"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical "
                       "{ height: 0; }"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical "
                       "{ background: transparent; }")
            .arg(rgba(handle), rgba(hover)));
}

}  // namespace vostrel
