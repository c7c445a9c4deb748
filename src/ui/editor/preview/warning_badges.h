#pragma once

#include <QList>
#include <QWidget>

#include "engine/validation_warning.h"

class QHBoxLayout;

namespace vostrel {

// The scannability warnings as a centred row of small badges in the warning colour: the first
// two by their short labels and "+N more" for the rest, or a single "Scannable" badge when there
// are none. Each badge's tooltip holds the full messages it stands for.
class WarningBadges : public QWidget {
    Q_OBJECT

  public:
    explicit WarningBadges(QWidget* parent = nullptr);

    void showWarnings(const QList<ValidationWarning>& warnings);
    // The badge texts in order, as shown.
    QStringList labels() const;

  private:
    QHBoxLayout* layout_;
};

}  // namespace vostrel
