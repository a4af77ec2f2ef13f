#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/TextSplit.h"

namespace {

std::vector<std::string> wordsOf(const StringArray& array) {
    return std::vector<std::string>(array.items, array.items + array.count);
}

StringArray arrayOf(const std::vector<std::string>& words) {
    StringArray array;
    for (const std::string& word : words) array.append(word);
    return array;
}

}  // namespace

TEST(SplitText, WordsComeOutInOrderWithoutTheDelimiters) {
    StringArray words = splitText("Thrust 120 Left\t7\r\nWait 3", " \t\n\r");
    EXPECT_EQ(wordsOf(words),
              (std::vector<std::string>{"Thrust", "120", "Left", "7", "Wait", "3"}));
}

TEST(SplitText, RunsOfDelimitersAndDelimitersAtTheEndsMakeNoEmptyWords) {
    EXPECT_EQ(wordsOf(splitText("  a,, b ,c  ", " ,")), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(splitText("", " ").count, 0);
    EXPECT_EQ(splitText(" \t \n", " \t\n").count, 0);
}

TEST(SplitText, WithoutDelimitersTheWholeTextIsOneWord) {
    EXPECT_EQ(wordsOf(splitText("f 1/2/3 4//5", "")), (std::vector<std::string>{"f 1/2/3 4//5"}));
}

TEST(SplitText, SlashesSplitAFaceCornerAndDropTheEmptyPart) {
    EXPECT_EQ(wordsOf(splitText("4//5", "/")), (std::vector<std::string>{"4", "5"}));
}

TEST(SplitText, BytesAboveAsciiStayInsideTheirWord) {
    EXPECT_EQ(wordsOf(splitText("caf\xC3\xA9 ok", " ")),
              (std::vector<std::string>{"caf\xC3\xA9", "ok"}));
}

TEST(StringArray, AppendingGrowsTheCapacityToOneThenDoublesIt) {
    StringArray array;
    std::vector<int> capacities;
    for (int i = 0; i < 9; ++i) {
        array.append(std::to_string(i));
        capacities.push_back(array.capacity);
    }
    EXPECT_EQ(capacities, (std::vector<int>{1, 2, 4, 4, 8, 8, 8, 8, 16}));
    EXPECT_EQ(array.count, 9);
    EXPECT_EQ(array[0], "0");
    EXPECT_EQ(array[8], "8");
}

TEST(StringArray, ResizingAllocatesExactlyAndKeepsTheElementsThatFit) {
    StringArray array = arrayOf({"a", "b", "c", "d", "e"});
    array.resize(12);
    EXPECT_EQ(array.capacity, 12);
    EXPECT_EQ(wordsOf(array), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    array.resize(3);
    EXPECT_EQ(array.capacity, 3);
    EXPECT_EQ(wordsOf(array), (std::vector<std::string>{"a", "b", "c"}));
    array.append("z");
    EXPECT_EQ(array.capacity, 6);
    EXPECT_EQ(wordsOf(array), (std::vector<std::string>{"a", "b", "c", "z"}));
}

TEST(StringArray, ResizingBelowOneEmptiesItAndItCanGrowAgain) {
    StringArray array = arrayOf({"a", "b"});
    array.resize(0);
    EXPECT_EQ(array.count, 0);
    EXPECT_EQ(array.capacity, 0);
    EXPECT_EQ(array.items, nullptr);
    array.resize(-4);
    EXPECT_EQ(array.capacity, 0);
    array.append("c");
    EXPECT_EQ(array.capacity, 1);
    EXPECT_EQ(wordsOf(array), (std::vector<std::string>{"c"}));
}

TEST(StringArray, ClearingKeepsTheCapacityForReuse) {
    StringArray array = arrayOf({"a", "b", "c"});
    array.clear();
    EXPECT_EQ(array.count, 0);
    EXPECT_EQ(array.capacity, 4);
    array.append("d");
    EXPECT_EQ(wordsOf(array), (std::vector<std::string>{"d"}));
}

TEST(StringArray, MovingHandsOverTheElementsAndLeavesTheSourceEmpty) {
    StringArray source = arrayOf({"x", "y"});
    StringArray target = arrayOf({"old"});
    target = std::move(source);
    EXPECT_EQ(wordsOf(target), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(source.count, 0);
    EXPECT_EQ(source.capacity, 0);
    EXPECT_EQ(source.items, nullptr);
    StringArray constructed(std::move(target));
    EXPECT_EQ(wordsOf(constructed), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(target.count, 0);
}

TEST(CompactText, RemovesEmptyStringsKeepingTheOrderAndShrinksTheCapacity) {
    StringArray array = arrayOf({"", "Thrust", "", "", "10", "Left", ""});
    compactText(array);
    EXPECT_EQ(wordsOf(array), (std::vector<std::string>{"Thrust", "10", "Left"}));
    EXPECT_EQ(array.capacity, 3);
}

TEST(CompactText, AnArrayOfOnlyEmptyStringsEndsWithNothingAllocated) {
    StringArray array = arrayOf({"", "", ""});
    compactText(array);
    EXPECT_EQ(array.count, 0);
    EXPECT_EQ(array.capacity, 0);
    StringArray empty;
    compactText(empty);
    EXPECT_EQ(empty.capacity, 0);
}

TEST(CompactText, AnArrayWithoutEmptyStringsOnlyLosesItsSpareCapacity) {
    StringArray array = arrayOf({"a", "b", "c"});
    ASSERT_EQ(array.capacity, 4);
    compactText(array);
    EXPECT_EQ(wordsOf(array), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(array.capacity, 3);
}
