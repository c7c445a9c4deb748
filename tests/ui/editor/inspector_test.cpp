#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUndoStack>

#include "document/vostrel_document.h"
#include "ui/editor/inspector/inspector_view.h"
#include "ui/editor/preview/logo_image_chooser.h"
#include "ui/ui_test_support.h"
#include "ui/widgets/color_button.h"
#include "ui/widgets/percent_slider_row.h"
#include "ui/widgets/segmented_control.h"
#include "ui/widgets/stepper.h"

using namespace vostrel;
using vostrel::testing::chooseInFileDialog;
using vostrel::testing::findByName;

namespace {

// An inspector on a real document and undo stack, shown on the offscreen screen.
struct Inspector {
    VostrelDocument document;
    QUndoStack undo;
    InspectorView view{&document, &undo};

    Inspector() {
        view.resize(300, 1600);
        view.show();
    }

    template <class T = QWidget>
    T* control(const QString& name) const {
        T* widget = findByName<T>(&view, name);
        EXPECT_TRUE(widget) << name.toStdString();
        return widget;
    }

    // Runs `act` and checks that the style afterwards is the one before with `change` applied,
    // and that nothing went onto the undo stack.
    template <class Act, class Change>
    void expectEdit(Act act, Change change) {
        QRStyle expected = document.style();
        change(expected);
        const int steps = undo.count();
        act();
        EXPECT_EQ(document.style(), expected);
        EXPECT_EQ(undo.count(), steps);
    }

    void pickColor(const QString& buttonName, const QColor& color) {
        auto* button = control<ColorButton>(buttonName);
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_TRUE(button->dialog());
        button->dialog()->setCurrentColor(color);
        button->dialog()->accept();
    }

    void setStyle(const std::function<void(QRStyle&)>& edit) {
        QRStyle style = document.style();
        edit(style);
        document.setStyle(style);
    }
};

QString writePicture(const QTemporaryDir& dir, const QString& name, const QColor& color) {
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path));
    return path;
}

}  // namespace

TEST(Inspector, EachControlChangesExactlyItsStyleField) {
    Inspector inspector;
    auto click = [&](const QString& name) {
        QTest::mouseClick(inspector.control(name), Qt::LeftButton);
    };
    auto key = [&](const QString& name, Qt::Key key) {
        QTest::keyClick(inspector.control(name), key);
    };
    inspector.expectEdit([&] { click("Dot module shape"); },
                         [](QRStyle& style) { style.moduleShape = ModuleShape::dot; });
    inspector.expectEdit([&] { inspector.control<QCheckBox>("Flip QR code vertically")->click(); },
                         [](QRStyle& style) { style.flipVertical = false; });
    inspector.expectEdit([&] { key("Finder pattern corner rounding", Qt::Key_Right); },
                         [](QRStyle& style) { style.finderCornerRadius = 0.45; });
    inspector.expectEdit([&] { key("Finder pattern wall thickness", Qt::Key_Left); },
                         [](QRStyle& style) { style.finderThickness = 0.99; });
    inspector.expectEdit([&] { inspector.pickColor("Foreground color", Qt::red); },
                         [](QRStyle& style) { style.foreground = CodableColor(1, 0, 0, 1); });
    inspector.expectEdit([&] { inspector.pickColor("Background color", Qt::blue); },
                         [](QRStyle& style) { style.background = CodableColor(0, 0, 1, 1); });
    inspector.expectEdit([&] { key("Quiet zone size", Qt::Key_Up); },
                         [](QRStyle& style) { style.quietZoneModules = 5; });
    inspector.expectEdit(
        [&] { inspector.control<QCheckBox>("Enable gradient")->click(); },
        [](QRStyle& style) {
            style.gradient = GradientStyle{{0.133, 0.827, 0.933, 1}, GradientDirection::vertical};
        });
    inspector.expectEdit(
        [&] { click("→ Horiz"); },
        [](QRStyle& style) { style.gradient->direction = GradientDirection::horizontal; });
    inspector.expectEdit(
        [&] { inspector.pickColor("Gradient end color", Qt::green); },
        [](QRStyle& style) { style.gradient->endColor = CodableColor(0, 1, 0, 1); });

    auto* shape = inspector.control("Module shape");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(shape)->text(QAccessible::Value), "Dot");
}

