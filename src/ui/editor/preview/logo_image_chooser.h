#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "render/logo_overlay.h"

class QWidget;

namespace vostrel {

// A logo made from the picture in the file at `path`, decoded with Qt's image readers (within
// their allocation limit, so a huge picture is refused rather than exhausting memory). Nothing
// when the file cannot be read or decoded.
std::optional<LogoOverlay> logoFromImageFile(const QString& path);

// The mascot as a logo, drawn at the largest logo edge.
std::optional<LogoOverlay> vostrelMascotLogo();

// Asks for one image file of any type Qt can read, in a dialog modal to `parent`'s window that
// does not block the caller, and hands the logo made from it to `chosen`. Cancelling, or a file
// that makes no logo, does nothing at all.
void chooseLogoImage(QWidget* parent, std::function<void(const LogoOverlay&)> chosen);

}  // namespace vostrel
