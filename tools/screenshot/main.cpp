// Saves a picture of a window as the user would see it, for looking at the interface without a
// desktop: run under Xvfb (scripts/screenshots.sh) so fonts and styles are the real ones.
//
//   vostrel-screenshot OUT.png [DOC] [--size WxH] [--dark] [--hide-inspector] [--export-sheet]
//                      [--batch-sheet input|contact|contacts|progress|summary]
//                      [--tilt DX,DY [--release]]
//   vostrel-screenshot OUT.png --window welcome|about [--dark] [--birthday] [--wait MS] [--hop MS]
//   vostrel-screenshot OUT.png --window library [--library-folder DIR] [--dark]
//
// The welcome window greets by the local time: set TZ to see another time of day. --wait gives
// the mascot time to arrive and greet (the picture is taken after MS milliseconds: by default
// 4500 for those windows, 800 for the others); --hop clicks it MS milliseconds before the
// picture, to catch it mid-hop.
//
// With --export-sheet the picture is of the export sheet opened over the window; with
// --batch-sheet SCREEN of the batch sheet at one of its screens: input, contact (before a CSV),
// contacts (with an imported CSV), progress or summary.
//
// With --tilt the preview card is panned by DX,DY pixels (as two fingers on a trackpad would)
// and pictured mid-tilt; adding --release lets go and pictures it once it has sprung back.
//
// --library-folder stores DIR as the remembered library folder in the application settings; run
// with XDG_CONFIG_HOME pointing elsewhere to keep your own.

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QPalette>
#include <QScreen>
#include <QSettings>
#include <QStyleFactory>
#include <QTimer>
#include <QToolButton>

#include "app/document_controller.h"
#include "app/document_window.h"
#include "app/vostrel_app.h"
#include "app/window_registry.h"
#include "batch_sheet_shot.h"
#include "companions/occasion.h"
#include "document/library_view_model.h"
#include "ui/about/about_view.h"
#include "ui/editor/document_view.h"
#include "ui/editor/preview/preview_view.h"
#include "ui/editor/preview/qr3d_preview_view.h"
#include "ui/editor/preview/symbol_canvas.h"
#include "ui/mascot/mascot_area.h"
#include "ui/welcome/welcome_view.h"

namespace {

QPalette darkPalette() {
    QPalette palette;
    const QColor window(0x2b, 0x2d, 0x30), base(0x1e, 0x1f, 0x22), text(0xe8, 0xe8, 0xe8);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9c, 0xa0));
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x8b, 0x5a));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Mid, QColor(0x50, 0x52, 0x56));
    const QColor dimmed(0x6c, 0x6e, 0x72);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, dimmed);
    return palette;
}

QSize parseSize(const QString& text) {
    const QStringList parts = text.split(u'x');
    if (parts.size() != 2) return QSize(1180, 720);
    return QSize(parts[0].toInt(), parts[1].toInt()).expandedTo(QSize(760, 540));
}

// The About window as it looks on the mascot's birthday, whatever the date.
QWidget* birthdayAbout() {
    vostrel::ActiveOccasions birthday;
    birthday.events << vostrel::builtInOccasions().first();
    return new vostrel::AboutView(vostrel::VostrelApp::applicationInfo(),
                                  vostrel::loadReleaseNotes(), birthday);
}

QWidget* windowToShoot(vostrel::VostrelApp& app, const QCommandLineParser& parser,
                       const QStringList& arguments) {
    const QString kind = parser.value("window");
    if (kind == "about") {
        if (parser.isSet("birthday")) return birthdayAbout();
        return app.windows()->show(QStringLiteral("about"));
    }
    if (kind == "library") {
        if (parser.isSet("library-folder")) {
            QSettings().setValue(QLatin1String(vostrel::LibraryViewModel::folderSettingKey),
                                 parser.value("library-folder"));
        }
        return app.windows()->show(QStringLiteral("library"));
    }
    if (kind == "welcome") {
        app.launch({});
        return app.windows()->window(QStringLiteral("welcome"));
    }
    vostrel::DocumentWindow* window = arguments.size() > 1 ? app.documents()->openFile(arguments[1])
                                                           : app.documents()->newDocument();
    if (!window) return nullptr;
    window->resize(parseSize(parser.value("size")));
    window->view()->setInspectorShown(!parser.isSet("hide-inspector"));
    return window;
}

