// The recorder search without widgets: the series and row rules on a small fixture, every
// expected result of the shipped tables, paging and the texts of a hit.
#include "app/nvr_search.h"
#include "tests/app/nvr_search_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Models(const std::vector<NVRSearchResult>& results)
{
    std::vector<std::string> names;
    for (const NVRSearchResult& r : results)
        names.push_back(r.item.Model);
    return names;
}

// "Model/type/decode" of every hit.
std::vector<std::string> Triples(const std::vector<NVRSearchResult>& results)
{
    std::vector<std::string> out;
    for (const NVRSearchResult& r : results)
        out.push_back(std::string(r.item.Model) + "/" + r.type + "/" + r.decode);
    return out;
}

NvrSearchQuery Query(int res, int fps, int decode)
{
    NvrSearchQuery q;
    q.nResolution = res;
    q.nFrameRate = fps;
    q.nDecodeChannels = decode;
    return q;
}

// ---------------------------------------------------------------------------------------
// The rules on the fixture tables
// ---------------------------------------------------------------------------------------

class NvrSearchFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(NvrFixture::BuildCapability(m_cap));
        NvrFixture::BuildModels(m_models);
    }

    std::vector<NVRSearchResult> Run(int decode, bool hdd = false, int bays = 1, bool inp = false,
                                     int channels = 1)
    {
        NvrSearchQuery q = Query(NvrFixture::kResolution, NvrFixture::kFrameRate, decode);
        q.bHddFilter = hdd;
        q.nHddBays = bays;
        q.bChannelFilter = inp;
        q.nInputChannels = channels;
        std::vector<NVRSearchResult> results;
        results.push_back(NVRSearchResult{});  // a stale hit must go
        SearchRecorders(m_cap, m_models, q, results);
        return results;
    }

    NVRCapabilityTable m_cap;
    NVRModelTable m_models;
};

TEST_F(NvrSearchFixture, LoaderFlagsOnlyTheListedThresholdCells)
{
    const int k = NvrFixture::kSlot;
    const int expected[6] = {0, 0, 1, 0, 1, 0};
    for (int s = 0; s < 6; ++s)
        EXPECT_EQ(m_cap[s].slot[k].flag, expected[s]) << "series " << s;
}

TEST_F(NvrSearchFixture, WorkedCases)
{
    struct Case
    {
        const char* name;
        int decode;
        bool hdd;
        int bays;
        bool inp;
        int channels;
        std::vector<std::string> expected;
    };
    const std::vector<std::string> all16 = {"A-8/S0/64",  "A-32/S0/64", "A-64/S0/64",  "C-256/S2/16",
                                            "E-64/S4/48", "E-16/S4/48", "F-128/S5/24", "F-256/S5/24"};
    std::vector<std::string> all17 = all16;
    all17.erase(all17.begin() + 3);
    std::vector<std::string> negative = all16;
    negative.insert(negative.begin() + 4, "D-128/S3/>80");

    const Case cases[] = {
        {"both filters at equality",
         20,
         true,
         4,
         true,
         32,
         {"A-32/S0/64", "E-64/S4/48", "F-128/S5/24", "F-256/S5/24"}},
        {"D = 16 reaches series 2's threshold", 16, false, 1, false, 1, all16},
        {"D = 17 passes it", 17, false, 1, false, 1, all17},
        {"D = 24 equals series 5's plain value",
         24,
         false,
         1,
         false,
         1,
         {"A-8/S0/64", "A-32/S0/64", "A-64/S0/64", "E-64/S4/48", "E-16/S4/48", "F-128/S5/24", "F-256/S5/24"}},
        {"D = 25",
         25,
         false,
         1,
         false,
         1,
         {"A-8/S0/64", "A-32/S0/64", "A-64/S0/64", "E-64/S4/48", "E-16/S4/48"}},
        {"D = 48 reaches series 4's threshold",
         48,
         false,
         1,
         false,
         1,
         {"A-8/S0/64", "A-32/S0/64", "A-64/S0/64", "E-64/S4/48", "E-16/S4/48"}},
        {"D = 49", 49, false, 1, false, 1, {"A-8/S0/64", "A-32/S0/64", "A-64/S0/64"}},
        {"D = 64 equals series 0's value", 64, false, 1, false, 1, {"A-8/S0/64", "A-32/S0/64", "A-64/S0/64"}},
        {"D = 1 (an empty entry searched as 1)", 1, false, 1, false, 1, all16},
        {"negative D: every series not N/A qualifies", -3, false, 1, false, 1, negative},
        {"D = 0 also reads the unflagged >80 as 0", 0, false, 1, false, 1, negative},
        {"disk bays only", 20, true, 16, false, 1, {"F-128/S5/24", "F-256/S5/24"}},
        {"input channels only",
         20,
         false,
         1,
         true,
         64,
         {"A-64/S0/64", "E-64/S4/48", "F-128/S5/24", "F-256/S5/24"}},
        {"filters off ignore B and I",
         20,
         false,
         99,
         false,
         999,
         {"A-8/S0/64", "A-32/S0/64", "A-64/S0/64", "E-64/S4/48", "E-16/S4/48", "F-128/S5/24", "F-256/S5/24"}},
        {"nothing left", 81, false, 1, false, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Triples(Run(c.decode, c.hdd, c.bays, c.inp, c.channels)), c.expected);
    }
}

