#include "ui/widgets/icons.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>
#include <QtMath>
#include <optional>

// The resources live in this static library; referencing them here keeps the linker from
// dropping them from executables that use only these functions.
static void initAssetResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(assets);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace vostrel {

namespace {

struct SymbolEntry {
    const char* symbolName;
    const char* themeName;  // empty: no theme has a fitting icon, the bundled drawing is used
};

// Each symbol name and the freedesktop theme icon that stands in for it. The bundled drawing of
// every name is :/assets/icons/<symbol name>.svg.
constexpr SymbolEntry symbolTable[] = {
    // content kinds
    {"link", "insert-link"},
    {"text.alignleft", "format-justify-left"},
    {"wifi", "network-wireless"},
    {"person.crop.circle", "avatar-default"},
    {"envelope", "mail-unread"},
    {"phone", "call-start"},
    {"message", "chat-message-new"},
    {"location", "mark-location"},
    {"calendar", "x-office-calendar"},
    {"swedishkronasign.circle", ""},
    // document window, preview pane and style inspector
    {"square.and.arrow.up", "document-send"},
    {"sidebar.right", "sidebar-show-right"},
    {"doc.on.doc", "edit-copy"},
    {"checkmark", "object-select"},
    {"exclamationmark.triangle", "dialog-warning"},
    {"xmark", "window-close"},
    {"info.circle", "help-about"},  // a circled i; Adwaita draws dialog-information as a bulb
    // library and batch export
    {"folder", "folder"},
    {"square.grid.2x2", "view-grid"},
    {"qrcode", ""},
    {"trash", "edit-delete"},
    {"tablecells", "x-office-spreadsheet"},
    {"checkmark.circle.fill", "emblem-default"},
    // welcome and About windows
    {"sun.horizon", "daytime-sunrise"},
    {"sun.max", "weather-clear"},
    {"sun.haze", "daytime-sunset"},
    {"moon.stars", "weather-clear-night"},
    {"plus", "list-add"},
    {"chevron.right", "go-next"},
    {"book.closed.fill", "accessories-dictionary"},
};

const SymbolEntry* findSymbol(const QString& symbolName) {
    for (const SymbolEntry& entry : symbolTable) {
        if (symbolName == QLatin1String(entry.symbolName)) return &entry;
    }
    return nullptr;
}

// Paints the opaque pixels of another icon in one colour: a fixed one, or, when none is given,
// the application palette's text colour for the mode at the moment of drawing, so that symbolic
// icons follow light and dark themes as GTK's do.
class RecoloredIconEngine final : public QIconEngine {
  public:
    RecoloredIconEngine(QIcon source, std::optional<QColor> color)
        : source_(std::move(source)), color_(std::move(color)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        QPixmap pixmap = scaledPixmap(rect.size() * ratio, mode, state, ratio);
        pixmap.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pixmap);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // `size` is in device pixels, as QIcon::pixmap passes it.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override {
        QImage image = source_.pixmap(size, 1.0, QIcon::Normal, state)
                           .toImage()
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull()) return {};
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), colorFor(mode));
        painter.end();
        return QPixmap::fromImage(std::move(image));
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return source_.actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return source_.availableSizes(mode, state);
    }
    bool isNull() override { return source_.isNull(); }
    QString key() const override { return QStringLiteral("vostrel-recolored"); }
    QIconEngine* clone() const override { return new RecoloredIconEngine(*this); }

  private:
    RecoloredIconEngine(const RecoloredIconEngine&) = default;

    QColor colorFor(QIcon::Mode mode) const {
        if (color_) {
            QColor color = *color_;
            if (mode == QIcon::Disabled) color.setAlphaF(color.alphaF() * 0.4f);
            return color;
        }
        const QPalette palette = QGuiApplication::palette();
        switch (mode) {
            case QIcon::Disabled:
                return palette.color(QPalette::Disabled, QPalette::WindowText);
            case QIcon::Selected:
                return palette.color(QPalette::Active, QPalette::HighlightedText);
            default:
                return palette.color(QPalette::Active, QPalette::WindowText);
        }
    }

    QIcon source_;
    std::optional<QColor> color_;
};

QIcon recolored(QIcon source, std::optional<QColor> color) {
    return QIcon(new RecoloredIconEngine(std::move(source), std::move(color)));
}

QIcon bundledIcon(const SymbolEntry& entry) {
    initAssetResources();
    return QIcon(QStringLiteral(":/assets/icons/%1.svg").arg(QLatin1String(entry.symbolName)));
}

// The theme is asked for exact names only: QIcon::fromTheme alone would also accept a shorter
// name ("mark" for "mark-location"), which is rarely the same picture.
QIcon iconFor(const SymbolEntry& entry, std::optional<QColor> color) {
    const QString themeName = QLatin1String(entry.themeName);
    if (!themeName.isEmpty()) {
        const QString symbolic = themeName + QStringLiteral("-symbolic");
        if (QIcon::hasThemeIcon(symbolic)) return recolored(QIcon::fromTheme(symbolic), color);
        if (QIcon::hasThemeIcon(themeName)) {
            QIcon themed = QIcon::fromTheme(themeName);
            return color ? recolored(std::move(themed), color) : themed;
        }
    }
    return recolored(bundledIcon(entry), color);
}

}  // namespace

QIcon symbolIcon(const QString& symbolName) {
    const SymbolEntry* entry = findSymbol(symbolName);
    return entry ? iconFor(*entry, std::nullopt) : QIcon();
}

QIcon symbolIcon(const QString& symbolName, const QColor& color) {
    const SymbolEntry* entry = findSymbol(symbolName);
    return entry ? iconFor(*entry, color) : QIcon();
}

QStringList symbolNames() {
    QStringList names;
    for (const SymbolEntry& entry : symbolTable) names.append(QLatin1String(entry.symbolName));
    return names;
}

QImage vostrelLogoImage(int edgePixels) {
    if (edgePixels < 1) return {};
    initAssetResources();
    // The detailed drawing's thin lines and small eyes blur below this size.
    constexpr int smallestDetailedEdge = 48;
    QSvgRenderer renderer(edgePixels < smallestDetailedEdge
                              ? QStringLiteral(":/assets/vostrel-logo-small.svg")
                              : QStringLiteral(":/assets/vostrel-logo.svg"));
    QImage image(edgePixels, edgePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, edgePixels, edgePixels));
    return image;
}

QPixmap vostrelLogo(int edge, qreal devicePixelRatio) {
    QPixmap pixmap = QPixmap::fromImage(vostrelLogoImage(qRound(edge * devicePixelRatio)));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QImage vostrelPartyHatImage(int widthPixels) {
    if (widthPixels < 1) return {};
    initAssetResources();
    QSvgRenderer renderer(QStringLiteral(":/assets/vostrel-party-hat.svg"));
    if (!renderer.isValid()) return {};
    const QSizeF natural = renderer.defaultSize();
    const int height = qCeil(widthPixels * natural.height() / natural.width());
    QImage image(widthPixels, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, widthPixels, height));
    return image;
}

QIcon vostrelApplicationIcon() {
    const QString name = QStringLiteral("vostrel");
    if (QIcon::hasThemeIcon(name)) return QIcon::fromTheme(name);
    initAssetResources();
    QIcon icon;
    for (int edge : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/assets/app-icon/%1.png").arg(edge), QSize(edge, edge));
    }
    return icon;
}

}  // namespace vostrel
