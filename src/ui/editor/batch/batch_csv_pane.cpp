#include "ui/editor/batch/batch_csv_pane.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "batch/batch_items.h"
#include "ui/editor/batch/batch_input_alert.h"
#include "ui/widgets/elided_label.h"
#include "ui/widgets/focus_frame.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {

namespace {

constexpr qreal headerScale = 0.75;
constexpr int iconEdge = 28;

ElidedLabel* makeCell(const QString& text, const QFont& font, QPalette::ColorRole role) {
    auto* cell = new ElidedLabel;
    cell->setFont(font);
    cell->setForegroundRole(role);
    cell->setFullText(text);
    cell->setContentsMargins(8, 4, 8, 4);
    return cell;
}

}  // namespace

CsvDropButton::CsvDropButton(QWidget* parent) : QAbstractButton(parent) {
    setText(tr("Import CSV"));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(tr("Chooses a CSV file of contacts"));
}

QSize CsvDropButton::sizeHint() const {
    return QSize(300, 160);
}

void CsvDropButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::PlaceholderText);
    QPen dashes(isDown() ? palette().color(QPalette::WindowText) : ink, 1.5, Qt::DashLine);
    painter.setPen(showsKeyboardFocus(this) ? QPen(accentColor(palette()), 2, Qt::DashLine)
                                            : dashes);
    painter.setBrush(underMouse() ? QBrush(withAlpha(ink, 0.06f)) : QBrush(Qt::NoBrush));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 12, 12);

    const QRect iconArea(width() / 2 - iconEdge / 2, height() / 2 - iconEdge, iconEdge, iconEdge);
    symbolIcon(QStringLiteral("tablecells"), ink).paint(&painter, iconArea);
    painter.setPen(ink);
    painter.drawText(QRect(0, height() / 2 + 6, width(), fontMetrics().height()), Qt::AlignCenter,
                     text());
}

CsvPreviewTable::CsvPreviewTable(const CSVParser::ParsedCSV& csv, QWidget* parent)
    : QWidget(parent),
      columns_(int(std::min<qsizetype>(csv.headers.size(), maximumColumns))),
      rows_(int(std::min<qsizetype>(csv.rows.size(), maximumRows))) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(1, 1, 1, 1);
    grid->setSpacing(0);
    QFont headerFont = scaledFont(font(), headerScale, QFont::DemiBold);
    headerFont.setCapitalization(QFont::AllUppercase);
    for (int column = 0; column < columns_; ++column) {
        grid->addWidget(makeCell(csv.headers[column], headerFont, QPalette::PlaceholderText), 0,
                        column);
        grid->setColumnStretch(column, 1);
    }
    const QFont cellFont = scaledFont(font(), captionScale);
    for (int row = 0; row < rows_; ++row) {
        const QStringList& fields = csv.rows[row];
        for (int column = 0; column < columns_; ++column) {
            grid->addWidget(makeCell(fields.value(column), cellFont, QPalette::WindowText), row + 1,
                            column);
        }
    }
    headerHeight_ = QFontMetrics(headerFont).height() + 8;
    setAccessibleName(tr("Preview of the first %1 rows").arg(rows_));
}

// The header band is a faint tint; lines divide the rows and the columns.
void CsvPreviewTable::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor line = withAlpha(palette().color(QPalette::WindowText), 0.15f);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath outline;
    outline.addRoundedRect(frame, 8, 8);
    painter.setClipPath(outline);
    painter.fillRect(QRectF(0, 0, width(), headerHeight_ + 1),
                     withAlpha(palette().color(QPalette::WindowText), 0.05f));
    painter.setPen(line);
    auto* grid = static_cast<QGridLayout*>(layout());
    for (int row = 1; row <= rows_; ++row) {
        const int y = grid->cellRect(row, 0).top();
        painter.drawLine(QPointF(0, y), QPointF(width(), y));
    }
    for (int column = 1; column < columns_; ++column) {
        const int x = grid->cellRect(0, column).left();
        painter.drawLine(QPointF(x, headerHeight_), QPointF(x, height()));
    }
    painter.setClipping(false);
    painter.drawPath(outline);
}

BatchCsvPane::BatchCsvPane(QWidget* parent)
    : QWidget(parent), layout_(new QVBoxLayout(this)), importButton_(new CsvDropButton) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(8);
    layout_->addWidget(importButton_);
    summaryLine_ = makeSummaryLine();
    layout_->addWidget(summaryLine_);
    summaryLine_->hide();
    connect(importButton_, &QAbstractButton::clicked, this, &BatchCsvPane::chooseFile);
}

QWidget* BatchCsvPane::makeSummaryLine() {
    auto* line = new QWidget;
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const QFont caption = scaledFont(font(), captionScale);
    count_ = new QLabel;
    count_->setFont(caption);
    count_->setForegroundRole(QPalette::PlaceholderText);
    mapped_ = new QLabel;
    mapped_->setFont(caption);
    QPalette cyan = mapped_->palette();
    cyan.setColor(QPalette::WindowText, cyanColor(palette()));
    mapped_->setPalette(cyan);
    auto* again = new QPushButton(tr("Import different CSV"));
    again->setFont(caption);
    layout->addWidget(count_);
    layout->addWidget(mapped_);
    layout->addStretch(1);
    layout->addWidget(again);
    connect(again, &QPushButton::clicked, this, &BatchCsvPane::chooseFile);
    return line;
}

void BatchCsvPane::chooseFile() {
    auto* dialog = new QFileDialog(window(), tr("Import CSV"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setMimeTypeFilters(
        {"text/csv", "text/tab-separated-values", "text/plain", "application/octet-stream"});
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, &BatchCsvPane::importFile);
    dialog->open();
}

void BatchCsvPane::importFile(const QString& path) {
    const auto text = readBatchInputText(path);
    if (!text) return showUnreadableInput(this, text.error());
    csv_ = CSVParser::parseCSV(*text);
    mapping_ = CSVParser::autoMapContactColumns(csv_->headers);
    showCsv();
    Q_EMIT csvChanged();
}

void BatchCsvPane::showCsv() {
    delete table_;
    table_ = new CsvPreviewTable(*csv_, this);
    layout_->insertWidget(0, table_);
    importButton_->hide();
    count_->setText(tr("%1 contacts").arg(csv_->rows.size()));
    mapped_->setVisible(!mapping_.isEmpty());
    mapped_->setText(QStringLiteral(" · ") + tr("%1 columns mapped").arg(mapping_.size()));
    summaryLine_->show();
}

qsizetype BatchCsvPane::rowCount() const {
    return csv_ ? csv_->rows.size() : 0;
}

QList<QRContent> BatchCsvPane::contacts() const {
    if (!csv_) return {};
    return CSVParser::makeContacts(csv_->rows, mapping_);
}

}  // namespace vostrel
