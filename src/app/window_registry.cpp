#include "app/window_registry.h"

namespace vostrel {

void WindowRegistry::registerWindow(const QString& id, Factory factory) {
    factories_.insert(id, std::move(factory));
}

QWidget* WindowRegistry::show(const QString& id) {
    QWidget* existing = window(id);
    if (!existing) {
        const auto factory = factories_.constFind(id);
        if (factory == factories_.constEnd()) return nullptr;
        existing = (*factory)();
        existing->setAttribute(Qt::WA_DeleteOnClose);
        windows_.insert(id, existing);
    }
    existing->show();
    existing->raise();
    existing->activateWindow();
    return existing;
}

void WindowRegistry::dismiss(const QString& id) {
    if (QWidget* open = window(id)) open->close();
}

QWidget* WindowRegistry::window(const QString& id) const {
    return windows_.value(id).data();
}

}  // namespace vostrel
