#pragma once

#include <QObject>
#include <QStringList>

class QAction;

namespace vostrel {

class DocumentController;
class RecentFiles;
class UpdateCommand;
class Updater;
class WindowRegistry;
struct ApplicationInfo;

// The application as a whole: its identity (name, icon, desktop file), the windows addressed by
// identifier ("welcome", "about", "library"), the recent-documents list, the document controller,
// the update check, and what shows at launch.
class VostrelApp : public QObject {
    Q_OBJECT

  public:
    explicit VostrelApp(QObject* parent = nullptr);

    // Sets the application's name, organisation, version, icon and desktop file name; call once
    // right after the QApplication exists.
    static void describeApplication();
    // The name, version and build that the About window shows.
    static ApplicationInfo applicationInfo();

    // Opens the given files. With none, or when none of them opens, the welcome window shows
    // instead (with the reasons over it); it leaves by itself once a document window appears.
    void launch(const QStringList& files);

    DocumentController* documents() const { return documents_; }
    WindowRegistry* windows() const { return windows_; }
    Updater* updater() const { return updater_; }
    UpdateCommand* updateCommand() const { return updateCommand_; }
    // "Library" (Ctrl+Shift+L): shows the library window, from any window of the application.
    QAction* libraryAction() const { return libraryAction_; }

  private:
    void registerWindows();
    QWidget* makeWelcomeWindow();
    QWidget* makeAboutWindow();
    QWidget* makeLibraryWindow();
    void addWindowCommands(QWidget* window);

    RecentFiles* recentFiles_;
    WindowRegistry* windows_;
    DocumentController* documents_;
    Updater* updater_;
    UpdateCommand* updateCommand_;
    QAction* libraryAction_;
};

}  // namespace vostrel
