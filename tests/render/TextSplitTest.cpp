#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/TextSplit.h"

namespace {

using Words = std::vector<std::string>;

Words wordsOf(const StringArray& array) { return Words(array.items, array.items + array.count); }

StringArray arrayOf(const Words& words) {
    StringArray array;
    for (const std::string& word : words) array.append(word);
    return array;
}

}  // namespace

TEST(SplitText, WordsComeOutInOrderWithoutDelimitersOrEmptyWords) {
    const struct {
        const char *text, *delimiters;
        Words words;
    } cases[] = {
        {"Thrust 120 Left\t7\r\nWait 3", " \t\n\r", {"Thrust", "120", "Left", "7", "Wait", "3"}},
        {"  a,, b ,c  ", " ,", {"a", "b", "c"}},
        {"", " ", {}},
        {" \t \n", " \t\n", {}},
        {"f 1/2/3 4//5", "", {"f 1/2/3 4//5"}},
        {"4//5", "/", {"4", "5"}},
        {"caf\xC3\xA9 ok", " ", {"caf\xC3\xA9", "ok"}},  // bytes above ASCII stay in their word
    };
    for (const auto& c : cases)
        EXPECT_EQ(wordsOf(splitText(c.text, c.delimiters)), c.words) << c.text;
}

TEST(StringArray, AppendingGrowsTheCapacityToOneThenDoublesIt) {
    StringArray array;
    std::vector<int> capacities;
    for (int i = 0; i < 9; ++i) {
        array.append(std::to_string(i));
        capacities.push_back(array.capacity);
    }
    EXPECT_EQ(capacities, (std::vector<int>{1, 2, 4, 4, 8, 8, 8, 8, 16}));
    EXPECT_EQ(wordsOf(array), (Words{"0", "1", "2", "3", "4", "5", "6", "7", "8"}));
}

TEST(StringArray, ResizingAllocatesExactlyKeepsWhatFitsAndBelowOneEmptiesIt) {
    StringArray array = arrayOf({"a", "b", "c", "d", "e"});
    array.resize(12);
    EXPECT_EQ(array.capacity, 12);
    EXPECT_EQ(wordsOf(array), (Words{"a", "b", "c", "d", "e"}));
    array.resize(3);
    EXPECT_EQ(array.capacity, 3);
    array.append("z");
    EXPECT_EQ(array.capacity, 6);
    EXPECT_EQ(wordsOf(array), (Words{"a", "b", "c", "z"}));
    for (int size : {0, -4}) {
        array.resize(size);
        EXPECT_EQ(array.count, 0) << size;
        EXPECT_EQ(array.capacity, 0) << size;
        EXPECT_EQ(array.items, nullptr) << size;
    }
    array.append("c");
    EXPECT_EQ(array.capacity, 1);
    EXPECT_EQ(wordsOf(array), Words{"c"});
}

TEST(StringArray, MovingHandsOverTheElementsAndLeavesTheSourceEmpty) {
    StringArray source = arrayOf({"x", "y"});
    StringArray target = arrayOf({"old"});
    target = std::move(source);
    EXPECT_EQ(wordsOf(target), (Words{"x", "y"}));
    EXPECT_EQ(source.count, 0);
    EXPECT_EQ(source.capacity, 0);
    EXPECT_EQ(source.items, nullptr);
    StringArray constructed(std::move(target));
    EXPECT_EQ(wordsOf(constructed), (Words{"x", "y"}));
    EXPECT_EQ(target.count, 0);
}

TEST(CompactText, RemovesEmptyStringsKeepingTheOrderAndShrinksTheCapacityToFit) {
    const struct {
        Words before, after;
    } cases[] = {
        {{"", "Thrust", "", "", "10", "Left", ""}, {"Thrust", "10", "Left"}},
        {{"a", "b", "c"}, {"a", "b", "c"}},  // capacity 4 before
        {{"", "", ""}, {}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        StringArray array = arrayOf(c.before);
        compactText(array);
        EXPECT_EQ(wordsOf(array), c.after) << c.before.size();
        EXPECT_EQ(array.capacity, int(c.after.size())) << c.before.size();
    }
}
