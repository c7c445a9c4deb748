#include <gtest/gtest.h>

#include "render/module_layout.h"

namespace vostrel {
namespace {

ModuleMatrix allDark(int size) {
    return ModuleMatrix(size_t(size), std::vector<bool>(size, true));
}

TEST(ModuleLayout, EveryDarkCellInsideAFinderBoxIsLeftToTheFinder) {
    for (bool flip : {true, false}) {
        const ModuleLayout layout(allDark(23), flip);
        EXPECT_EQ(layout.dataModules().size(), size_t(23 * 23 - 3 * 49));
        for (const ModuleCell& cell : layout.dataModules()) {
            EXPECT_FALSE(layout.isInFinderBox(cell.row, cell.col));
        }
        EXPECT_TRUE(layout.isInFinderBox(21, 21) == flip);
        EXPECT_TRUE(layout.isInFinderBox(1, 21) != flip);
        EXPECT_FALSE(layout.isInFinderBox(0, 0));
    }
}

TEST(ModuleLayout, SmallMatricesHaveNoFindersAndDrawEveryDarkCell) {
    const ModuleLayout layout(allDark(8), true);
    EXPECT_TRUE(layout.finderRects().empty());
    ASSERT_EQ(layout.dataModules().size(), 64u);
    EXPECT_EQ(layout.dataModules().front(), (ModuleCell{0, 0}));
    EXPECT_EQ(layout.dataModules().back(), (ModuleCell{7, 7}));
    EXPECT_TRUE(ModuleLayout({}, false).dataModules().empty());
    EXPECT_EQ(ModuleLayout({{true}}, false).dataModules(), (std::vector<ModuleCell>{{0, 0}}));
}

TEST(ModuleLayout, RaggedRowsNeverReadOutOfBounds) {
    ModuleMatrix matrix{{true, true, true, true}, {true}, {}};
    EXPECT_EQ(ModuleLayout(matrix, true).dataModules(),
              (std::vector<ModuleCell>{{0, 0}, {0, 1}, {0, 2}, {1, 0}}));
}

}  // namespace
}  // namespace vostrel
