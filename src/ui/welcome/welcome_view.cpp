#include "ui/welcome/welcome_view.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimeZone>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include "ui/mascot/mascot_area.h"
#include "ui/welcome/quip_rotation.h"
#include "ui/welcome/recent_documents_list.h"
#include "ui/welcome/welcome_scenery.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/palette_colors.h"
#include "ui/widgets/reduce_motion.h"

namespace vostrel {

namespace {

WelcomePeriod currentPeriod() {
    return periodFor(QDateTime::currentDateTime(), QTimeZone::systemTimeZone());
}

}  // namespace

WelcomeView::WelcomeView(Actions actions, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      actions_(std::move(actions)),
      period_(currentPeriod()),
      quips_(new QuipRotation(this)) {
    setWindowTitle(tr("Welcome to Vostrel"));
    setMinimumSize(defaultSize);
    resize(defaultSize);
    // The meadow fills the window; the actions sit on a card over its right-hand side.
    scenery_ = new WelcomeScenery;
    auto* frame = new QVBoxLayout(this);
    // One pixel left free all round for the edge that a window without a frame lacks.
    frame->setContentsMargins(1, 1, 1, 1);
    frame->addWidget(scenery_);
    auto* row = new QHBoxLayout(scenery_);
    row->setContentsMargins(0, 14, 14, 14);
    row->setSpacing(0);
    row->addWidget(buildHero());
    row->addWidget(buildActionArea(), 1);
    addShortcuts();

    connect(quips_, &QuipRotation::indexChanged, this, &WelcomeView::showQuip);
    connect(quips_, &QuipRotation::hopRequested, mascot_,
            [this] { mascot_->setJumpTrigger(mascot_->jumpTrigger() + 1); });
    connect(recent_, &RecentDocumentsList::openRequested, this, &WelcomeView::open);
    minute_.setInterval(std::chrono::minutes(1));
    connect(&minute_, &QTimer::timeout, this, &WelcomeView::refresh);
    showPeriod();
    refresh();
}

QString WelcomeView::quip() const {
    return quips(period_).value(quips_->index());
}

void WelcomeView::refresh() {
    recent_->setPaths(recentVostrels(actions_.recentPaths()));
    scenery_->setAnimated(!prefersReducedMotion());
    const WelcomePeriod now = currentPeriod();
    if (now == period_) return;
    period_ = now;
    showPeriod();
}

void WelcomeView::showPeriod() {
    greetingText_->setText(greeting(period_));
    const int edge = greetingText_->fontMetrics().height();
    greetingIcon_->setPixmap(symbolIcon(symbolName(period_), accentColor(palette()))
                                 .pixmap(QSize(edge, edge), devicePixelRatioF()));
    scenery_->setPeriod(period_);
    mascot_->setWelcomePeriod(period_);
    showQuip();
}

void WelcomeView::showQuip() {
    quipLabel_->setText(quip());
    quipLabel_->setAccessibleName(tr("Vostrel says: %1").arg(quip()));
}

void WelcomeView::open(const QString& path) {
    if (opening_) return;
    opening_ = true;
    const auto opened = actions_.open(path);
    opening_ = false;
    if (opened) {
        close();
    } else {
        showOpenError(opened.error());
    }
}

void WelcomeView::showOpenError(const QString& reason) {
    const QString hint = tr(" You can use Open a Vostrel to locate a moved file.");
    openError_ = (reason.isEmpty() ? tr("Please try opening the file again.") : reason) + hint;
    const QString title = tr("Couldn’t open this Vostrel");
    auto* alert = new QMessageBox(QMessageBox::Warning, title, title, QMessageBox::Ok, this);
    alert->setInformativeText(*openError_);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    connect(alert, &QMessageBox::finished, this, [this] { openError_.reset(); });
    alert->open();
}

void WelcomeView::addShortcuts() {
    // Return works as in a dialog whose default button is "Start fresh": it opens the recent
    // document whose row has the focus, and otherwise starts fresh.
    for (const auto keys : {Qt::Key_Return, Qt::Key_Enter}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] {
            auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
            const bool onRecentRow = focused && recent_->isAncestorOf(focused);
            (onRecentRow ? focused : startFresh_)->click();
        });
    }
    connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);
    connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this, [this] {
        if (menuButton_->menu()) menuButton_->showMenu();
    });
}

void WelcomeView::setMainMenu(QMenu* menu) {
    menuButton_->setMenu(menu);
    menuButton_->setVisible(menu != nullptr);
    if (menu) addActions(menu->actions());
}

void WelcomeView::showEvent(QShowEvent* event) {
    refresh();
    startFresh_->setFocus();
    quips_->start();
    minute_.start();
    QWidget::showEvent(event);
}

void WelcomeView::hideEvent(QHideEvent* event) {
    quips_->stop();
    minute_.stop();
    QWidget::hideEvent(event);
}

void WelcomeView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refresh();
    QWidget::changeEvent(event);
}

void WelcomeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
}

// Dragging the background moves the window. The desktop does the moving where it can (Wayland
// allows nothing else); otherwise the window follows the pointer.
void WelcomeView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    if (windowHandle() && windowHandle()->startSystemMove()) return event->accept();
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    event->accept();
}

void WelcomeView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragOffset_) return QWidget::mouseMoveEvent(event);
    move(event->globalPosition().toPoint() - *dragOffset_);
}

void WelcomeView::mouseReleaseEvent(QMouseEvent* event) {
    dragOffset_.reset();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace vostrel
