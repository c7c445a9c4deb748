// Saves a picture of a document's 3D scene, drawn offscreen by the same renderer as the tilting
// preview, for looking at the scene without the application:
//
//   vostrel-scene-shot DOC OUT.png [--size PX] [--tilt X,Y] [--shape square|dot|squircle]
//                      [--samples N|auto]
//
// --tilt turns the scene's pivot by X degrees about the x axis, then Y degrees about the y axis
// (as a trackpad pan does); --shape draws the modules in another shape than the document's;
// --samples asks for that much multisampling (auto, the default, chooses by the driver).
// Needs an OpenGL 3.3 display: run it under xvfb-run on a machine without one.

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QQuaternion>
#include <cstdio>

#include "common/raw_enum.h"
#include "document/document_file.h"
#include "engine/qr_engine.h"
#include "export/export_settings.h"
#include "render3d/offscreen_scene_renderer.h"
#include "scene3d/qr3d_scene_builder.h"

namespace {

using namespace vostrel;

struct ShotOptions {
    QString document;
    QString output;
    int size = 800;
    QQuaternion tilt;
    std::optional<ModuleShape> shape;
    int samples = OffscreenSceneRenderer::automaticSamples;
};

int fail(const QString& message) {
    std::fprintf(stderr, "vostrel-scene-shot: %s\n", qPrintable(message));
    return 1;
}

std::optional<QQuaternion> parseTilt(const QString& text) {
    const QStringList parts = text.split(u',');
    bool xRead = false;
    bool yRead = false;
    if (parts.size() != 2) return std::nullopt;
    const float x = parts[0].toFloat(&xRead);
    const float y = parts[1].toFloat(&yRead);
    if (!xRead || !yRead) return std::nullopt;
    // A point turns about x first, then about y.
    return QQuaternion::fromAxisAndAngle(0, 1, 0, y) * QQuaternion::fromAxisAndAngle(1, 0, 0, x);
}

// Reads the command line into `options`; an error message when it cannot.
QString parseOptions(const QStringList& arguments, ShotOptions& options) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("DOC"), QStringLiteral("the document"));
    parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("the PNG to write"));
    parser.addOptions(
        {{QStringLiteral("size"), QStringLiteral("picture side"), QStringLiteral("PX")},
         {QStringLiteral("tilt"), QStringLiteral("degrees"), QStringLiteral("X,Y")},
         {QStringLiteral("shape"), QStringLiteral("module shape"), QStringLiteral("S")},
         {QStringLiteral("samples"), QStringLiteral("MSAA"), QStringLiteral("N")}});
    if (!parser.parse(arguments)) return parser.errorText();
    if (parser.positionalArguments().size() != 2) {
        return QStringLiteral(
            "usage: vostrel-scene-shot DOC OUT.png [--size PX] [--tilt X,Y] "
            "[--shape square|dot|squircle] [--samples N|auto]");
    }
    options.document = parser.positionalArguments()[0];
    options.output = parser.positionalArguments()[1];
    bool read = true;
    if (parser.isSet(QStringLiteral("size"))) options.size = parser.value("size").toInt(&read);
    if (!read || options.size < 16 || options.size > 8192) return QStringLiteral("bad --size");
    if (parser.isSet(QStringLiteral("tilt"))) {
        const auto tilt = parseTilt(parser.value(QStringLiteral("tilt")));
        if (!tilt) return QStringLiteral("--tilt takes two angles in degrees, e.g. 12,-8");
        options.tilt = *tilt;
    }
    if (parser.isSet(QStringLiteral("shape"))) {
        options.shape = fromRawValue<ModuleShape>(parser.value(QStringLiteral("shape")));
        if (!options.shape) return QStringLiteral("--shape is square, dot or squircle");
    }
    const QString samples = parser.value(QStringLiteral("samples"));
    if (!samples.isEmpty() && samples != QLatin1String("auto"))
        options.samples = samples.toInt(&read);
    if (!read || options.samples < OffscreenSceneRenderer::automaticSamples) {
        return QStringLiteral("--samples takes a count or auto");
    }
    return {};
}

int shoot(const ShotOptions& options) {
    auto document = readDocumentFile(options.document);
    if (!document) return fail(options.document + QStringLiteral(": ") + document.error().message);
    QRStyle style = document->style;
    if (options.shape) style.moduleShape = *options.shape;
    const CorrectionLevel level = effectiveCorrectionLevel(style, document->exportSettings);
    const auto matrix = QREngine::makeMatrix(document->content.payload(), level);
    if (!matrix)
        return fail(options.document + QStringLiteral(": no QR code can be made of its content"));
    const auto root = QR3DSceneBuilder::build(*matrix, style);
    if (Entity* pivot = root->findEntity(QStringLiteral("qr-tilt-pivot"))) {
        pivot->transform.rotation = options.tilt;
    }
    OffscreenSceneRenderer renderer(options.samples);
    if (!renderer.isValid()) return fail(renderer.errorString());
    const QImage picture =
        renderer.render(*root, {options.size, options.size}, style.background.toQColor());
    const QString errors = renderer.takeGlErrors();
    if (!errors.isEmpty()) return fail(QStringLiteral("OpenGL errors: ") + errors);
    if (picture.isNull() || !picture.save(options.output, "PNG")) {
        return fail(options.output + QStringLiteral(": could not draw or write the picture"));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ShotOptions options;
    const QString error = parseOptions(app.arguments(), options);
    if (!error.isEmpty()) return fail(error);
    return shoot(options);
}
