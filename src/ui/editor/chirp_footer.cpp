#include "ui/editor/chirp_footer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include "ui/editor/preview/logo_button.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/palette_colors.h"

namespace vostrel {

ChirpFooter::ChirpFooter(const QString& remark, QWidget* parent)
    : QFrame(parent), logo_(new LogoButton(44)) {
    auto* text = new QLabel(remark);
    text->setWordWrap(true);
    text->setFont(scaledFont(text->font(), captionScale));
    QPalette palette = text->palette();
    palette.setColor(QPalette::WindowText, cyanColor(this->palette()));
    text->setPalette(palette);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 10, 10, 10);
    row->setSpacing(10);
    row->addWidget(logo_, 0, Qt::AlignVCenter);
    row->addWidget(text, 1, Qt::AlignVCenter);
    connect(logo_, &LogoButton::clicked, this, &ChirpFooter::logoClicked);
}

void ChirpFooter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintTintedCard(painter, QRectF(rect()), cyanColor(palette()), 10);
}

}  // namespace vostrel
