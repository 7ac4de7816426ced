#include "store/field_list.h"

#include <gtest/gtest.h>

using namespace Support;

TEST(FieldList, CountsFieldsWithTrailingAndRepeatedSeparators)
{
    struct Row {
        const char* list;
        const char* sep;
        int count;
    };
    const Row
        rows[] =
            {
                {"", ";", 0},       {"a", ";", 1},    {"a;b", ";", 2},     {"a;b;", ";", 3},
                {";", ";", 2},      {"a;;b", ";", 3}, {"800,600", ",", 2}, {"a||b", "||", 2},
                {"a|||b", "||", 3}, // a long separator may overlap itself
            };
    for (const auto& r : rows)
        EXPECT_EQ(CountFields(r.list, r.sep), r.count) << '"' << r.list << '"';
}

TEST(FieldList, GetsFieldsByIndex)
{
    struct Row {
        const char* list;
        int index;
        const char* sep;
        const char* field;
    };
    const Row rows[] = {
        {"a;b", 1, ";", "a"},       {"a;b", 2, ";", "b"},
        {"a;b", 3, ";", ""},        {"a;b", 4, ";", ""},
        {"a;b;", 1, ";", "a"},      {"a;b;", 2, ";", "b"},
        {"a;b;", 3, ";", ""},       {"a;;b", 2, ";", ""},
        {"a;;b", 3, ";", "b"},      {"x;y", 0, ";", "x"},
        {"x;y", -1, ";", "x"},      {"", 1, ";", ""},
        {"", 0, ";", ""},           {"", 5, ";", ""},
        {";", 1, ";", ""},          {";", 2, ";", ""},
        {"800,600", 1, ",", "800"}, {"800,600", 2, ",", "600"},
        {"12|ab|c", 2, "|", "ab"},  {"k=v||k2=v2", 2, "||", "k2=v2"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(GetField(r.list, r.index, r.sep), r.field) << '"' << r.list << "\" index " << r.index;
}

TEST(FieldList, BlankValuesTakeTheDefaultUnchanged)
{
    EXPECT_TRUE(IsBlank(std::optional<std::string>{}));
    EXPECT_TRUE(IsBlank(std::optional<std::string>{""}));
    EXPECT_FALSE(IsBlank(std::optional<std::string>{"0"}));
    EXPECT_FALSE(IsBlank(std::optional<std::string>{" "}));

    EXPECT_EQ(ReturnValue(std::string(""), "None"), "None");
    EXPECT_EQ(ReturnValue(std::nullopt, "None"), "None");
    EXPECT_EQ(ReturnValue(std::string("0"), "2"), "0");
    EXPECT_EQ(ReturnValue(std::string("False"), "True"), "False");
}

TEST(FieldList, EvenNumbers)
{
    EXPECT_TRUE(IsEven(0LL));
    EXPECT_TRUE(IsEven(-4LL));
    EXPECT_FALSE(IsEven(7LL));
    EXPECT_FALSE(IsEven(-3LL));
    EXPECT_TRUE(IsEven(2.5));  // rounds half to even: 2
    EXPECT_TRUE(IsEven(3.5));  // 4
    EXPECT_FALSE(IsEven(2.6)); // 3
}
