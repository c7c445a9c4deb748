// Fuzz target for the document reader: whatever the bytes, decoding either fails with a message
// or gives a document that encodes again and draws as PNG and SVG without harm.

#include <cstdint>

#include "document/document_file.h"
#include "engine/qr_engine.h"
#include "engine/scannability_checks.h"
#include "export/png_data.h"
#include "export/svg_document.h"
#include "render/style_correction.h"

namespace {

// Drawing is checked on one small symbol; the content's own symbol is the engine's business.
const vostrel::ModuleMatrix& smallSymbol() {
    static const vostrel::ModuleMatrix matrix =
        vostrel::QREngine::makeMatrix(QStringLiteral("fuzz"), vostrel::CorrectionLevel::h).value();
    return matrix;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vostrel;
    const auto bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const SnapshotResult snapshot = decodeDocument(bytes);
    if (!snapshot) {
        if (snapshot.error().message.isEmpty()) __builtin_trap();
        return 0;
    }
    (void)encodeDocument(*snapshot);
    (void)snapshot->content.payload();
    (void)evaluateWarnings(snapshot->style, snapshot->exportSettings.pngSize);
    (void)styleCorrections(snapshot->style);
    (void)svgDocumentUtf8(smallSymbol(), snapshot->style);
    (void)pngData(smallSymbol(), snapshot->style, 48);
    return 0;
}
