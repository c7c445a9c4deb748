#include "ui/editor/batch/batch_settings_rows.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <array>

#include "ui/widgets/dialog_folder.h"
#include "ui/widgets/elided_label.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/segmented_control.h"

namespace vostrel {

namespace {

constexpr std::array pngSizes{512, 1024, 2048};
constexpr int defaultSizeIndex = 1;
constexpr int captionWidth = 80;

SegmentedControl* makePicker(const QString& accessibleName, const QStringList& labels,
                             int selected) {
    auto* picker = new SegmentedControl;
    picker->setAccessibleName(accessibleName);
    for (const QString& label : labels) picker->addSegment(label);
    picker->setCurrentIndex(selected);
    return picker;
}

QString defaultDestination() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation))
        .filePath(QStringLiteral("qr-batch"));
}

}  // namespace

BatchSettingsRows::BatchSettingsRows(QWidget* parent)
    : QWidget(parent),
      format_(makePicker(tr("Format"), {tr("PNG"), tr("SVG")}, int(ExportFormat::png))),
      size_(makePicker(tr("Size"), {}, defaultSizeIndex)),
      naming_(makePicker(tr("Naming"), {tr("Sequential"), tr("Content")},
                         int(NamingScheme::contentBased))) {
    for (const int pixels : pngSizes)
        size_->addSegment(QString::number(pixels), {}, tr("%1 pixels").arg(pixels));
    size_->setCurrentIndex(defaultSizeIndex);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(makeRow(tr("Format"), format_));
    sizeRow_ = makeRow(tr("Size"), size_);
    layout->addWidget(sizeRow_);
    layout->addWidget(makeRow(tr("Naming"), naming_));
    layout->addWidget(makeRow(tr("Destination"), makeDestinationControl()));
    setDestination(defaultDestination());

    connect(format_, &SegmentedControl::activated, this,
            [this] { sizeRow_->setVisible(config().format == ExportFormat::png); });
}

QWidget* BatchSettingsRows::makeRow(const QString& caption, QWidget* control) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption);
    label->setFixedWidth(captionWidth);
    label->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(label);
    layout->addWidget(control, 1);
    return row;
}

QWidget* BatchSettingsRows::makeDestinationControl() {
    auto* control = new QWidget;
    auto* layout = new QHBoxLayout(control);
    layout->setContentsMargins(0, 0, 0, 0);
    path_ = new ElidedLabel(Qt::ElideMiddle);
    path_->setFont(monospacedFont(path_->font(), captionScale));
    choose_ = new QPushButton(tr("Choose..."));
    choose_->setFont(scaledFont(choose_->font(), captionScale));
    choose_->setAccessibleDescription(tr("Chooses the folder that receives the QR codes"));
    layout->addWidget(path_, 1);
    layout->addWidget(choose_);
    connect(choose_, &QPushButton::clicked, this, &BatchSettingsRows::chooseDestination);
    return control;
}

// The sheet stays usable while the window-modal folder dialog is up.
void BatchSettingsRows::chooseDestination() {
    const QFileInfo current(destination_);
    QFileDialog* dialog =
        makeFolderDialog(window(), tr("Choose Destination"),
                         current.exists() ? destination_ : current.absolutePath());
    connect(dialog, &QFileDialog::fileSelected, this, &BatchSettingsRows::setDestination);
    dialog->open();
}

void BatchSettingsRows::setDestination(const QString& folder) {
    destination_ = QDir::cleanPath(folder);
    path_->setFullText(QDir::toNativeSeparators(destination_));
    path_->setAccessibleName(tr("Destination: %1").arg(path_->text()));
}

BatchConfig BatchSettingsRows::config() const {
    BatchConfig config;
    config.format =
        format_->currentIndex() == int(ExportFormat::svg) ? ExportFormat::svg : ExportFormat::png;
    config.pngSize = pngSizes[std::clamp(size_->currentIndex(), 0, int(pngSizes.size()) - 1)];
    config.namingScheme = naming_->currentIndex() == int(NamingScheme::sequential)
                              ? NamingScheme::sequential
                              : NamingScheme::contentBased;
    config.destinationURL = QUrl::fromLocalFile(destination_);
    return config;
}

}  // namespace vostrel
