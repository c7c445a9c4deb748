#pragma once

#include <QList>
#include <QWidget>

#include <optional>

#include "engine/scan_check.h"
#include "engine/validation_warning.h"

class QHBoxLayout;

namespace vostrel {

// The scannability warnings as a centred row of small badges in the warning colour: the first
// two by their short labels and "+N more" for the rest, or a "Scannable" badge when there are
// none, a symbol is shown (with no symbol there is nothing to call scannable) and the scan check
// did not fail. After them, once known, the scan check: a quiet "Reads on
// 2 of 2 scanners" or a warning badge "May not scan" / "Won't scan". Each badge's tooltip and
// accessible description hold the full messages it stands for.
class WarningBadges : public QWidget {
    Q_OBJECT

  public:
    explicit WarningBadges(QWidget* parent = nullptr);

    void showWarnings(const QList<ValidationWarning>& warnings);
    // None while no check has read the current symbol.
    void showScanCheck(const std::optional<ScanCheckResult>& result);
    void setSymbolShown(bool shown);
    // The badge texts in order, as shown.
    QStringList labels() const;

  private:
    void rebuild();
    void addBadge(const QString& text, bool warning, const QString& description);

    QHBoxLayout* layout_;
    QList<ValidationWarning> warnings_;
    std::optional<ScanCheckResult> scanCheck_;
    bool symbolShown_ = true;
};

}  // namespace vostrel
