#pragma once

#include <QList>
#include <QWidget>

#include "engine/validation_warning.h"

class QHBoxLayout;

namespace vostrel {

// The scannability warnings as a centred row of small badges in the warning colour: the first
// two by their short labels and "+N more" for the rest, or a single "Scannable" badge when there
// are none and a symbol is shown: with no symbol there is nothing to call scannable. Each badge's
// tooltip holds the full messages it stands for.
class WarningBadges : public QWidget {
    Q_OBJECT

  public:
    explicit WarningBadges(QWidget* parent = nullptr);

    void showWarnings(const QList<ValidationWarning>& warnings);
    void setSymbolShown(bool shown);
    // The badge texts in order, as shown.
    QStringList labels() const;

  private:
    void rebuild();

    QHBoxLayout* layout_;
    QList<ValidationWarning> warnings_;
    bool symbolShown_ = true;
};

}  // namespace vostrel
