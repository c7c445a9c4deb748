#include "app/vostrel_app.h"

#include <QApplication>
#include <QMessageBox>

#include "app/document_controller.h"
#include "app/document_window.h"
#include "app/recent_files.h"
#include "app/window_registry.h"
#include "ui/icons.h"

namespace vostrel {

VostrelApp::VostrelApp(QObject* parent)
    : QObject(parent),
      recentFiles_(new RecentFiles(this)),
      windows_(new WindowRegistry(this)),
      documents_(new DocumentController(recentFiles_, windows_, this)) {
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

void VostrelApp::registerWindows() {
    windows_->registerWindow(QStringLiteral("about"), [] {
        auto* box = new QMessageBox(QMessageBox::NoIcon, QObject::tr("About Vostrel"),
                                    QStringLiteral("<h3>Vostrel</h3>"), QMessageBox::Close);
        box->setIconPixmap(vostrelLogo(96, box->devicePixelRatioF()));
        box->setInformativeText(QObject::tr("Version %1\nQR codes that always scan.")
                                    .arg(QApplication::applicationVersion()));
        box->setModal(false);
        return box;
    });
}

void VostrelApp::launch(const QStringList& files) {
    for (const QString& file : files) documents_->openFile(file);
    if (documents_->windows().isEmpty()) documents_->newDocument();
}

}  // namespace vostrel
