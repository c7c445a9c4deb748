#include "ui/editor/preview/copy_control.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "ui/widgets/accessibility.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {

namespace {

constexpr int feedbackMilliseconds = 2500;
const QString readySymbol = QStringLiteral("doc.on.doc");
const QString copiedSymbol = QStringLiteral("checkmark");
const QString failedSymbol = QStringLiteral("exclamationmark.triangle");

}  // namespace

CopyControl::CopyControl(QWidget* parent)
    : QWidget(parent), button_(new QToolButton), feedback_(new QLabel) {
    button_->setText(tr("Copy QR Code"));
    button_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button_->setAutoRaise(true);
    button_->setAccessibleName(tr("Copy QR Code"));
    button_->setToolTip(tr("Copy QR code as PNG (Ctrl+C when the canvas is focused)"));
    button_->setAccessibleDescription(tr("Copies the rendered QR code as a PNG image"));
    setAccessibleValue(button_, {});
    feedback_->setForegroundRole(QPalette::PlaceholderText);
    feedback_->hide();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addStretch(1);
    layout->addWidget(button_);
    layout->addWidget(feedback_);
    layout->addStretch(1);

    settle_.setSingleShot(true);
    settle_.setInterval(feedbackMilliseconds);
    connect(&settle_, &QTimer::timeout, this, [this] {
        feedback_->hide();
        showSymbol(readySymbol);
    });
    connect(button_, &QToolButton::clicked, this, &CopyControl::copyClicked);
    showSymbol(readySymbol);
}

QString CopyControl::message() const {
    return accessibleValue(button_);
}

void CopyControl::showResult(bool succeeded) {
    const QString text = succeeded ? tr("Copied to clipboard") : tr("Copy failed. Try again.");
    feedback_->setText(text);
    feedback_->show();
    setAccessibleValue(button_, text);
    showSymbol(succeeded ? copiedSymbol : failedSymbol);
    settle_.start();
}

void CopyControl::showSymbol(const QString& symbolName) {
    symbolName_ = symbolName;
    if (symbolName == readySymbol) return button_->setIcon(symbolIcon(symbolName));
    const QColor tint =
        symbolName == copiedSymbol ? successColor(palette()) : warningColor(palette());
    button_->setIcon(symbolIcon(symbolName, tint));
}

void CopyControl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) showSymbol(symbolName_);
    QWidget::changeEvent(event);
}

}  // namespace vostrel