TEST_F(NvrSearchFixture, HitCarriesTheWholeRowAndTerminatedTexts)
{
    const std::vector<NVRSearchResult> results = Run(20, true, 4, true, 32);
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(std::memcmp(&results[0].item, &m_models[0][1], sizeof(NVRSpecItem)), 0);
    EXPECT_EQ(std::memcmp(&results[3].item, &m_models[5][1], sizeof(NVRSpecItem)), 0);
    for (const NVRSearchResult& r : results) {
        for (std::size_t i = std::strlen(r.type); i < sizeof(r.type); ++i)
            EXPECT_EQ(r.type[i], '\0');
        for (std::size_t i = std::strlen(r.decode); i < sizeof(r.decode); ++i)
            EXPECT_EQ(r.decode[i], '\0');
    }
}

TEST_F(NvrSearchFixture, FlagDecidesNotTheText)
{
    // A flagged cell counts by its series' threshold, whatever it says.
    CopyRecorderText(m_cap[2].slot[NvrFixture::kSlot].value, sizeof(m_cap[2].slot[0].value), "5");
    EXPECT_EQ(Models(Run(16)).size(), 8u);
    // The same text without the flag is read as a number: ">16" is 0.
    CopyRecorderText(m_cap[2].slot[NvrFixture::kSlot].value, sizeof(m_cap[2].slot[0].value), ">16");
    m_cap[2].slot[NvrFixture::kSlot].flag = 0;
    EXPECT_EQ(Models(Run(1)).size(), 7u);
    EXPECT_EQ(Models(Run(0)).size(), 9u);
    // A flag on a series without a threshold is not consulted.
    m_cap[3].slot[NvrFixture::kSlot].flag = 1;
    EXPECT_EQ(Models(Run(1)).size(), 7u);
}

TEST_F(NvrSearchFixture, NotAvailableIsExactAndEmptyValueIsZero)
{
    NVRCapabilitySlot& slot1 = m_cap[1].slot[NvrFixture::kSlot];
    CopyRecorderText(slot1.value, sizeof(slot1.value), "N/A ");
    // "N/A " is no "N/A": it reads as 0, so it qualifies only for D <= 0.
    EXPECT_EQ(Models(Run(0)).size(), 10u);
    EXPECT_EQ(Models(Run(1)).size(), 8u);
    std::memset(slot1.value, 0, sizeof(slot1.value));
    EXPECT_EQ(Models(Run(0)).size(), 10u);
}

TEST_F(NvrSearchFixture, UnterminatedFieldsStayInside)
{
    NVRCapabilitySlot& slot = m_cap[0].slot[NvrFixture::kSlot];
    std::memset(slot.value, '7', sizeof(slot.value));
    std::memset(slot.type, 'T', sizeof(slot.type));
    const std::vector<NVRSearchResult> results = Run(1000);
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(std::string(results[0].type), std::string(31, 'T'));
    EXPECT_EQ(std::string(results[0].decode), std::string(49, '7'));
}

TEST_F(NvrSearchFixture, SelectionIndexes)
{
    EXPECT_EQ(NvrCapabilitySlotIndex(0, 0), 0);
    EXPECT_EQ(NvrCapabilitySlotIndex(7, 5), 47);
    EXPECT_EQ(NvrCapabilitySlotIndex(9, 5), 59);
    EXPECT_EQ(NvrCapabilitySlotIndex(-1, -1), 0);
    EXPECT_EQ(NvrCapabilitySlotIndex(10, 0), -1);
    EXPECT_EQ(NvrCapabilitySlotIndex(0, 6), -1);

    std::vector<NVRSearchResult> results;
    SearchRecorders(m_cap, m_models, Query(10, 0, 1), results);
    EXPECT_TRUE(results.empty());
    // A missing selection counts as index 0: slot 0 is "N/A" everywhere here.
    SearchRecorders(m_cap, m_models, Query(-1, -1, -5), results);
    EXPECT_TRUE(results.empty());
}

TEST(NvrSearchZeroed, ZeroedTablesFindNothingAnywhere)
{
    static NVRCapabilityTable cap;
    static NVRModelTable models;
    std::memset(&cap, 0, sizeof(cap));
    std::memset(&models, 0, sizeof(models));
    std::vector<NVRSearchResult> results;
    for (int res = 0; res < 10; ++res)
        for (int fps = 0; fps < 6; ++fps)
            for (int d : {INT_MIN, -3, 0, 1, 256}) {
                SearchRecorders(cap, models, Query(res, fps, d), results);
                EXPECT_TRUE(results.empty()) << res << " " << fps << " " << d;
            }
}

