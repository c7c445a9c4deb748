#include <gtest/gtest.h>

#include <QWidget>

#include "ui/editor/content_type_picker.h"
#include "ui/widgets/flow_layout.h"

using namespace vostrel;

namespace {

// A child with a fixed ideal size.
class Block : public QWidget {
  public:
    explicit Block(QSize size) : size_(size) {}
    QSize sizeHint() const override { return size_; }

  private:
    QSize size_;
};

}  // namespace

TEST(FlowLayout, EmptyAndSingleChildSizes) {
    QWidget empty;
    auto* none = new FlowLayout(6, &empty);
    EXPECT_EQ(none->sizeForWidth(240), QSize(0, 0));

    QWidget single;
    auto* one = new FlowLayout(6, &single);
    one->addWidget(new Block(QSize(70, 24)));
    EXPECT_EQ(one->sizeForWidth(240), QSize(70, 24));
    EXPECT_EQ(one->sizeForWidth(10), QSize(70, 24));  // too wide: a row of its own, not shrunk
}

TEST(FlowLayout, WrapsRowsAtTheAvailableWidth) {
    QWidget host;
    auto* flow = new FlowLayout(6, &host);
    QList<QWidget*> blocks;
    for (int width : {100, 100, 50, 200, 30}) {
        blocks << new Block(QSize(width, width == 50 ? 30 : 20));
        flow->addWidget(blocks.back());
    }
    // Rows: 100+6+100 (206); 50 does not fit (262 > 240); 50 / 200 does not fit; 200+6+30.
    EXPECT_EQ(flow->sizeForWidth(240), QSize(236, 20 + 6 + 30 + 6 + 20));
    host.resize(240, 200);
    flow->setGeometry(QRect(0, 0, 240, 200));
    EXPECT_EQ(blocks[0]->geometry(), QRect(0, 0, 100, 20));
    EXPECT_EQ(blocks[1]->geometry(), QRect(106, 0, 100, 20));
    EXPECT_EQ(blocks[2]->geometry(), QRect(0, 26, 50, 30));
    EXPECT_EQ(blocks[3]->geometry(), QRect(0, 62, 200, 20));
    EXPECT_EQ(blocks[4]->geometry(), QRect(206, 62, 30, 20));
}

TEST(FlowLayout, TenContentChipsWrapInANarrowSidebar) {
    ContentTypePicker picker;
    picker.setFixedWidth(240 - 32);
    picker.show();
    picker.adjustSize();
    // How rows are spaced is the layout's own test above; here every chip is inside the picker.
    QList<int> rowTops;
    for (const ContentType type : allCases<ContentType>()) {
        const QRect chip = picker.chip(type)->geometry();
        EXPECT_LE(chip.right(), picker.width());
        if (!rowTops.contains(chip.top())) rowTops << chip.top();
    }
    EXPECT_GE(rowTops.size(), 3);
}
