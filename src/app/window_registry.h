#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace vostrel {

// Windows addressed by an identifier ("about", "library", "welcome"): at most one of each exists.
// Showing an identifier raises its window when it is open and builds it otherwise.
class WindowRegistry : public QObject {
    Q_OBJECT

  public:
    using Factory = std::function<QWidget*()>;

    explicit WindowRegistry(QObject* parent = nullptr) : QObject(parent) {}

    void registerWindow(const QString& id, Factory factory);

    // Brings the window forward, creating it first when needed; nullptr for an unknown id.
    QWidget* show(const QString& id);
    // Closes the window when it is open; nothing happens otherwise.
    void dismiss(const QString& id);
    // The open window of that identifier, or nullptr.
    QWidget* window(const QString& id) const;

  private:
    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<QWidget>> windows_;
};

}  // namespace vostrel