// ---------------------------------------------------------------------------------------
// The shipped tables
// ---------------------------------------------------------------------------------------

class NvrSearchShipped : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_loaded = LoadCapabilityTable(std::string(TESSALY_DATA_DIR) + "/Tessaly.xml", s_cap) &&
                   LoadModelTable(std::string(TESSALY_DATA_DIR) + "/NVRSpec.xml", s_models);
    }
    void SetUp() override { ASSERT_TRUE(s_loaded); }

    static std::vector<NVRSearchResult> Run(int slot, int decode, bool hdd = false, int bays = 1,
                                            bool inp = false, int channels = 1)
    {
        NvrSearchQuery q = Query(slot / 6, slot % 6, decode);
        q.bHddFilter = hdd;
        q.nHddBays = bays;
        q.bChannelFilter = inp;
        q.nInputChannels = channels;
        std::vector<NVRSearchResult> results;
        SearchRecorders(s_cap, s_models, q, results);
        return results;
    }

    static bool s_loaded;
    static NVRCapabilityTable s_cap;
    static NVRModelTable s_models;
};
bool NvrSearchShipped::s_loaded = false;
NVRCapabilityTable NvrSearchShipped::s_cap;
NVRModelTable NvrSearchShipped::s_models;

TEST_F(NvrSearchShipped, ExpectedCounts)
{
    struct Case
    {
        int slot;
        int decode;
        bool hdd;
        int bays;
        bool inp;
        int channels;
        std::size_t count;
        int pages;
    };
    const Case cases[] = {
        {0, 16, false, 1, false, 1, 0, 0},  // start-up defaults: s0..s2 N/A
        {0, 2, false, 1, false, 1, 13, 3},  // D equal to the value "2"
        {0, 3, false, 1, false, 1, 4, 1},   // one above it
        {59, 1, false, 1, false, 1, 25, 5},
        {59, 16, false, 1, false, 1, 22, 4},  // s1 value 16 = D, s2 flagged
        {59, 17, false, 1, false, 1, 13, 3},
        {59, 33, false, 1, false, 1, 9, 2},
        {59, 49, false, 1, false, 1, 4, 1},
        {59, 81, false, 1, false, 1, 0, 0},
        {46, 48, false, 1, false, 1, 9, 2},
        {46, 49, false, 1, false, 1, 4, 1},
        {59, 1, true, 8, false, 1, 12, 2},
        {59, 1, true, 8, true, 64, 12, 2},
        {59, 1, true, 8, true, 65, 9, 2},
        {59, 1, false, 1, true, 256, 5, 1},
        {59, 1, true, 24, false, 1, 3, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("slot " + std::to_string(c.slot) + " D " + std::to_string(c.decode) + " B " +
                     (c.hdd ? std::to_string(c.bays) : "-") + " I " +
                     (c.inp ? std::to_string(c.channels) : "-"));
        const std::vector<NVRSearchResult> results = Run(c.slot, c.decode, c.hdd, c.bays, c.inp, c.channels);
        EXPECT_EQ(results.size(), c.count);
        EXPECT_EQ(NvrPageCount(results.size()), c.pages);
    }
}

TEST_F(NvrSearchShipped, OrderIsSeriesThenRowAcrossTheEmptyRow)
{
    const std::vector<std::string> all = {
        "RVL-104",   "RVL-108",   "RVL-208",   "RVH-108",         "RVH-116",   "RVH-216",   "RVH-232",
        "RVO-216",   "RVO-232",   "RVO-432",   "RVO-464",         "RVO-864",   "RVP-432",   "RVP-464",
        "RVP-864",   "RVP-8128",  "RVC-864",   "RVC-8128",        "RVC-16128", "RVC-16256", "RVC-24256",
        "RVM-16128", "RVM-16256", "RVM-24256", "RVM-24256-HD-X2P"};
    const std::vector<NVRSearchResult> results = Run(59, 1);
    EXPECT_EQ(Models(results), all);
    ASSERT_EQ(results.size(), 25u);
    EXPECT_EQ(NvrItemsOnPage(results.size(), 5), 1);
    EXPECT_STREQ(results[24].item.QZModel, "QZN-M24256-HDX2P-R02");
    EXPECT_STREQ(results[0].type, "RV-Lite");
    EXPECT_STREQ(results[0].decode, "8");
}

TEST_F(NvrSearchShipped, DecodeTextsOfThresholdsAndPlainCells)
{
    // Slot 59, D = 16: series 2 qualifies through its flag with decode "16".
    std::vector<NVRSearchResult> results = Run(59, 16);
    ASSERT_EQ(results.size(), 22u);
    EXPECT_STREQ(results[0].item.Model, "RVH-108");
    EXPECT_STREQ(results[0].decode, "16");
    EXPECT_STREQ(results[4].item.Model, "RVO-216");
    EXPECT_STREQ(results[4].type, "RV-Office");
    EXPECT_STREQ(results[4].decode, "16");
    EXPECT_STREQ(results[13].type, "RV-Campus");
    EXPECT_STREQ(results[13].decode, "48");
    EXPECT_STREQ(results[21].decode, "80");

    // Slot 59, D = 17: three pages, the last one holding the longest model name.
    results = Run(59, 17);
    ASSERT_EQ(results.size(), 13u);
    EXPECT_EQ(NvrItemsOnPage(results.size(), 3), 1);
    EXPECT_STREQ(results[12].item.Model, "RVM-24256-HD-X2P");

    // Slot 46: series 4 flagged there ("48"), series 5 a plain "80".
    results = Run(46, 48);
    ASSERT_EQ(results.size(), 9u);
    EXPECT_STREQ(results[0].item.Model, "RVC-864");
    EXPECT_STREQ(results[0].decode, "48");
    EXPECT_STREQ(results[5].item.Model, "RVM-16128");
    EXPECT_STREQ(results[5].decode, "80");

    // Equality on both filters keeps RVO-864 (64 channels, 8 bays).
    results = Run(59, 1, true, 8, true, 64);
    ASSERT_FALSE(results.empty());
    EXPECT_STREQ(results[0].item.Model, "RVO-864");
    results = Run(59, 1, true, 8, true, 65);
    ASSERT_FALSE(results.empty());
    EXPECT_STREQ(results[0].item.Model, "RVP-8128");
}

// ---------------------------------------------------------------------------------------
// Paging and texts
// ---------------------------------------------------------------------------------------

TEST(NvrSearchPaging, PagesAndItemsPerPage)
{
    struct Case
    {
        std::size_t n;
        int pages;
        std::vector<int> items;  // items on pages 0..pages+1
    };
    const Case cases[] = {
        {0, 0, {0, 0}},       {1, 1, {0, 1, 0}},     {6, 1, {0, 6, 0}},        {7, 2, {0, 6, 1, 0}},
        {8, 2, {0, 6, 2, 0}}, {12, 2, {0, 6, 6, 0}}, {13, 3, {0, 6, 6, 1, 0}}, {25, 5, {0, 6, 6, 6, 6, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(NvrPageCount(c.n), c.pages);
        for (std::size_t p = 0; p < c.items.size(); ++p)
            EXPECT_EQ(NvrItemsOnPage(c.n, static_cast<int>(p)), c.items[p]) << "page " << p;
    }
    EXPECT_EQ(NvrItemsOnPage(5, -1), 0);
    EXPECT_EQ(NvrItemsOnPage(5, INT_MAX), 0);
}

TEST(NvrSearchText, DetailsAndCapacity)
{
    NVRModelTable models;
    NvrFixture::BuildModels(models);
    std::wstring details[kNvrDetailCount];
    NvrFormatDetails(models[0][1], details);
    EXPECT_EQ(details[0], L"A-32");
    EXPECT_EQ(details[1], L"QZ-A-32");
    EXPECT_EQ(details[2], L"32");
    EXPECT_EQ(details[3], L"4 x 4TB");
    EXPECT_EQ(details[4], L"160Mbps/s");
    EXPECT_EQ(NvrCapacityText(models[0][1]), L"  - up to 32 ch");

    NVRSpecItem odd = models[0][1];
    odd.MaxChannel = -5;
    odd.MaxHdd = INT_MIN;
    odd.BandWidth = 0;
    NvrFormatDetails(odd, details);
    EXPECT_EQ(details[2], L"-5");
    EXPECT_EQ(details[3], L"-2147483648 x 4TB");
    EXPECT_EQ(details[4], L"0Mbps/s");
    EXPECT_EQ(NvrCapacityText(odd), L"  - up to -5 ch");
}

TEST(NvrSearchText, Utf8FieldsBecomeWholeCharacters)
{
    NVRSpecItem item;
    std::memset(&item, 0, sizeof(item));
    CopyRecorderText(item.Model, sizeof(item.Model), "\xE5\xBD\x95\xF0\x9F\x98\x80-1");
    std::memset(item.QZModel, 'Q', sizeof(item.QZModel));  // no terminator
    std::wstring details[kNvrDetailCount];
    NvrFormatDetails(item, details);
    EXPECT_EQ(details[0], std::wstring(L"\u5F55") + static_cast<wchar_t>(0x1F600) + L"-1");
    EXPECT_EQ(details[1], std::wstring(32, L'Q'));
}

}  // namespace
