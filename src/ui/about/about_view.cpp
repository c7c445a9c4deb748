#include "ui/about/about_view.h"

#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/about/journal_entry.h"
#include "ui/editor/forms/form_fields.h"
#include "ui/mascot/mascot_area.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/palette_colors.h"
#include "ui/widgets/slim_scroll_bar.h"

namespace vostrel {

namespace {

QString orDefault(const QString& value, const QString& fallback) {
    return value.trimmed().isEmpty() ? fallback : value;
}

const QString unknown = QStringLiteral("—");

QLabel* centred(QLabel* label) {
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

// The mascot's corner of the window, on a faint cyan card like the one under the content forms.
class MascotCard : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintTintedCard(painter, QRectF(rect()), cyanColor(palette()), 18);
    }
};

}  // namespace

QString ApplicationInfo::displayName() const {
    return orDefault(name, QStringLiteral("Vostrel"));
}

QString ApplicationInfo::versionLine() const {
    return QObject::tr("Version %1 (build %2)")
        .arg(orDefault(version, unknown), orDefault(build, unknown));
}

AboutView::AboutView(const ApplicationInfo& info, const QList<ReleaseNote>& notes,
                     const ActiveOccasions& occasions, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("About Vostrel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(28, 26, 28, 20);
    column->setSpacing(0);
    column->addLayout(buildHeading(info));
    column->addSpacing(16);
    column->addWidget(buildMascot(occasions));
    column->addSpacing(22);
    column->addLayout(buildJournalHeader(int(notes.size())));
    column->addSpacing(10);
    column->addWidget(buildJournal(notes), 1);
    resize(500, 760);
}

QLayout* AboutView::buildHeading(const ApplicationInfo& info) {
    auto* heading = new QVBoxLayout;
    heading->setSpacing(4);
    auto* name = centred(new QLabel(info.displayName()));
    QFont bold = name->font();
    bold.setPointSizeF(30 * 0.75);  // 30 px, the size the window was designed at
    bold.setWeight(QFont::Bold);
    name->setFont(bold);
    heading->addWidget(name);
    QLabel* version = centred(makeCaption(info.versionLine(), 0.95));
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    heading->addWidget(version);
    heading->addSpacing(4);
    auto* tagline = centred(new QLabel(tr("Made with chirps, care, and the occasional dewdrop")));
    QFont italic = tagline->font();
    italic.setItalic(true);
    tagline->setFont(italic);
    heading->addWidget(tagline);
    return heading;
}

QWidget* AboutView::buildMascot(const ActiveOccasions& occasions) {
    const bool festive = !occasions.events.isEmpty() && occasions.events.first().isFestive;
    mascot_ = new MascotArea(QSize(320, 162), Mascot3DFraming::about);
    mascot_->setPartyHat(festive);
    if (festive) {
        // On the birthday every poke also throws confetti.
        connect(mascot_, &QAbstractButton::clicked, mascot_,
                [this] { mascot_->setConfettiTrigger(mascot_->confettiTrigger() + 1); });
    }
    mascot_->setAccessibleName(tr("Vostrel mascot"));
    const QString help =
        festive ? tr("It's Vostrel's birthday — give him a poke. Pan with two fingers to look "
                     "around.")
                : tr("Click for a hop. Pan with two fingers to look around.");
    mascot_->setToolTip(help);
    mascot_->setAccessibleDescription(help);
    auto* card = new MascotCard;
    auto* layout = new QVBoxLayout(card);
    layout->setContentsMargins(0, festive ? 18 : 6, 0, 6);
    layout->addWidget(mascot_, 0, Qt::AlignCenter);
    return card;
}

QLayout* AboutView::buildJournalHeader(int count) {
    auto* header = new QHBoxLayout;
    header->setSpacing(8);
    auto* icon = new QLabel;
    icon->setPixmap(symbolIcon(QStringLiteral("book.closed.fill"), cyanColor(palette()))
                        .pixmap(QSize(18, 18), devicePixelRatioF()));
    header->addWidget(icon);
    auto* title = new QLabel(tr("Field journal"));
    QFont headline = title->font();
    headline.setPointSizeF(headline.pointSizeF() * 1.1);
    headline.setWeight(QFont::DemiBold);
    title->setFont(headline);
    header->addWidget(title);
    header->addStretch();
    entryCount_ = makeCaption(count == 1 ? tr("1 entry") : tr("%1 entries").arg(count));
    entryCount_->setWordWrap(false);
    header->addWidget(entryCount_);
    return header;
}

QWidget* AboutView::buildJournal(const QList<ReleaseNote>& notes) {
    if (notes.isEmpty()) {
        emptyJournal_ = makeCaption(tr("Vostrel hasn't written anything down yet."), 1.0);
        emptyJournal_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        emptyJournal_->setContentsMargins(0, 24, 0, 0);
        return emptyJournal_;
    }
    auto* pages = new QWidget;
    auto* column = new QVBoxLayout(pages);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    for (const ReleaseNote& note : notes) column->addWidget(new JournalEntry(note));
    column->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(pages);
    makeScrollBarSlim(scroll);
    return scroll;
}

QList<JournalEntry*> AboutView::entries() const {
    return findChildren<JournalEntry*>();
}

QString AboutView::entryCount() const {
    return entryCount_->text();
}

}  // namespace vostrel
