#include "app/vostrel_app.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QScreen>

#include "app/app_commands.h"
#include "app/build_info.h"
#include "app/document_controller.h"
#include "app/document_menus.h"
#include "app/document_window.h"
#include "app/recent_files.h"
#include "app/update_command.h"
#include "app/window_registry.h"
#include "companions/updater.h"
#include "document/library_view_model.h"
#include "ui/about/about_view.h"
#include "ui/library/library_view.h"
#include "ui/welcome/welcome_view.h"
#include "ui/widgets/focus_frame.h"
#include "ui/widgets/icons.h"

namespace vostrel {

namespace {

const QString welcomeId = QStringLiteral("welcome");
const QString aboutId = QStringLiteral("about");
const QString libraryId = QStringLiteral("library");

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame(QPoint(), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace

VostrelApp::VostrelApp(QObject* parent)
    : QObject(parent),
      recentFiles_(new RecentFiles(this)),
      windows_(new WindowRegistry(this)),
      documents_(new DocumentController(recentFiles_, windows_, this)),
      updater_(new Updater(this)),
      updateCommand_(new UpdateCommand(updater_, this)),
      libraryAction_(new QAction(tr("Library"), this)) {
    makeFocusRingsFollowTheKeyboard(*QCoreApplication::instance());
    documents_->addHelpAction(updateCommand_->action());
    libraryAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+L")));
    connect(libraryAction_, &QAction::triggered, windows_, [this] { windows_->show(libraryId); });
    documents_->addWindowAction(libraryAction_);
    // Queued: the welcome window leaves once the document window is on screen, not just before,
    // so the desktop never shows a moment with no window of ours.
    connect(
        documents_, &DocumentController::documentWindowShown, windows_,
        [this] { windows_->dismiss(welcomeId); }, Qt::QueuedConnection);
    // Closing the last document does not quit (Ctrl+Q does): the user can start the next one.
    connect(documents_, &DocumentController::lastDocumentWindowClosing, windows_,
            [this] { windows_->show(welcomeId); });
    registerWindows();
}

void VostrelApp::describeApplication() {
    QApplication::setApplicationName(QStringLiteral("Vostrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vostrel"));
    QApplication::setOrganizationName(QStringLiteral("Tamberline"));
    QApplication::setOrganizationDomain(QStringLiteral("tamberline.com"));
    QApplication::setApplicationVersion(QStringLiteral(VOSTREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vostrel"));
    QApplication::setWindowIcon(vostrelApplicationIcon());
}

ApplicationInfo VostrelApp::applicationInfo() {
    return {QApplication::applicationDisplayName(), QApplication::applicationVersion(),
            buildIdentifier()};
}

void VostrelApp::registerWindows() {
    windows_->registerWindow(welcomeId, [this] { return makeWelcomeWindow(); });
    windows_->registerWindow(aboutId, [this] { return makeAboutWindow(); });
    windows_->registerWindow(libraryId, [this] { return makeLibraryWindow(); });
}

// Windows without a menu bar still answer the application's shortcuts (New, Open, Library,
// Quit), so that no window is a dead end.
void VostrelApp::addWindowCommands(QWidget* window) {
    const AppCommands* commands = documents_->commands();
    window->addActions({commands->newDocument(), commands->open(), commands->quit()});
    window->addActions(documents_->windowActions());
}

// The welcome window's menu button: the same actions as the document windows' menus.
QMenu* VostrelApp::makeMainMenu(QWidget* parent) {
    const AppCommands* commands = documents_->commands();
    auto* menu = new QMenu(parent);
    menu->addActions({commands->newDocument(), commands->open()});
    menu->addMenu(commands->makeRecentMenu(menu));
    menu->addSeparator();
    menu->addActions(documents_->windowActions());
    menu->addSeparator();
    menu->addActions(documents_->helpActions());
    menu->addAction(commands->about());
    menu->addSeparator();
    menu->addAction(commands->quit());
    return menu;
}

QWidget* VostrelApp::makeWelcomeWindow() {
    WelcomeView::Actions actions;
    actions.startFresh = [this] { documents_->newDocument(); };
    actions.chooseFile = [this](WelcomeView* welcome) {
        QFileDialog* dialog = documents_->makeOpenDialog(welcome);
        dialog->setFileMode(QFileDialog::ExistingFile);
        connect(dialog, &QFileDialog::fileSelected, welcome, &WelcomeView::open);
        dialog->open();
    };
    actions.open = [this](const QString& path) -> Expected<void, QString> {
        const auto opened = documents_->tryOpenFile(path);
        if (!opened) return unexpected(opened.error());
        return {};
    };
    actions.recentPaths = [this] { return recentFiles_->paths(); };
    auto* welcome = new WelcomeView(std::move(actions));
    welcome->setMainMenu(makeMainMenu(welcome));
    centreOnScreen(welcome);
    return welcome;
}

QWidget* VostrelApp::makeAboutWindow() {
    auto* about = new AboutView(applicationInfo(), loadReleaseNotes(), currentOccasions());
    addWindowCommands(about);
    centreOnScreen(about);
    return about;
}

QWidget* VostrelApp::makeLibraryWindow() {
    auto* library = new LibraryView(new LibraryViewModel);
    buildLibraryMenus(library, documents_);
    connect(library, &LibraryView::openRequested, documents_,
            [this](const QString& path) { documents_->openFile(path); });
    library->resize(900, 640);
    centreOnScreen(library);
    return library;
}

void VostrelApp::launch(const QStringList& files) {
    QStringList failures;
    for (const QString& file : files) {
        const auto opened = documents_->tryOpenFile(file);
        if (!opened) failures << opened.error();
    }
    QWidget* parent = nullptr;
    if (documents_->windows().isEmpty()) parent = windows_->show(welcomeId);
    for (const QString& failure : failures) documents_->reportOpenFailure(failure, parent);
}

}  // namespace vostrel
