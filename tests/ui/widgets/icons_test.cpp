#include "ui/widgets/icons.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPalette>
#include <QTemporaryDir>
#include <algorithm>

#include "ui/ui_test_support.h"

namespace vostrel {
namespace {

// The colours of an icon image's clearly opaque pixels (alpha of at least one half).
QList<QColor> inkOf(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QList<QColor> ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor color = image.pixelColor(x, y);
            if (color.alpha() >= 128) ink.append(color);
        }
    }
    return ink;
}

// Whether every clearly opaque pixel has the colour's red, green and blue (edges blend a little).
bool allInkIs(const QImage& image, const QColor& expected) {
    const QList<QColor> ink = inkOf(image);
    return !ink.isEmpty() && std::all_of(ink.begin(), ink.end(), [&](const QColor& c) {
        return qAbs(c.red() - expected.red()) <= 2 && qAbs(c.green() - expected.green()) <= 2 &&
               qAbs(c.blue() - expected.blue()) <= 2;
    });
}

QColor textColor() {
    return QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText);
}

// Puts the icon theme settings back after a test has changed them.
class IconThemeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedTheme_ = QIcon::themeName();
        savedPaths_ = QIcon::themeSearchPaths();
    }
    void TearDown() override {
        QIcon::setThemeSearchPaths(savedPaths_);
        QIcon::setThemeName(savedTheme_);
    }

  private:
    QString savedTheme_;
    QStringList savedPaths_;
};

TEST(SymbolIconTest, UnknownNamesGiveNullIcons) {
    for (const char* name : {"", "Plus", "doc.on.doc.fill", "edit-copy", "folder.svg"}) {
        EXPECT_TRUE(symbolIcon(name).isNull()) << name;
        EXPECT_TRUE(symbolIcon(name, Qt::red).isNull()) << name;
    }
}

TEST_F(IconThemeTest, EverySymbolDrawsInTheTextColourWithoutAnIconTheme) {
    for (const char* theme : {"", "no-such-theme"}) {
        QIcon::setThemeName(theme);
        for (const QString& name : symbolNames()) {
            const QIcon icon = symbolIcon(name);
            ASSERT_FALSE(icon.isNull()) << name.toStdString();
            const QImage image = icon.pixmap(24, 24).toImage();
            EXPECT_EQ(image.size(), QSize(24, 24)) << name.toStdString();
            EXPECT_GE(inkOf(image).size(), 20) << name.toStdString();
            EXPECT_TRUE(allInkIs(image, textColor())) << name.toStdString();
        }
    }
}

TEST(SymbolIconTest, DrawnIconsFollowAPaletteChange) {
    const QIcon icon = symbolIcon("plus");
    const QPalette saved = QGuiApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xec));
    QApplication::setPalette(dark);
    const QImage image = icon.pixmap(24, 24).toImage();
    QApplication::setPalette(saved);
    EXPECT_TRUE(allInkIs(image, QColor(0xee, 0xee, 0xec)));
}