TEST(Inspector, ShowsWhatTheStyleHoldsAndCancellingAColorPutsItBack) {
    Inspector inspector;
    inspector.setStyle([](QRStyle& style) {
        style.finderCornerRadius = 0.29;  // 28.999…% in binary
        style.foreground = {0.102, 0.102, 0.18, 1};
    });
    const auto* corners = inspector.control("Finder pattern corner rounding")->parentWidget();
    QStringList texts;
    for (const QLabel* label : corners->findChildren<QLabel*>()) texts.append(label->text());
    EXPECT_TRUE(texts.contains("29%")) << texts.join(", ").toStdString();
    bool hexShown = false;
    for (const QLabel* label : inspector.view.findChildren<QLabel*>())
        hexShown |= label->text() == "#1A1A2E";
    EXPECT_TRUE(hexShown);

    auto* foreground = inspector.control<ColorButton>("Foreground color");
    QTest::mouseClick(foreground, Qt::LeftButton);
    foreground->dialog()->setCurrentColor(Qt::red);
    EXPECT_EQ(inspector.document.style().foreground, (CodableColor{1, 0, 0, 1}));
    foreground->dialog()->reject();
    EXPECT_EQ(inspector.document.style().foreground, (CodableColor{0.102, 0.102, 0.18, 1}));
}

// A preset changes only the two colours, even with a gradient; the gradient and the logo plate
// start afresh when turned off and on again.
TEST(Inspector, PresetsKeepTheGradientWhichStartsAfreshWhenTurnedOffAndOn) {
    Inspector inspector;
    auto* gradient = inspector.control<QCheckBox>("Enable gradient");
    gradient->click();
    QTest::mouseClick(inspector.control("↘ Diag"), Qt::LeftButton);
    inspector.pickColor("Gradient end color", Qt::magenta);
    inspector.expectEdit(
        [&] { QTest::mouseClick(inspector.control("Color preset 3"), Qt::LeftButton); },
        [](QRStyle& style) {
            style.foreground = {0.176, 0.314, 0.086, 1};
            style.background = {0.961, 0.941, 0.91, 1};
        });
    gradient->click();
    EXPECT_FALSE(inspector.document.style().gradient);
    EXPECT_FALSE(inspector.control("Gradient end color")->isVisible());
    gradient->click();
    EXPECT_EQ(inspector.document.style().gradient,
              (GradientStyle{{0.133, 0.827, 0.933, 1}, GradientDirection::vertical}));

    QTest::mouseClick(inspector.control("Add Vostrel logo"), Qt::LeftButton);
    inspector.pickColor("Logo background color", Qt::yellow);
    auto* plate = inspector.control<QCheckBox>("Logo background");
    plate->click();
    EXPECT_FALSE(inspector.document.style().logoOverlay->backgroundColor);
    plate->click();
    EXPECT_EQ(inspector.document.style().logoOverlay->backgroundColor, CodableColor::white());
}

// A logo that cannot be read shows its broken state until a readable one replaces it.
TEST(Inspector, AddingReplacingAndRemovingTheLogoAreNamedUndoSteps) {
    Inspector inspector;
    QTemporaryDir dir;
    QTest::mouseClick(inspector.control("Add Vostrel logo"), Qt::LeftButton);
    ASSERT_TRUE(inspector.document.style().logoOverlay);
    EXPECT_EQ(inspector.undo.undoText(), "Add Logo");
    auto* thumbnail = inspector.control<QAbstractButton>("Replace logo image");
    const QLabel* brokenNote = nullptr;
    for (auto* label : inspector.view.findChildren<QLabel*>()) {
        if (label->text().startsWith("This image cannot be read")) brokenNote = label;
    }
    ASSERT_TRUE(brokenNote);
    EXPECT_FALSE(brokenNote->isVisible());
    EXPECT_TRUE(thumbnail->accessibleDescription().isEmpty());
    // A file may carry any bytes as its logo, for example a picture cut short.
    inspector.setStyle([](QRStyle& style) { style.logoOverlay->imageData.truncate(40); });
    EXPECT_TRUE(brokenNote->isVisible());
    EXPECT_EQ(thumbnail->accessibleDescription(),
              "The image cannot be read and is left out of the code");

    // The settings of a logo are plain assignments.
    inspector.expectEdit([&] { QTest::keyClick(inspector.control("Logo size"), Qt::Key_Right); },
                         [](QRStyle& style) { style.logoOverlay->sizePercent = 0.21; });
    inspector.expectEdit([&] { QTest::mouseClick(inspector.control("Circle"), Qt::LeftButton); },
                         [](QRStyle& style) { style.logoOverlay->shape = LogoShape::circle; });
    inspector.expectEdit([&] { QTest::keyClick(inspector.control("Logo padding"), Qt::Key_Left); },
                         [](QRStyle& style) { style.logoOverlay->padding = 0.14; });

    const QString broken = vostrel::testing::writeFile(dir.filePath("broken.png"), "not a picture");
    const QRStyle withMascot = inspector.document.style();
    QTest::mouseClick(inspector.control("Replace logo image"), Qt::LeftButton);
    ASSERT_TRUE(chooseInFileDialog(broken));
    EXPECT_EQ(inspector.document.style(), withMascot);

    QTest::mouseClick(inspector.control("Replace logo image"), Qt::LeftButton);
    ASSERT_TRUE(chooseInFileDialog(writePicture(dir, "red.png", Qt::red)));
    EXPECT_NE(inspector.document.style().logoOverlay->imageData, withMascot.logoOverlay->imageData);
    EXPECT_EQ(inspector.undo.undoText(), "Replace Logo");
    EXPECT_FALSE(brokenNote->isVisible());
    EXPECT_TRUE(thumbnail->accessibleDescription().isEmpty());

    QTest::mouseClick(inspector.control("Remove logo"), Qt::LeftButton);
    EXPECT_FALSE(inspector.document.style().logoOverlay);
    EXPECT_EQ(inspector.undo.undoText(), "Remove Logo");
    EXPECT_TRUE(inspector.control("Add Vostrel logo")->isVisible());

    inspector.undo.undo();
    EXPECT_TRUE(inspector.control("Replace logo image")->isVisible());
    EXPECT_EQ(inspector.undo.count(), 3);
}

