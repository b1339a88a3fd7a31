// Integer parsing of text and bounded copies into fixed fields.
#include "base/config_manager.h"
#include "base/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

using namespace VesperonBase;

TEST(NumberText, WideAndNarrowAgreeAndSaturate)
{
    struct Case
    {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"", 0},
        {"0", 0},
        {"007", 7},
        {"12ab", 12},
        {"-3", -3},
        {"+42", 42},
        {" \t\n 5", 5},
        {"- 5", 0},
        {"abc", 0},
        {">16", 0},
        {"N/A", 0},
        {"256", 256},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"4294967552", INT_MAX},  // would wrap to 256 in 32 bits
        {"99999999999999999999999", INT_MAX},
        {"-99999999999999999999999", INT_MIN},
        {"000000000000000000000012", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(AToI(c.text), c.expected);
        const std::wstring wide(c.text, c.text + std::strlen(c.text));
        EXPECT_EQ(WToI(wide.c_str()), c.expected);
    }
    EXPECT_EQ(WToI(nullptr), 0);
    EXPECT_EQ(AToI(nullptr), 0);
    // Full-width digits are no digits.
    EXPECT_EQ(WToI(L"\uFF11\uFF12"), 0);
}

TEST(NumberText, BoundedParseStopsAtTheLimit)
{
    char field[8];
    std::memset(field, '9', sizeof(field));  // no terminator
    EXPECT_EQ(AToIBounded(field, 3), 999);
    EXPECT_EQ(AToIBounded(field, sizeof(field)), 99999999);
    EXPECT_EQ(AToIBounded("12\0"
                          "34",
                          5),
              12);
}

TEST(NumberText, BoundedCopyTerminatesAndFillsWithNul)
{
    char dst[8];
    std::memset(dst, 'x', sizeof(dst));
    CopyBounded(dst, "abcdefghijkl", 31);  // limit beyond the field: field size wins
    EXPECT_STREQ(dst, "abcdefg");

    std::memset(dst, 'x', sizeof(dst));
    CopyBounded(dst, "abcdef", 3);
    EXPECT_STREQ(dst, "abc");
    for (std::size_t i = 3; i < sizeof(dst); ++i)
        EXPECT_EQ(dst[i], '\0') << i;

    std::memset(dst, 'x', sizeof(dst));
    CopyBounded(dst, nullptr, 5);
    for (char c : dst)
        EXPECT_EQ(c, '\0');
}

TEST(NumberText, BoundedLengthStopsAtNulOrLimit)
{
    char field[4];
    std::memset(field, 'x', sizeof(field));  // no terminator
    EXPECT_EQ(BoundedLength(field, sizeof(field)), 4u);
    EXPECT_EQ(BoundedLength("ab\0cd", 5), 2u);
    EXPECT_EQ(BoundedLength("abc", 0), 0u);
    EXPECT_EQ(BoundedLength(nullptr, 5), 0u);
}

// A copy limited to exactly the field's size (or more) fills the field but its last byte and
// terminates there; nothing past the field is written.
TEST(NumberText, BoundedCopyAtTheFieldsExactSizeStaysInsideIt)
{
    struct Guarded
    {
        char field[8];
        char guard[8];
    };
    const char* const sources[] = {"abcdefg", "abcdefgh", "abcdefghijkl"};
    for (const char* src : sources) {
        for (std::size_t limit : {std::size_t(7), std::size_t(8), std::size_t(9), std::size_t(-1)}) {
            SCOPED_TRACE(std::string(src) + " limit " + std::to_string(limit));
            Guarded g;
            std::memset(&g, 'x', sizeof g);
            CopyBounded(g.field, src, limit);
            EXPECT_EQ(std::string(g.field, sizeof g.field), std::string("abcdefg") + '\0');
            EXPECT_EQ(std::string(g.guard, sizeof g.guard), std::string(8, 'x'));
        }
    }
}

// A number written with leading zeros is decimal wherever the program reads one: "010" is
// ten, not eight; "08" is eight; a "0x" prefix is not read as hexadecimal.
TEST(NumberText, LeadingZerosReadAsDecimalInEveryReader)
{
    const struct
    {
        const char* text;
        int expected;
    } cases[] = {
        {"010", 10}, {"-010", -10}, {"08", 8}, {"0010", 10}, {"0x10", 0}, {" 077", 77},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string text(c.text);
        const std::wstring wide(text.begin(), text.end());
        EXPECT_EQ(AToI(c.text), c.expected);
        EXPECT_EQ(WToI(wide.c_str()), c.expected);
        EXPECT_EQ(AToIBounded(c.text, text.size()), c.expected);

        // The settings file's numbers.
        CConfigXMLPersistImp store;
        ASSERT_EQ(1, store.Parse(("<Setting><S><N value=\"" + text + "\" /></S></Setting>").c_str()));
        EXPECT_EQ(store.GetInt(L"S", L"N", 99, 0), c.expected);
        EXPECT_EQ(store.GetLong(L"S", L"N", 99, 0), c.expected);
        if (text.find('x') == std::string::npos) {  // a real number may be written in hexadecimal
            EXPECT_DOUBLE_EQ(store.GetDouble(L"S", L"N", 99.0, 0), c.expected);
        }
    }
}
