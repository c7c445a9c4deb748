#include "ui/welcome/recent_documents_list.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QSet>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "common/file_path.h"
#include "ui/editor/forms/form_fields.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/palette_colors.h"
#include "ui/widgets/slim_scroll_bar.h"

namespace vostrel {

namespace {

// Where the document lives, with the home folder shortened the way file managers show it.
QString folderOf(const QString& path) {
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (folder == home) return QStringLiteral("~");
    if (folder.startsWith(home + QDir::separator())) return u'~' + folder.mid(home.size());
    return folder;
}

constexpr int tileEdge = 40;
constexpr int rowHeight = 56;

}  // namespace

QStringList recentVostrels(const QStringList& paths) {
    QStringList kept;
    QSet<QString> seen;
    for (const QString& path : paths) {
        if (QFileInfo(path).suffix().toLower() != QLatin1String("vostrel")) continue;
        const QString key = standardFilePath(path);
        if (seen.contains(key)) continue;
        seen.insert(key);
        kept << path;
    }
    return kept;
}

RecentDocumentRow::RecentDocumentRow(const QString& path, QWidget* parent)
    : QAbstractButton(parent), path_(path) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Open %1").arg(name()));
    setAccessibleDescription(path_);
    setToolTip(path_);
}

QString RecentDocumentRow::name() const {
    return QFileInfo(path_).completeBaseName();
}

QSize RecentDocumentRow::sizeHint() const {
    return QSize(280, rowHeight);
}

void RecentDocumentRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colors = palette();
    const QColor accent = accentColor(colors);
    if (hovering_ || isDown() || hasFocus()) {
        QColor wash = accent;
        wash.setAlphaF(isDown() ? 0.16f : 0.09f);
        painter.setPen(Qt::NoPen);
        painter.setBrush(wash);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    }
    const QRectF tile(8, (height() - tileEdge) / 2.0, tileEdge, tileEdge);
    QColor tileFill = accent;
    tileFill.setAlphaF(0.14f);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tileFill);
    painter.drawRoundedRect(tile, 9, 9);
    symbolIcon(QStringLiteral("qrcode"), accent)
        .paint(&painter, tile.adjusted(9, 9, -9, -9).toRect());

    const int chevron = 14;
    const QRect chevronRect(width() - 12 - chevron, (height() - chevron) / 2, chevron, chevron);
    QColor faint = colors.color(QPalette::WindowText);
    faint.setAlphaF(0.45f);
    symbolIcon(QStringLiteral("chevron.right"), faint).paint(&painter, chevronRect);

    const int textLeft = int(tile.right()) + 12;
    const int textWidth = chevronRect.left() - 10 - textLeft;
    QFont title = font();
    title.setWeight(QFont::DemiBold);
    painter.setFont(title);
    painter.setPen(colors.color(QPalette::WindowText));
    const QFontMetrics titleMetrics(title);
    painter.drawText(
        QRect(textLeft, height() / 2 - titleMetrics.height(), textWidth, titleMetrics.height()),
        Qt::AlignLeft | Qt::AlignBottom,
        titleMetrics.elidedText(name(), Qt::ElideRight, textWidth));
    const QFont caption = scaledFont(font(), captionScale);
    painter.setFont(caption);
    painter.setPen(faint.lighter(isDarkPalette(colors) ? 120 : 100));
    const QFontMetrics captionMetrics(caption);
    painter.drawText(QRect(textLeft, height() / 2 + 1, textWidth, captionMetrics.height()),
                     Qt::AlignLeft | Qt::AlignTop,
                     captionMetrics.elidedText(folderOf(path_), Qt::ElideMiddle, textWidth));
}

void RecentDocumentRow::enterEvent(QEnterEvent* event) {
    hovering_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void RecentDocumentRow::leaveEvent(QEvent* event) {
    hovering_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

RecentDocumentsList::RecentDocumentsList(QWidget* parent)
    : QWidget(parent), pages_(new QStackedLayout(this)), rowsLayout_(new QVBoxLayout) {
    emptyState_ = makeEmptyState();
    auto* rows = new QWidget;
    rows->setLayout(rowsLayout_);
    rowsLayout_->setContentsMargins(0, 0, 0, 0);
    rowsLayout_->setSpacing(2);
    rowsLayout_->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(rows);
    makeScrollBarSlim(scroll);
    scroll->viewport()->setAutoFillBackground(false);
    rows->setAutoFillBackground(false);
    pages_->addWidget(emptyState_);
    pages_->addWidget(scroll);
}

QWidget* RecentDocumentsList::makeEmptyState() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(12, 18, 12, 18);
    column->setSpacing(6);
    auto* icon = new QLabel;
    QColor faint = palette().color(QPalette::WindowText);
    faint.setAlphaF(0.3f);
    icon->setPixmap(
        symbolIcon(QStringLiteral("qrcode"), faint).pixmap(QSize(34, 34), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignCenter);
    auto* headline = new QLabel(tr("Your next idea starts here."));
    QFont bold = headline->font();
    bold.setWeight(QFont::DemiBold);
    headline->setFont(bold);
    headline->setAlignment(Qt::AlignCenter);
    QLabel* detail =
        makeCaption(tr("Vostrels you save or open will appear here, ready for another leap."));
    detail->setWordWrap(true);
    detail->setAlignment(Qt::AlignCenter);
    column->addStretch();
    column->addWidget(icon);
    column->addWidget(headline);
    column->addWidget(detail);
    column->addStretch(2);
    return page;
}

void RecentDocumentsList::setPaths(const QStringList& paths) {
    if (paths == paths_) return;
    paths_ = paths;
    for (RecentDocumentRow* row : rows()) delete row;
    for (const QString& path : paths_) {
        auto* row = new RecentDocumentRow(path);
        connect(row, &QAbstractButton::clicked, this, [this, path] { Q_EMIT openRequested(path); });
        rowsLayout_->insertWidget(rowsLayout_->count() - 1, row);
    }
    pages_->setCurrentIndex(paths_.isEmpty() ? 0 : 1);
}

QList<RecentDocumentRow*> RecentDocumentsList::rows() const {
    return findChildren<RecentDocumentRow*>();
}

bool RecentDocumentsList::showsEmptyState() const {
    return pages_->currentWidget() == emptyState_;
}

}  // namespace vostrel