TEST(Inspector, QuietZoneStepperStaysWithinFourToTenButShowsOtherValuesAsStored) {
    Inspector inspector;
    auto* stepper = inspector.control<Stepper>("Quiet zone size");
    auto value = [&] {
        return QAccessible::queryAccessibleInterface(stepper)->text(QAccessible::Value);
    };
    EXPECT_FALSE(stepper->decrementButton()->isEnabled());

    inspector.setStyle([](QRStyle& style) { style.quietZoneModules = 12; });
    EXPECT_EQ(value(), "Quiet zone: 12 modules");
    EXPECT_FALSE(stepper->incrementButton()->isEnabled());
    QTest::mouseClick(stepper->decrementButton(), Qt::LeftButton);
    EXPECT_EQ(inspector.document.style().quietZoneModules, 10);

    inspector.setStyle([](QRStyle& style) { style.quietZoneModules = 2; });
    EXPECT_EQ(value(), "Quiet zone: 2 modules");
    QTest::keyClick(stepper, Qt::Key_Up);
    EXPECT_EQ(inspector.document.style().quietZoneModules, 4);
}

TEST(InspectorFormats, PercentagesTruncateAndHexRoundsHalvesAway) {
    EXPECT_EQ(wholePercent(0.445), 44);
    EXPECT_EQ(wholePercent(0.57), 57);
    EXPECT_EQ(wholePercent(1.0), 100);
    EXPECT_EQ(displayHex({0.5, 0.102, 1.2, 1}), "#801AFF");
    EXPECT_EQ(displayHex({-1, 0.0019, 0.002, 0}), "#000001");
}

TEST(Inspector, ErrorCorrectionPickerSetsTheSavedLevelAndGivesWayToALogo) {
    Inspector inspector;
    auto* picker = inspector.control<SegmentedControl>("Error correction level");
    ASSERT_TRUE(picker);
    EXPECT_EQ(picker->currentIndex(), 1);  // M, the default
    QTest::mouseClick(picker->segment(2), Qt::LeftButton);
    EXPECT_EQ(inspector.undo.count(), 0);
    EXPECT_EQ(inspector.document.snapshot().exportSettings.correctionLevel, CorrectionLevel::q);

    auto* section = inspector.control("Error Correction");
    auto* note = findByName<QLabel>(section, "Error correction set to H for logo");
    inspector.setStyle([](QRStyle& style) { style.logoOverlay = vostrelMascotLogo(); });
    EXPECT_EQ(picker->currentIndex(), 3);
    EXPECT_FALSE(picker->isEnabled());
    EXPECT_TRUE(note && note->isVisibleTo(&inspector.view));
    // The stored level stays for when the logo goes.
    inspector.setStyle([](QRStyle& style) { style.logoOverlay.reset(); });
    EXPECT_EQ(picker->currentIndex(), 2);
    EXPECT_TRUE(picker->isEnabled());
}

// Every label keeps its whole text at the inspector's usual width, from small to large fonts.
TEST(Inspector, LabelsAreNeverCutAtAnyCommonFontSize) {
    const QFont original = QApplication::font();
    for (const int points : {9, 11, 14}) {
        QFont font = original;
        font.setPointSize(points);
        QApplication::setFont(font);
        Inspector inspector;
        inspector.setStyle([](QRStyle& style) { style.logoOverlay = vostrelMascotLogo(); });
        inspector.view.resize(280, 2000);
        QApplication::processEvents();
        for (const QLabel* label : inspector.view.findChildren<QLabel*>()) {
            if (!label->isVisible() || label->wordWrap() || label->text().isEmpty()) continue;
            EXPECT_GE(label->width(), label->minimumSizeHint().width())
                << points << " pt: " << label->text().toStdString();
        }
    }
    QApplication::setFont(original);
}
