#include <QApplication>
#include <QCommandLineParser>
#include <csignal>

#include "app/vostrel_app.h"

int main(int argc, char** argv) {
    // A save beyond a file size limit (ulimit -f) then fails with "File too large", and the user
    // is told, instead of the signal ending the application and the unsaved work with it.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    vostrel::VostrelApp::describeApplication();

    QCommandLineParser parser;
    parser.setApplicationDescription(QObject::tr("Design QR codes that always scan."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"), QObject::tr("Documents to open."),
                                 QStringLiteral("[FILE…]"));
    parser.process(application);

    vostrel::VostrelApp app;
    app.launch(parser.positionalArguments());
    return application.exec();
}
