#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <functional>

#include "render/logo_overlay.h"

class QCheckBox;
class QLabel;

namespace vostrel {

class ChoiceChip;
class ColorButton;
class PercentSliderRow;

// The mascot beside "Add Vostrel logo" and a one-line subtitle, as one flat button.
class AddVostrelLogoButton : public QAbstractButton {
    Q_OBJECT

  public:
    explicit AddVostrelLogoButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QFont titleFont() const;
    QFont subtitleFont() const;

    QPixmap mascot_;  // drawn from its SVG once per pixel density, not on every hover
};

// The current logo picture on its plate colour, as a button that asks for another picture.
class LogoThumbnailButton : public QAbstractButton {
    Q_OBJECT

  public:
    explicit LogoThumbnailButton(QWidget* parent = nullptr);

    void showLogo(const LogoOverlay& logo);
    // The logo's data is no picture that can be read: a warning sign stands in for it, and the
    // symbol is drawn without a logo.
    bool isBroken() const { return broken_; }
    QSize sizeHint() const override { return QSize(edge, edge); }

    static constexpr int edge = 60;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QByteArray imageData_;
    QPixmap picture_;
    std::optional<CodableColor> plate_;
    bool broken_ = false;
};

// The settings of a present logo: the thumbnail (click to replace), remove, the note on error
// correction, size, shape, padding and the plate behind the picture.
class LogoSettings : public QWidget {
    Q_OBJECT

  public:
    using Edit = std::function<void(LogoOverlay&)>;

    explicit LogoSettings(QWidget* parent = nullptr);

    void showLogo(const LogoOverlay& logo);

  Q_SIGNALS:
    void replaceRequested();
    void removeRequested();
    void edited(const vostrel::LogoSettings::Edit& edit);

  private:
    QWidget* makeHeader();
    QWidget* makeShapeChips();
    QWidget* makePlateRow();

    LogoThumbnailButton* thumbnail_;
    QLabel* brokenNote_;
    PercentSliderRow* size_;
    QList<ChoiceChip*> shapes_;
    PercentSliderRow* padding_;
    QCheckBox* plate_;
    ColorButton* plateColor_;
};

}  // namespace vostrel
