#include "ui/editor/batch/batch_summary_view.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/editor/forms/form_fields.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {

namespace {

constexpr int symbolEdge = 36;

}  // namespace

BatchSummaryView::BatchSummaryView(QWidget* parent)
    : QWidget(parent),
      generated_(new QLabel),
      skipped_(makeCaption({})),
      folder_(new QLabel),
      showFolder_(new QPushButton(tr("Show in File Manager"))) {
    auto* symbol = new QLabel;
    const QIcon check =
        symbolIcon(QStringLiteral("checkmark.circle.fill"), successColor(palette()));
    symbol->setPixmap(check.pixmap(QSize(symbolEdge, symbolEdge), devicePixelRatioF()));
    symbol->setAlignment(Qt::AlignCenter);
    generated_->setFont(headlineFont(generated_->font()));
    generated_->setAlignment(Qt::AlignCenter);
    skipped_->setAlignment(Qt::AlignCenter);
    folder_->setFont(monospacedFont(font(), captionScale));
    folder_->setForegroundRole(QPalette::PlaceholderText);
    folder_->setAlignment(Qt::AlignCenter);
    folder_->setWordWrap(true);
    folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    showFolder_->setAccessibleDescription(tr("Opens the folder and closes the sheet"));

    auto* close = new QPushButton(tr("Close"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addWidget(showFolder_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(symbol);
    layout->addWidget(generated_);
    layout->addWidget(skipped_);
    layout->addWidget(folder_);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &BatchSummaryView::closeRequested);
    connect(showFolder_, &QPushButton::clicked, this, &BatchSummaryView::showFolderRequested);
}

void BatchSummaryView::showResult(const BatchResult& result) {
    generated_->setText(tr("%1 QR codes generated").arg(result.generatedCount));
    skipped_->setText(tr("%1 items skipped").arg(result.skippedCount));
    skipped_->setVisible(result.skippedCount >= 1);
    folder_->setText(QDir::toNativeSeparators(result.destinationURL.toLocalFile()));
}

}  // namespace vostrel