TEST(SymbolIconTest, AFixedColourPaintsEveryScaleAndDimsWhenDisabled) {
    const QColor green(0x34, 0xc7, 0x59);
    const QIcon icon = symbolIcon("checkmark.circle.fill", green);
    EXPECT_TRUE(allInkIs(icon.pixmap(36, 36).toImage(), green));

    const QPixmap sharp = icon.pixmap(QSize(24, 24), 2.0);
    EXPECT_EQ(sharp.size(), QSize(48, 48));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_TRUE(allInkIs(sharp.toImage(), green));
    QImage painted(48, 48, QImage::Format_ARGB32_Premultiplied);  // what widgets get from paint()
    painted.setDevicePixelRatio(2.0);
    painted.fill(Qt::transparent);
    QPainter painter(&painted);
    icon.paint(&painter, QRect(0, 0, 24, 24));
    painter.end();
    EXPECT_EQ(painted.convertToFormat(QImage::Format_ARGB32),
              sharp.toImage().convertToFormat(QImage::Format_ARGB32));

    const QImage disabled =
        icon.pixmap(24, 24, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
    int strongest = 0;
    for (int i = 0; i < 24 * 24; ++i)
        strongest = std::max(strongest, qAlpha(disabled.pixel(i % 24, i / 24)));
    EXPECT_NEAR(strongest, 0.4 * 255, 2);
}

// A small icon theme on disk: a symbolic copy icon and a full-colour folder, both solid squares,
// which none of the bundled drawings is.
class TemporaryIconThemeTest : public IconThemeTest {
  protected:
    void SetUp() override {
        IconThemeTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        const QDir theme(dir_.filePath("square-theme"));
        ASSERT_TRUE(theme.mkpath("scalable"));
        using vostrel::testing::writeFile;
        writeFile(theme.filePath("index.theme"),
                  "[Icon Theme]\nName=Squares\nDirectories=scalable\n\n"
                  "[scalable]\nSize=24\nMinSize=8\nMaxSize=512\nType=Scalable\n");
        writeFile(theme.filePath("scalable/edit-copy-symbolic.svg"), square("#ff0000"));
        writeFile(theme.filePath("scalable/folder.svg"), square("#0000ff"));
        QIcon::setThemeSearchPaths({dir_.path()});
        QIcon::setThemeName("square-theme");
    }

    static QByteArray square(const char* color) {
        return QByteArray(
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 24\">"
                   "<rect width=\"24\" height=\"24\" fill=\"") +
               color + "\"/></svg>";
    }

    static QRgb cornerOf(const QIcon& icon) {
        return icon.pixmap(24, 24).toImage().convertToFormat(QImage::Format_ARGB32).pixel(1, 1);
    }

  private:
    QTemporaryDir dir_;
};

TEST_F(TemporaryIconThemeTest, ThemeIconsStandInForTheDrawings) {
    EXPECT_EQ(cornerOf(symbolIcon("doc.on.doc")), textColor().rgba());  // symbolic: recoloured
    EXPECT_EQ(cornerOf(symbolIcon("folder")), qRgb(0, 0, 0xff));        // full colour: as drawn
    EXPECT_EQ(cornerOf(symbolIcon("folder", Qt::green)), qRgb(0, 0xff, 0));
    EXPECT_EQ(qAlpha(cornerOf(symbolIcon("plus"))), 0);  // not in the theme: the bundled drawing
}

TEST(VostrelLogoTest, DrawsTheGreenCricketFromSmallToLargeAndSharpOnDenseScreens) {
    for (int edge : {16, 36, 256}) {
        const QImage image = vostrelLogo(edge).toImage();
        ASSERT_EQ(image.size(), QSize(edge, edge));
        const QList<QColor> ink = inkOf(image);
        const double cover = double(ink.size()) / (edge * edge);
        EXPECT_GT(cover, 0.2) << edge;
        EXPECT_LT(cover, 0.8) << edge;
        EXPECT_EQ(image.convertToFormat(QImage::Format_ARGB32).pixelColor(0, edge - 1).alpha(), 0);
        const int greenish = std::count_if(ink.begin(), ink.end(), [](const QColor& c) {
            return c.green() > c.red() && c.green() > c.blue();
        });
        EXPECT_GT(greenish, ink.size() / 2) << edge;
    }
    const QPixmap sharp = vostrelLogo(36, 2.0);
    EXPECT_EQ(sharp.size(), QSize(72, 72));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_TRUE(vostrelLogo(0).isNull());
}

TEST_F(IconThemeTest, TheApplicationIconIsCompiledInForDesktopsWithoutIt) {
    QIcon::setThemeName("no-such-theme");
    const QIcon icon = vostrelApplicationIcon();
    for (int edge : {16, 48, 256}) {
        const QImage image = icon.pixmap(edge, edge).toImage();
        ASSERT_EQ(image.size(), QSize(edge, edge));
        EXPECT_GT(inkOf(image).size(), edge * edge / 2) << edge;  // the card fills most of it
    }
}

}  // namespace
}  // namespace vostrel
