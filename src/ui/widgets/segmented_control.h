#pragma once

#include <QAbstractButton>
#include <QList>
#include <QWidget>

class QButtonGroup;
class QHBoxLayout;

namespace vostrel {

// One segment of a SegmentedControl: its text, drawn raised while selected.
class Segment : public QAbstractButton {
    Q_OBJECT

  public:
    explicit Segment(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A row of mutually exclusive segments on one rounded track, like a tab bar for a single choice.
// Left and right arrow keys move the selection. Assistive technology reads the control's
// accessible name and, as its value, the selected segment's value text.
class SegmentedControl : public QWidget {
    Q_OBJECT

  public:
    explicit SegmentedControl(QWidget* parent = nullptr);

    // Adds a segment; `accessibleName` defaults to the text, `accessibleValue` (what the control
    // reads as while it is selected) too.
    Segment* addSegment(const QString& text, const QString& accessibleName = {},
                        const QString& accessibleValue = {});

    int count() const { return int(segments_.size()); }
    Segment* segment(int index) const { return segments_.value(index); }
    int currentIndex() const;
    // Selects without emitting activated; -1 selects nothing.
    void setCurrentIndex(int index);

  Q_SIGNALS:
    // The user chose another segment.
    void activated(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void choose(int index);
    void updateAccessibleValue();

    QButtonGroup* group_;
    QHBoxLayout* layout_;
    QList<Segment*> segments_;
    QStringList values_;
};

}  // namespace vostrel
