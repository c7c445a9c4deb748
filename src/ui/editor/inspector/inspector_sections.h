#pragma once

#include <QPointer>

#include "engine/correction_level.h"
#include "ui/editor/inspector/inspector_section.h"

class QCheckBox;
class QLabel;
class QUndoStack;

namespace vostrel {

class ChoiceChip;
class ColorButton;
class LogoSettings;
class PercentSliderRow;
class SegmentedControl;
class Stepper;

// "Shape": the module shape as a segmented picker.
class ShapeSection : public InspectorSection {
    Q_OBJECT

  public:
    explicit ShapeSection(VostrelDocument* document, QWidget* parent = nullptr);

  protected:
    void showStyle(const QRStyle& style) override;

  private:
    SegmentedControl* picker_;
};

// "Finder Pattern": orientation, corner rounding and wall thickness of the three finders.
class FinderSection : public InspectorSection {
    Q_OBJECT

  public:
    explicit FinderSection(VostrelDocument* document, QWidget* parent = nullptr);

  protected:
    void showStyle(const QRStyle& style) override;

  private:
    QCheckBox* flip_;
    PercentSliderRow* corners_;
    PercentSliderRow* thickness_;
};

// "Colors": foreground and background, and six preset pairs that set both (the gradient, when
// there is one, keeps its end colour and direction).
class ColorsSection : public InspectorSection {
    Q_OBJECT

  public:
    explicit ColorsSection(VostrelDocument* document, QWidget* parent = nullptr);

  protected:
    void showStyle(const QRStyle& style) override;

  private:
    ColorButton* foreground_;
    ColorButton* background_;
    QLabel* foregroundHex_;
    QLabel* backgroundHex_;
};

// "Logo": without a logo, the ways to add one; with a logo, its settings. Adding, replacing and
// removing are each one undo step on the window's stack; the settings are plain assignments.
class LogoSection : public InspectorSection {
    Q_OBJECT

  public:
    LogoSection(VostrelDocument* document, QUndoStack* undoStack, QWidget* parent = nullptr);

  protected:
    void showStyle(const QRStyle& style) override;

  private:
    void chooseImage();
    void setLogo(const std::optional<LogoOverlay>& logo);

    QUndoStack* undoStack_;
    QWidget* addButtons_;
    LogoSettings* settings_;
};

// "Gradient": on or off, and while on its end colour and direction. Turning it on always starts
// from the same cyan, vertical gradient; nothing of an earlier gradient is remembered.
class GradientSection : public InspectorSection {
    Q_OBJECT

  public:
    explicit GradientSection(VostrelDocument* document, QWidget* parent = nullptr);

    static GradientStyle initialGradient();

  protected:
    void showStyle(const QRStyle& style) override;

  private:
    QCheckBox* enabled_;
    QWidget* details_;
    ColorButton* endColor_;
    QLabel* endHex_;
    QList<ChoiceChip*> directions_;
};

// "Quiet Zone": the blank border in modules, stepped between 4 and 10.
class QuietZoneSection : public InspectorSection {
    Q_OBJECT

  public:
    explicit QuietZoneSection(VostrelDocument* document, QWidget* parent = nullptr);

  protected:
    void showStyle(const QRStyle& style) override;

  private:
    Stepper* stepper_;
};

// "Error Correction": the level symbols are made at, L to H, stored in the export settings as a
// plain edit. A logo hides modules, so while there is one symbols are made at H whatever is
// stored: the picker then shows H, is disabled and says why.
class ErrorCorrectionSection : public InspectorSection {
    Q_OBJECT

  public:
    explicit ErrorCorrectionSection(VostrelDocument* document, QWidget* parent = nullptr);

  protected:
    void showStyle(const QRStyle& style) override;

  private:
    void setLevel(CorrectionLevel level);

    SegmentedControl* picker_;
    QWidget* logoNote_;
};

}  // namespace vostrel
