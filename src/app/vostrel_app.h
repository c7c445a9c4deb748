#pragma once

#include <QObject>
#include <QStringList>

namespace vostrel {

class DocumentController;
class RecentFiles;
class WindowRegistry;

// The application as a whole: its identity (name, icon, desktop file), the windows addressed by
// identifier, the recent-documents list and the document controller, and what shows at launch.
class VostrelApp : public QObject {
    Q_OBJECT

  public:
    explicit VostrelApp(QObject* parent = nullptr);

    // Sets the application's name, organisation, version, icon and desktop file name; call once
    // right after the QApplication exists.
    static void describeApplication();

    // Opens the given files, or a new document when there are none (or none of them opened).
    void launch(const QStringList& files);

    DocumentController* documents() const { return documents_; }
    WindowRegistry* windows() const { return windows_; }

  private:
    void registerWindows();

    RecentFiles* recentFiles_;
    WindowRegistry* windows_;
    DocumentController* documents_;
};

}  // namespace vostrel
