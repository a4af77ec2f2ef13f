// Texts beside the flights' ends: never over an end marker or each other.
#include <gtest/gtest.h>

#include <vector>

#include "render/PathDrawing.h"

TEST(LabelPlacement, ALabelTakesTheFirstFreePlaceOnItsSideThenTheOtherSideThenAboveOrBelow) {
    const Vec2f size(21, 10), at(100, 100);
    const LabelBox marker{91, 91, 109, 109};
    const struct {
        const char* name;
        bool rightFirst;
        std::vector<LabelBox> taken;
        float x, y;
    } cases[] = {
        {"nothing in the way: to the left", false, {marker}, 69, 95},
        {"nothing in the way: to the right", true, {marker}, 110, 95},
        {"a label on the left: to the right", false, {marker, {60, 90, 85, 105}}, 110, 95},
        {"both sides taken: above", false, {marker, {60, 90, 85, 105}, {110, 90, 140, 105}},
         89.5f, 110},
    };
    for (const auto& c : cases) {
        const Vec2f p = placeLabel(at, size, c.rightFirst, c.taken);
        EXPECT_EQ(p.x, c.x) << c.name;
        EXPECT_EQ(p.y, c.y) << c.name;
        const LabelBox box{p.x, p.y, p.x + size.x, p.y + size.y};
        for (const LabelBox& t : c.taken) EXPECT_FALSE(box.overlaps(t)) << c.name;
    }
}
