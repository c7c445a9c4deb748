#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace vostrel {

// The icon for a symbol name of the other platform's set ("doc.on.doc", "checkmark.circle.fill").
// The desktop's icon theme supplies it when it has the mapped freedesktop icon: the "-symbolic"
// variant first, drawn in the palette's text colour like our own, otherwise the full-colour icon
// as the theme drew it. Without either, the bundled drawing from the resources stands in, so the
// icon shows on every desktop. An unknown name gives a null icon.
QIcon symbolIcon(const QString& symbolName);

// The same icon with every opaque pixel painted in `color` (for example the accent colour of a
// selected chip or the green of a finished batch item), whichever source it came from; disabled,
// it is drawn at reduced opacity. An unknown name gives a null icon.
QIcon symbolIcon(const QString& symbolName, const QColor& color);

// Every symbol name symbolIcon() knows, in the order of its table.
QStringList symbolNames();

// The mascot picture, asset "vostrel-logo": the cricket on a transparent ground, drawn square at
// edgePixels device pixels (the bold small-size drawing below 48). Null for a size below 1.
QImage vostrelLogoImage(int edgePixels);

// The mascot picture for display: edge device-independent pixels, sharp at devicePixelRatio.
QPixmap vostrelLogo(int edge, qreal devicePixelRatio = 1.0);

// The party hat the mascot wears on festive days, asset "vostrel-party-hat", `width` device
// pixels wide at its own proportions; null when the asset is missing or the width below 1.
QImage vostrelPartyHatImage(int widthPixels);

// The application's icon for its windows: the theme's "vostrel" where the package installed it,
// otherwise the copy compiled in (16 to 256 px), so a build run in place has its icon too.
QIcon vostrelApplicationIcon();

}  // namespace vostrel
