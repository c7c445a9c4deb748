#include <QApplication>
#include <QCommandLineParser>

#include "app/vostrel_app.h"

int main(int argc, char** argv) {
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
