// How the welcome window is put together: the mascot and its quips on the left of the meadow,
// the greeting, actions and recent documents on a card to the right.

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/mascot/mascot_area.h"
#include "ui/welcome/recent_documents_list.h"
#include "ui/welcome/welcome_scenery.h"
#include "ui/welcome/welcome_view.h"
#include "ui/widgets/button_styles.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {

namespace {

QLabel* makeQuipBubble(const QPalette& palette) {
    auto* label = new QLabel;
    label->setObjectName(QStringLiteral("quip"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedWidth(320);
    label->setMinimumHeight(58);
    label->setStyleSheet(QStringLiteral("QLabel#quip { background: %1; color: %2; "
                                        "border-radius: 16px; padding: 12px 18px; }")
                             .arg(cssRgba(palette.color(QPalette::Window), 0.84),
                                  palette.color(QPalette::WindowText).name()));
    return label;
}

void makeBordered(QPushButton* button) {
    const QPalette palette = button->palette();
    const QColor ink = palette.color(QPalette::WindowText);
    button->setIcon(symbolIcon(QStringLiteral("folder")));
    button->setStyleSheet(QStringLiteral("QPushButton { background: transparent; color: %1; "
                                         "border: 1px solid %2; border-radius: 10px; "
                                         "padding: 9px 18px; }"
                                         "QPushButton:hover { background: %3; }"
                                         "QPushButton:pressed { background: %4; }"
                                         "QPushButton:focus { border: 2px solid %5; }")
                              .arg(ink.name(), cssRgba(ink, 0.22), cssRgba(ink, 0.05),
                                   cssRgba(ink, 0.1), cssRgba(accentColor(palette), 0.8)));
}

// The action area: a card of the window colour. It is opaque: at 90 % the meadow's gradients
// showed through as faint streaks that read like a smear of text beside the title.
class ActionCard : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor fill = palette().color(QPalette::Window);
        QColor edge = palette().color(QPalette::WindowText);
        edge.setAlphaF(0.08f);
        painter.setPen(QPen(edge, 1));
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 18, 18);
    }
};

constexpr int heroWidth = 360;

}  // namespace

QWidget* WelcomeView::buildHero() {
    auto* hero = new QWidget;
    hero->setFixedWidth(heroWidth);
    auto* column = new QVBoxLayout(hero);
    column->setContentsMargins(32, 22, 20, 26);
    column->setSpacing(0);

    auto* tagline = new QLabel(tr("Small squares.\nBig possibilities."));
    tagline->setFont(scaledFont(font(), 1.55, QFont::Bold));
    column->addWidget(tagline);
    column->addStretch(2);

    mascot_ = new MascotArea(QSize(320, 300), Mascot3DFraming::welcome);
    mascot_->setAccessibleName(tr("Make Vostrel hop"));
    const QString help = tr("Click for a hop. Pan with two fingers to look around.");
    mascot_->setAccessibleDescription(help);
    mascot_->setToolTip(help);
    column->addWidget(mascot_, 0, Qt::AlignHCenter);
    column->addSpacing(10);

    quipLabel_ = makeQuipBubble(palette());
    column->addWidget(quipLabel_, 0, Qt::AlignHCenter);
    column->addStretch(3);
    return hero;
}

QWidget* WelcomeView::buildHeader() {
    auto* header = new QHBoxLayout;
    header->setSpacing(8);
    greetingIcon_ = new QLabel;
    greetingText_ = new QLabel;
    greetingText_->setFont(scaledFont(font(), 1.0, QFont::DemiBold));
    greetingText_->setForegroundRole(QPalette::PlaceholderText);
    auto* close = new QToolButton;
    close->setIcon(symbolIcon(QStringLiteral("xmark")));
    close->setAutoRaise(true);
    close->setIconSize(QSize(14, 14));
    close->setAccessibleName(tr("Close"));
    close->setToolTip(tr("Close"));
    connect(close, &QToolButton::clicked, this, &QWidget::close);
    menuButton_ = new QToolButton;
    menuButton_->setIcon(symbolIcon(QStringLiteral("line.3.horizontal")));
    menuButton_->setAutoRaise(true);
    menuButton_->setIconSize(QSize(16, 16));
    menuButton_->setPopupMode(QToolButton::InstantPopup);
    menuButton_->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    menuButton_->setAccessibleName(tr("Main menu"));
    menuButton_->setToolTip(tr("Main menu"));
    menuButton_->hide();  // until there is a menu to show
    header->addWidget(greetingIcon_);
    header->addWidget(greetingText_, 1);
    header->addWidget(menuButton_, 0, Qt::AlignTop);
    header->addWidget(close, 0, Qt::AlignTop);
    auto* holder = new QWidget;
    holder->setLayout(header);
    header->setContentsMargins(0, 0, 0, 0);
    return holder;
}

QWidget* WelcomeView::buildActionArea() {
    auto* area = new ActionCard;
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(30, 18, 16, 20);
    column->setSpacing(0);
    column->addWidget(buildHeader());
    column->addSpacing(14);

    auto* title = new QLabel(tr("Vostrel"));
    title->setFont(scaledFont(font(), 2.6, QFont::Bold));
    column->addWidget(title);
    auto* question = new QLabel(tr("What shall we make?"));
    question->setFont(scaledFont(font(), 1.2));
    question->setForegroundRole(QPalette::PlaceholderText);
    column->addWidget(question);
    column->addSpacing(22);

    auto* startFresh = new QPushButton(tr("Start fresh"));
    makeProminent(startFresh, QStringLiteral("plus"));
    startFresh_ = startFresh;
    connect(startFresh, &QPushButton::clicked, this, [this] {
        if (actions_.startFresh) actions_.startFresh();
    });
    auto* openFile = new QPushButton(tr("Open a Vostrel…"));
    makeBordered(openFile);
    connect(openFile, &QPushButton::clicked, this, [this] {
        if (actions_.chooseFile) actions_.chooseFile(this);
    });
    for (QPushButton* button : {startFresh, openFile}) {
        button->setCursor(Qt::PointingHandCursor);
        column->addWidget(button);
        column->addSpacing(8);
    }
    column->addSpacing(18);

    auto* recentTitle = new QLabel(tr("Recent Vostrels"));
    recentTitle->setFont(scaledFont(font(), 0.92, QFont::DemiBold));
    column->addWidget(recentTitle);
    column->addSpacing(6);
    recent_ = new RecentDocumentsList;
    column->addWidget(recent_, 1);
    return area;
}

}  // namespace vostrel
