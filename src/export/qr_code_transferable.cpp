#include "export/qr_code_transferable.h"

#include "export/png_data.h"

namespace vostrel {

std::optional<QByteArray> QRCodeTransferable::pngBytes() const {
    return pngData(matrix, style, pngSize);
}

}  // namespace vostrel
