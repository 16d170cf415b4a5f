// The editor's whole text (up to 1,000,000 bytes) goes through the primitives in one piece:
// results on texts of that size, including the repetitive ones that trip naive searches.
#include <gtest/gtest.h>

#include <string>

#include "runtime/text/text.h"

namespace tarvok {
namespace {

constexpr int32_t kEditorLimit = 1000000;

TEST(LongText, RepetitiveSearches) {
    const std::string as(kEditorLimit, 'a');
    const std::string needle = std::string(1000, 'a') + "b";
    EXPECT_EQ(find_text(as, needle, 1), 0);
    EXPECT_EQ(find_text(as + "b", needle, 1), kEditorLimit - 1000 + 1);
    EXPECT_EQ(find_text(as, "a", kEditorLimit), kEditorLimit);
    EXPECT_EQ(find_text(as, "", kEditorLimit + 1), kEditorLimit + 1);
    EXPECT_EQ(count_text(as, "aa"), kEditorLimit / 2);
    EXPECT_EQ(count_text(as, needle), 0);
}

TEST(LongText, RemoveAndReplaceEveryMatch) {
    std::string pairs;
    for (int i = 0; i < kEditorLimit / 2; ++i) pairs += "aB";
    EXPECT_EQ(remove_text(pairs, "ab", CaseMode::IgnoreAsciiCase), "");
    EXPECT_EQ(remove_text(pairs, "ab", CaseMode::Exact), pairs);
    EXPECT_EQ(remove_text(pairs, "B"), std::string(kEditorLimit / 2, 'a'));

    const std::string replaced = replace_text(pairs, "a", "xyz");
    EXPECT_EQ(text_length(replaced), kEditorLimit / 2 * 4);
    EXPECT_EQ(left_text(replaced, 8), "xyzBxyzB");
    EXPECT_EQ(count_text(replaced, "xyzB"), kEditorLimit / 2);
}

TEST(LongText, FieldsAndCaseOfLongLines) {
    std::string numbers;
    for (int i = 0; i < 100000; ++i) numbers += std::to_string(i) + ",";
    EXPECT_EQ(field_text(numbers, 1, ","), "0");
    EXPECT_EQ(field_text(numbers, 99999, ","), "99998");
    EXPECT_EQ(field_text(numbers, 100000, ","), "99999");
    EXPECT_EQ(field_text(numbers, 100001, ","), "");
    EXPECT_EQ(field_text(numbers, 100002, ","), "");

    const std::string upper(kEditorLimit, 'Q');
    EXPECT_EQ(lower_text(upper), std::string(kEditorLimit, 'q'));
    EXPECT_EQ(mid_text(upper, kEditorLimit, 5), "Q");
    EXPECT_EQ(right_text(upper, 3), "QQQ");
}

}  // namespace
}  // namespace tarvok