// Pans the preview card once its symbol is there, by the whole travel as soon as the scene has
// warmed up, then (with `release`) ends the pan. Returns when to take the picture, in ms after
// showing the window.
int tiltPreview(vostrel::DocumentWindow* window, const QString& travelText, bool release) {
    const QStringList parts = travelText.split(u',');
    const QSizeF travel(parts.value(0).toDouble(), parts.value(1).toDouble());
    vostrel::QR3DPreviewView* view = window->view()->preview()->canvas()->preview3D();
    using vostrel::PanState;
    auto* warmedUp = new QTimer(view);
    QObject::connect(warmedUp, &QTimer::timeout, view, [view, warmedUp, travel, release] {
        if (view->isSceneWarming()) return;
        warmedUp->stop();
        view->handlePan(PanState::changed, travel);
        if (release) {
            QTimer::singleShot(300, view,
                               [view, travel] { view->handlePan(PanState::ended, travel); });
        }
    });
    QTimer::singleShot(600, view, [view, warmedUp] {
        view->handlePan(PanState::began, {0, 0});
        warmedUp->start(10);
    });
    // The spring settles within 3 s, the picture fades in over 0.25 s.
    return release ? 5000 : 1500;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    vostrel::VostrelApp::describeApplication();
    QCommandLineParser parser;
    parser.addPositionalArgument("out", "PNG file to write");
    parser.addPositionalArgument("doc", "document to show (a new one when left out)");
    parser.addOption({"size", "window size", "WxH", "1180x720"});
    parser.addOption({"dark", "use a dark palette"});
    parser.addOption({"hide-inspector", "hide the inspector column"});
    parser.addOption(
        {"window", "which window: document, welcome, about or library", "kind", "document"});
    parser.addOption({"library-folder", "the library window's folder", "dir"});
    parser.addOption({"birthday", "the About window on the mascot's birthday"});
    parser.addOption({"export-sheet", "open the export sheet and picture it instead"});
    parser.addOption({"font-size", "the application font's size in points", "points"});
    parser.addOption({"batch-sheet", "picture the batch sheet at one of its screens", "screen"});
    parser.addOption({"main-menu", "open the welcome window's main menu and picture the screen"});
    parser.addOption({"tilt", "pan the preview card by DX,DY pixels", "DX,DY"});
    parser.addOption({"release", "with --tilt: let go and picture the card sprung back"});
    parser.addOption({"wait",
                      "milliseconds before the picture is taken (default 800; 4500 for "
                      "the welcome and About windows, after the mascot's entrance)",
                      "ms"});
    parser.addOption(
        {"hop", "make the mascot hop this many milliseconds before the picture", "ms"});
    parser.process(application);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty()) parser.showHelp(2);
    if (parser.isSet("font-size")) {
        QFont font = QApplication::font();
        font.setPointSize(parser.value("font-size").toInt());
        QApplication::setFont(font);
    }
    if (parser.isSet("dark")) {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setPalette(darkPalette());
    }

    vostrel::VostrelApp app;
    QWidget* window = windowToShoot(app, parser, arguments);
    if (!window) return 1;
    window->show();
    // Long enough for the preview's debounce, the symbol and a first paint.
    auto* documentWindow = qobject_cast<vostrel::DocumentWindow*>(window);
    if (documentWindow && parser.isSet("batch-sheet")) {
        QTimer::singleShot(600, [&] {
            shootBatchSheet(documentWindow, parser.value("batch-sheet"), arguments[0]);
        });
        return application.exec();
    }
    auto* welcome = qobject_cast<vostrel::WelcomeView*>(window);
    if (welcome && parser.isSet("main-menu")) {
        // The open menu is a window of its own: the picture is of the screen (under Xvfb).
        // The menu runs its own event loop once open; the picture is taken from inside it.
        QTimer::singleShot(1200, [&] {
            const bool saved = window->screen()->grabWindow(0).save(arguments[0]);
            QApplication::exit(saved ? 0 : 1);
        });
        QTimer::singleShot(600, [welcome] { welcome->menuButton()->showMenu(); });
        return application.exec();
    }
    if (documentWindow && parser.isSet("export-sheet"))
        QTimer::singleShot(600, [&] { documentWindow->view()->showExportPanel(); });
    const bool hasMascot =
        parser.value("window") == u"welcome" || parser.value("window") == u"about";
    int shotDelay = parser.isSet("wait") ? parser.value("wait").toInt() : hasMascot ? 4500 : 800;
    if (documentWindow && parser.isSet("tilt"))
        shotDelay = tiltPreview(documentWindow, parser.value("tilt"), parser.isSet("release"));
    if (parser.isSet("hop")) {
        QTimer::singleShot(std::max(0, shotDelay - parser.value("hop").toInt()), [window] {
            if (auto* mascot = window->findChild<vostrel::MascotArea*>()) mascot->click();
        });
    }
    QTimer::singleShot(shotDelay, [&] {
        QWidget* subject = window;
        if (parser.isSet("export-sheet")) subject = window->findChild<QDialog*>();
        const bool saved = subject && subject->grab().save(arguments[0]);
        window->setWindowModified(false);
        QApplication::exit(saved ? 0 : 1);
    });
    return application.exec();
}
