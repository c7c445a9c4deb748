#pragma once

#include <QObject>
#include <QStringList>

namespace vostrel {

// The documents opened or saved most recently, newest first, kept in the application settings so
// that every window and the next launch see the same list.
class RecentFiles : public QObject {
    Q_OBJECT

  public:
    static constexpr int maximumCount = 10;

    explicit RecentFiles(QObject* parent = nullptr) : QObject(parent) {}

    QStringList paths() const;
    // Moves the file to the front (adding it when new) and drops the oldest beyond the maximum.
    void add(const QString& path);
    void remove(const QString& path);
    void clear();

  Q_SIGNALS:
    void changed();

  private:
    void store(const QStringList& paths);
};

}  // namespace vostrel
