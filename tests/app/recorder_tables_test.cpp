// The recorder tables: the shipped files, the loaders' handling of odd files, and the writers.
#include "app/RecorderTablesReader.h"
#include "app/recorder_tables.h"
#include "tests/common/test_files.h"

#include "tests/common/data_file_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

using testutil::ReadFile;
using testutil::TempDir;
using testutil::WriteFile;

const char* const kShippedSeries[6] = {"RV-Lite", "RV-Home",   "RV-Office",
                                       "RV-Pro",  "RV-Campus", "RV-Metropole"};

// The slots that carry a "more than" flag, per series.
const std::map<int, std::set<int>> kFlagSlots = {
    {2, {47, 52, 53, 57, 58, 59}},
    {4, {41, 46, 47, 51, 52, 53, 57, 58, 59}},
    {5, {35, 41, 47, 51, 52, 53, 56, 57, 58, 59}},
};

std::string ShippedPath(const char* name) { return std::string(TESSALY_DATA_DIR) + "/" + name; }

// The tables are large; keep them off the stack.
struct Tables
{
    NVRCapabilityTable capability;
    NVRModelTable models;
};

std::unique_ptr<Tables> NewTables(unsigned char fill = 0)
{
    std::unique_ptr<Tables> t(new Tables);
    std::memset(t.get(), fill, sizeof(Tables));
    return t;
}

bool IsAllZero(const void* p, std::size_t n)
{
    const unsigned char* b = static_cast<const unsigned char*>(p);
    for (std::size_t i = 0; i < n; ++i)
        if (b[i] != 0)
            return false;
    return true;
}

int CountModels(const NVRSpecItem (&rows)[kModelRowsPerGroup])
{
    int n = 0;
    for (const NVRSpecItem& item : rows)
        n += item.Model[0] != '\0';
    return n;
}

// ---------------------------------------------------------------------------------------
// Fixture writers

struct SeriesDef
{
    std::string type;
    std::map<int, std::string> values;  // slot -> text; other slots hold "s*100+k"
    int missingSlot = -1;               // slot whose attribute is left out
    bool missingType = false;
};

std::string DefaultValue(int s, int k) { return std::to_string(s * 100 + k); }

std::string Escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '>')
            out += "&gt;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return out;
}

std::string CapabilityXml(const std::vector<SeriesDef>& series, const std::string& between = "")
{
    std::string xml = "<xml>\n" + between;
    for (std::size_t s = 0; s < series.size(); ++s) {
        const SeriesDef& def = series[s];
        xml += "  <Item";
        if (!def.missingType)
            xml += " type=\"" + Escape(def.type) + "\"";
        for (int k = 0; k < kCapabilitySlotCount; ++k) {
            if (k == def.missingSlot)
                continue;
            auto it = def.values.find(k);
            std::string v = it != def.values.end() ? it->second : DefaultValue(int(s), k);
            xml += std::string(" ") + kCapabilityAttributeNames[k] + "=\"" + Escape(v) + "\"";
        }
        xml += " />\n" + between;
    }
    return xml + "</xml>\n";
}

std::vector<SeriesDef> PlainSeries(int count)
{
    std::vector<SeriesDef> series(count);
    for (int s = 0; s < count; ++s)
        series[s].type = "S" + std::to_string(s);
    return series;
}

std::string ModelRow(const std::string& model, const std::string& hdd = "2")
{
    return "<Item Model=\"" + model + "\" QZModel=\"Q-" + model + "\" MaxChannel=\"16\" MaxHdd=\"" + hdd +
           "\" BandWidth=\"100\" PictureName=\"p.png\" FramePictureName=\"p_Frame.png\" />\n";
}

// groups[g] = number of rows; row r of group g is model "g<g>r<r>".
std::string ModelXml(const std::vector<int>& groups)
{
    std::string xml = "<xml>\n";
    for (std::size_t g = 0; g < groups.size(); ++g) {
        xml += "<Item>\n";
        for (int r = 0; r < groups[g]; ++r)
            xml += ModelRow("g" + std::to_string(g) + "r" + std::to_string(r));
        xml += "</Item>\n";
    }
    return xml + "</xml>\n";
}

void ExpectPlainSeries(const NVRSeriesCapability& series, int s)
{
    for (int k = 0; k < kCapabilitySlotCount; ++k) {
        EXPECT_STREQ(series.slot[k].type, ("S" + std::to_string(s)).c_str()) << s << "/" << k;
        EXPECT_STREQ(series.slot[k].value, DefaultValue(s, k).c_str()) << s << "/" << k;
        EXPECT_EQ(series.slot[k].flag, 0) << s << "/" << k;
    }
}

// ---------------------------------------------------------------------------------------
// The shipped files

class RecorderTablesShipped : public ::testing::Test
{
protected:
    void SetUp() override
    {
        t = NewTables(0xAB);
        testing::internal::CaptureStderr();
        ASSERT_TRUE(LoadCapabilityTable(ShippedPath("Tessaly.xml"), t->capability));
        ASSERT_TRUE(LoadModelTable(ShippedPath("NVRSpec.xml"), t->models));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
    std::unique_ptr<Tables> t;
};

TEST_F(RecorderTablesShipped, SixNamedSeriesWithEverySlotFilled)
{
    for (int s = 0; s < 6; ++s) {
        for (int k = 0; k < kCapabilitySlotCount; ++k) {
            EXPECT_STREQ(t->capability[s].slot[k].type, kShippedSeries[s]) << s << "/" << k;
            EXPECT_NE(t->capability[s].slot[k].value[0], '\0') << s << "/" << k;
        }
    }
}

TEST_F(RecorderTablesShipped, FlagsExactlyOnTheThresholdSlots)
{
    const char* const text[6] = {nullptr, nullptr, ">16", nullptr, ">48", ">80"};
    int flags = 0;
    for (int s = 0; s < 6; ++s) {
        const auto rule = kFlagSlots.find(s);
        for (int k = 0; k < kCapabilitySlotCount; ++k) {
            const NVRCapabilitySlot& slot = t->capability[s].slot[k];
            const bool listed = rule != kFlagSlots.end() && rule->second.count(k) != 0;
            EXPECT_EQ(slot.flag, listed ? 1 : 0) << s << "/" << k;
            // The shipped data holds a "more than" value exactly where the flag goes.
            EXPECT_EQ(slot.value[0] == '>', listed) << s << "/" << k << " " << slot.value;
            if (listed) {
                EXPECT_STREQ(slot.value, text[s]) << s << "/" << k;
            }
            flags += slot.flag;
        }
    }
    EXPECT_EQ(flags, 25);
}

// Reads a cell as a channel count for the ordering check: "N/A" is 0, ">N" is above N.
int Channels(const char* v)
{
    if (std::strcmp(v, "N/A") == 0)
        return 0;
    if (v[0] == '>')
        return std::atoi(v + 1) + 1;
    return std::atoi(v);
}

TEST_F(RecorderTablesShipped, CapabilityGridIsConsistent)
{
    int na = 0;
    for (int s = 0; s < 6; ++s) {
        for (int r = 0; r < kRecorderResolutionCount; ++r) {
            for (int f = 0; f < kRecorderFrameRateCount; ++f) {
                const char* v = t->capability[s].slot[r * 6 + f].value;
                na += std::strcmp(v, "N/A") == 0;
                if (std::strcmp(v, "N/A") != 0 && v[0] != '>') {
                    EXPECT_GT(std::atoi(v), 0) << s << "/" << r << "/" << f << " " << v;
                }
                // A lower resolution (later row) or frame rate (later column) never decodes
                // fewer; the two 12 MP rows (fixed lens, fisheye) are not ordered.
                for (int p = 0; p < r; ++p) {
                    if (r == 1 && p == 0)
                        continue;
                    EXPECT_GE(Channels(v), Channels(t->capability[s].slot[p * 6 + f].value))
                        << s << "/" << r << "/" << f << " vs row " << p;
                }
                if (f > 0) {
                    EXPECT_GE(Channels(v), Channels(t->capability[s].slot[r * 6 + f - 1].value))
                        << s << "/" << r << "/" << f;
                }
            }
        }
    }
    EXPECT_EQ(na, 20);

    // The three irregular attribute names carry real data.
    const char* const slot12[6] = {"N/A", "1", "1", "3", "4", "6"};
    const char* const slot41[6] = {"8", "16", "15", "32", ">48", ">80"};
    const char* const slot59[6] = {"8", "16", ">16", "32", ">48", ">80"};
    for (int s = 0; s < 6; ++s) {
        EXPECT_STREQ(t->capability[s].slot[12].value, slot12[s]) << s;
        EXPECT_STREQ(t->capability[s].slot[41].value, slot41[s]) << s;
        EXPECT_STREQ(t->capability[s].slot[59].value, slot59[s]) << s;
    }
    EXPECT_STREQ(kCapabilityAttributeNames[12], "THi_fps_Eig_mp");
    EXPECT_STREQ(kCapabilityAttributeNames[41], "Fiv_fps_Thrmp");
    EXPECT_STREQ(kCapabilityAttributeNames[59], "Fivfps_One_mp");
}

TEST_F(RecorderTablesShipped, ModelGroups)
{
    const int expected[6] = {3, 4, 5, 4, 5, 4};
    for (int g = 0; g < 6; ++g)
        EXPECT_EQ(CountModels(t->models[g]), expected[g]) << g;

    // The gap inside group 2.
    EXPECT_STREQ(t->models[2][1].Model, "RVO-232");
    EXPECT_TRUE(IsAllZero(&t->models[2][2], sizeof(NVRSpecItem)));
    EXPECT_STREQ(t->models[2][3].Model, "RVO-432");

    const NVRSpecItem& longest = t->models[5][3];
    EXPECT_STREQ(longest.Model, "RVM-24256-HD-X2P");
    EXPECT_STREQ(longest.QZModel, "QZN-M24256-HDX2P-R02");
    EXPECT_EQ(longest.MaxChannel, 256);
    EXPECT_EQ(longest.MaxHdd, 24);
    EXPECT_EQ(longest.BandWidth, 512);
    EXPECT_STREQ(longest.PictureName, "RV-Metropole_2.png");
    EXPECT_STREQ(longest.FramePictureName, "RV-Metropole_2_Frame.png");

    int minCh = 1 << 30, maxCh = 0, minBw = 1 << 30, maxBw = 0;
    const std::set<int> bays = {1, 2, 4, 8, 16, 24};
    std::set<int> baysSeen;
    for (int g = 0; g < 6; ++g) {
        for (const NVRSpecItem& item : t->models[g]) {
            if (item.Model[0] == '\0') {
                EXPECT_TRUE(IsAllZero(&item, sizeof item)) << g;
                continue;
            }
            const std::string prefix = item.PictureName;
            ASSERT_GT(prefix.size(), 4u);
            EXPECT_EQ(
                prefix.compare(0, std::strlen(kShippedSeries[g]) + 1, std::string(kShippedSeries[g]) + "_"),
                0)
                << item.Model;
            EXPECT_EQ(prefix.substr(prefix.size() - 4), ".png") << item.Model;
            EXPECT_EQ(std::string(item.FramePictureName), prefix.substr(0, prefix.size() - 4) + "_Frame.png")
                << item.Model;
            EXPECT_EQ(bays.count(item.MaxHdd), 1u) << item.Model;
            baysSeen.insert(item.MaxHdd);
            minCh = std::min(minCh, item.MaxChannel);
            maxCh = std::max(maxCh, item.MaxChannel);
            minBw = std::min(minBw, item.BandWidth);
            maxBw = std::max(maxBw, item.BandWidth);
        }
    }
    EXPECT_EQ(baysSeen, bays);
    EXPECT_EQ(minCh, 4);
    EXPECT_EQ(maxCh, 256);
    EXPECT_EQ(minBw, 56);
    EXPECT_EQ(maxBw, 512);
}

TEST_F(RecorderTablesShipped, SaveReproducesTheShippedBytesAndRecords)
{
    TempDir dir;
    ASSERT_FALSE(dir.Path().empty());
    // An older file in the way is replaced.
    WriteFile(dir / "Tessaly.xml", "<xml><Item type=\"old\" /></xml>\n");
    ASSERT_TRUE(SaveCapabilityTable(dir / "Tessaly.xml", t->capability));
    ASSERT_TRUE(SaveModelTable(dir / "NVRSpec.xml", t->models));
    EXPECT_EQ(ReadFile(dir / "Tessaly.xml"), ReadFile(ShippedPath("Tessaly.xml")));
    EXPECT_EQ(ReadFile(dir / "NVRSpec.xml"), ReadFile(ShippedPath("NVRSpec.xml")));
    EXPECT_EQ(dir.Names().size(), 2u);  // no temporary file left behind

    auto again = NewTables(0x5A);
    ASSERT_TRUE(LoadCapabilityTable(dir / "Tessaly.xml", again->capability));
    ASSERT_TRUE(LoadModelTable(dir / "NVRSpec.xml", again->models));
    EXPECT_EQ(std::memcmp(again->capability, t->capability, sizeof t->capability), 0);
    EXPECT_EQ(std::memcmp(again->models, t->models, sizeof t->models), 0);
}

// ---------------------------------------------------------------------------------------
// Capability loader on fixtures

class RecorderTablesFixture : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(dir.Path().empty()); }
    // Loads the capability text; expects success and nothing on standard error.
    std::unique_ptr<Tables> LoadCapability(const std::string& xml)
    {
        auto t = NewTables(0xAB);
        WriteFile(dir / "Tessaly.xml", xml);
        testing::internal::CaptureStderr();
        EXPECT_TRUE(LoadCapabilityTable(dir / "Tessaly.xml", t->capability));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        return t;
    }
    std::unique_ptr<Tables> LoadModels(const std::string& xml)
    {
        auto t = NewTables(0xAB);
        WriteFile(dir / "NVRSpec.xml", xml);
        testing::internal::CaptureStderr();
        EXPECT_TRUE(LoadModelTable(dir / "NVRSpec.xml", t->models));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        return t;
    }
    // Loads the file at path as the capability or the model table, into a table filled with
    // 0xAB first.
    struct Outcome
    {
        bool ok = true;
        bool zeroed = false;  // the whole table
        std::string err;      // what went to standard error
    };
    static Outcome LoadEither(const std::string& path, bool capability)
    {
        auto t = NewTables(0xAB);
        Outcome out;
        testing::internal::CaptureStderr();
        out.ok = capability ? LoadCapabilityTable(path, t->capability) : LoadModelTable(path, t->models);
        out.err = testing::internal::GetCapturedStderr();
        out.zeroed = capability ? IsAllZero(t->capability, sizeof t->capability)
                                : IsAllZero(t->models, sizeof t->models);
        return out;
    }
    TempDir dir;
};

TEST_F(RecorderTablesFixture, SeriesMissingAnAttributeEndsTheWalk)
{
    struct Case
    {
        const char* name;
        int series;       // series that lacks something
        int missingSlot;  // -1: the type attribute is missing
    };
    const Case cases[] = {
        {"series 1 lacks the last slot", 1, 59},
        {"series 1 lacks the first slot", 1, 0},
        {"series 3 lacks its type", 3, -1},
        {"series 0 lacks slot 12", 0, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto series = PlainSeries(6);
        if (c.missingSlot < 0)
            series[c.series].missingType = true;
        else
            series[c.series].missingSlot = c.missingSlot;
        auto t = LoadCapability(CapabilityXml(series));
        for (int s = 0; s < c.series; ++s)
            ExpectPlainSeries(t->capability[s], s);
        for (int s = c.series; s < 6; ++s)
            EXPECT_TRUE(IsAllZero(&t->capability[s], sizeof(NVRSeriesCapability))) << s;
    }
}

TEST_F(RecorderTablesFixture, SeventhSeriesIsNeverStored)
{
    for (bool complete : {true, false}) {
        SCOPED_TRACE(complete ? "complete 7th series" : "7th series lacks an attribute");
        auto series = PlainSeries(8);
        if (!complete)
            series[6].missingSlot = 30;
        auto t = LoadCapability(CapabilityXml(series));
        for (int s = 0; s < 6; ++s)
            ExpectPlainSeries(t->capability[s], s);
        // The model table right behind the capability table still holds its fill bytes.
        const unsigned char* behind = reinterpret_cast<const unsigned char*>(t->models);
        EXPECT_EQ(std::count(behind, behind + sizeof t->models, 0xAB),
                  static_cast<std::ptrdiff_t>(sizeof t->models));
    }
}

TEST_F(RecorderTablesFixture, FlagsDependOnSeriesSlotAndExactText)
{
    auto series = PlainSeries(6);
    series[4].values[0] = ">48";   // not a threshold slot of series 4
    series[4].values[41] = ">48";  // a threshold slot
    series[0].values[47] = ">16";  // series 0 never has thresholds
    series[3].values[59] = ">48";  // nor does series 3
    series[2].values[47] = ">48";  // wrong text for series 2
    series[2].values[52] = ">16";
    series[2].values[53] = ">160";  // longer text with the same start
    series[5].values[35] = ">80";
    series[5].values[56] = "80";
    auto t = LoadCapability(CapabilityXml(series));

    struct Expect
    {
        int s, k;
        const char* value;
        int flag;
    };
    const Expect expects[] = {
        {4, 0, ">48", 0},  {4, 41, ">48", 1},  {0, 47, ">16", 0}, {3, 59, ">48", 0}, {2, 47, ">48", 0},
        {2, 52, ">16", 1}, {2, 53, ">160", 0}, {5, 35, ">80", 1}, {5, 56, "80", 0},
    };
    int flags = 0;
    for (const NVRSeriesCapability& s : t->capability)
        for (const NVRCapabilitySlot& slot : s.slot)
            flags += slot.flag;
    EXPECT_EQ(flags, 3);
    for (const Expect& e : expects) {
        EXPECT_STREQ(t->capability[e.s].slot[e.k].value, e.value) << e.s << "/" << e.k;
        EXPECT_EQ(t->capability[e.s].slot[e.k].flag, e.flag) << e.s << "/" << e.k;
    }
}

TEST_F(RecorderTablesFixture, CommentsAndTextBetweenElementsAreSkipped)
{
    auto t = LoadCapability(CapabilityXml(PlainSeries(6), "  <!-- note -->\n"));
    for (int s = 0; s < 6; ++s)
        ExpectPlainSeries(t->capability[s], s);

    std::string xml = ModelXml({2, 1});
    xml.insert(xml.find("<Item>\n") + 7, "<!-- first rows -->\n");
    auto m = LoadModels(xml);
    EXPECT_STREQ(m->models[0][0].Model, "g0r0");
    EXPECT_STREQ(m->models[0][1].Model, "g0r1");
    EXPECT_STREQ(m->models[1][0].Model, "g1r0");
}

TEST_F(RecorderTablesFixture, LongTextsAreCutOnACharacterBoundary)
{
    // 30 ASCII bytes followed by a two-byte character straddling the 31-byte limit.
    const std::string a30(30, 'a');
    const std::string model = a30 + "\xC3\xA9" + "bcdefgh";  // 39 bytes
    const std::string ascii40(40, 'M');
    const std::string qz = std::string(29, 'q') + "\xE4\xB8\xAD" + "xyz";  // 3-byte char at 29..31
    auto series = PlainSeries(6);
    series[1].type = std::string(28, 't') + "\xF0\x9F\x98\x80";  // 32 bytes, emoji at 28..31
    series[1].values[7] = std::string(49, 'v') + "\xC3\xA9";     // 51 bytes: fits exactly
    series[1].values[8] = std::string(60, 'w');
    auto t = LoadCapability(CapabilityXml(series));
    EXPECT_STREQ(t->capability[1].slot[0].type, std::string(28, 't').c_str());
    EXPECT_STREQ(t->capability[1].slot[59].type, std::string(28, 't').c_str());
    EXPECT_EQ(std::string(t->capability[1].slot[7].value), std::string(49, 'v') + "\xC3\xA9");
    EXPECT_EQ(std::string(t->capability[1].slot[8].value), std::string(51, 'w'));
    ExpectPlainSeries(t->capability[2], 2);

    const std::string xml = "<xml><Item><Item Model=\"" + model + "\" QZModel=\"" + qz + "\" PictureName=\"" +
                            ascii40 + "\" FramePictureName=\"" + std::string(31, 'f') +
                            "\" MaxChannel=\"4\" /></Item></xml>";
    auto m = LoadModels(xml);
    const NVRSpecItem& item = m->models[0][0];
    EXPECT_EQ(std::string(item.Model), a30);
    EXPECT_EQ(std::string(item.QZModel), std::string(29, 'q'));
    EXPECT_EQ(std::string(item.PictureName), std::string(31, 'M'));
    EXPECT_EQ(std::string(item.FramePictureName), std::string(31, 'f'));
    EXPECT_EQ(item.PictureName[31], '\0');
    EXPECT_EQ(item.MaxChannel, 4);
}

TEST(RecorderTablesCopyText, BoundsAndTermination)
{
    struct Case
    {
        const char* text;
        std::size_t size;
        const char* expected;
    };
    const Case cases[] = {
        {"abc", 8, "abc"},
        {"abcdefgh", 8, "abcdefg"},
        {"abcdef\xC3\xA9", 8, "abcdef"},         // 2-byte char ends at byte 8
        {"abcde\xC3\xA9z", 8, "abcde\xC3\xA9"},  // fits exactly
        {"abcd\xE4\xB8\xAD\xE4\xB8\xAD", 8, "abcd\xE4\xB8\xAD"},
        {"abcde\xE4\xB8\xAD", 8, "abcde"},
        {"\xF0\x9F\x98\x80\xF0\x9F\x98\x80", 6, "\xF0\x9F\x98\x80"},
        {"abcde\x80\x80\x80\x80\x80", 8, "abcde\x80\x80"},  // no character start: byte cut
        {"", 4, ""},
        {nullptr, 4, ""},
        {"abc", 1, ""},
    };
    for (const Case& c : cases) {
        char field[16];
        std::memset(field, 'X', sizeof field);
        CopyRecorderText(field, c.size, c.text);
        EXPECT_STREQ(field, c.expected) << (c.text ? c.text : "(null)") << " size " << c.size;
        for (std::size_t i = std::strlen(c.expected); i < c.size; ++i)
            EXPECT_EQ(field[i], '\0') << i;
        for (std::size_t i = c.size; i < sizeof field; ++i)
            EXPECT_EQ(field[i], 'X') << "written past the field at " << i;
    }
}

// ---------------------------------------------------------------------------------------
// Model loader on fixtures

TEST_F(RecorderTablesFixture, EachGroupStartsAtItsOwnRowZero)
{
    auto t = LoadModels(ModelXml({14, 50}));
    EXPECT_STREQ(t->models[0][13].Model, "g0r13");
    EXPECT_TRUE(IsAllZero(&t->models[0][14], sizeof(NVRSpecItem)));
    EXPECT_STREQ(t->models[1][0].Model, "g1r0");
    EXPECT_STREQ(t->models[1][49].Model, "g1r49");
    EXPECT_EQ(CountModels(t->models[0]), 14);
    EXPECT_EQ(CountModels(t->models[1]), 50);
    for (int g = 2; g < 6; ++g)
        EXPECT_EQ(CountModels(t->models[g]), 0);
}

TEST_F(RecorderTablesFixture, NumbersAndMissingAttributes)
{
    const std::string xml = "<xml><Item>" + ModelRow("A", "abc") + ModelRow("B", "12abc") +
                            ModelRow("C", " 7") + ModelRow("D", "-3") + ModelRow("E", "99999999999") +
                            "<Item Model=\"F\" />"
                            "<Item QZModel=\"G\" MaxChannel=\"8\" />"
                            "</Item></xml>";
    auto t = LoadModels(xml);
    const auto& rows = t->models[0];
    EXPECT_EQ(rows[0].MaxHdd, 0);
    EXPECT_EQ(rows[0].MaxChannel, 16);
    EXPECT_EQ(rows[0].BandWidth, 100);
    EXPECT_EQ(rows[1].MaxHdd, 12);
    EXPECT_EQ(rows[2].MaxHdd, 7);
    EXPECT_EQ(rows[3].MaxHdd, -3);
    EXPECT_EQ(rows[4].MaxHdd, INT32_MAX);
    // A row with attributes missing loads them as empty texts and zeros.
    EXPECT_STREQ(rows[5].Model, "F");
    EXPECT_STREQ(rows[5].QZModel, "");
    EXPECT_EQ(rows[5].MaxChannel, 0);
    EXPECT_EQ(rows[5].MaxHdd, 0);
    EXPECT_EQ(rows[5].BandWidth, 0);
    EXPECT_STREQ(rows[5].PictureName, "");
    EXPECT_STREQ(rows[5].FramePictureName, "");
    EXPECT_STREQ(rows[6].Model, "");
    EXPECT_STREQ(rows[6].QZModel, "G");
    EXPECT_EQ(rows[6].MaxChannel, 8);
    EXPECT_TRUE(IsAllZero(&rows[7], sizeof(NVRSpecItem)));
}

TEST_F(RecorderTablesFixture, ExtraRowsAndGroupsAreIgnored)
{
    // The table sits between guard bytes so a write outside it shows.
    struct Guarded
    {
        unsigned char before[64];
        NVRModelTable models;
        unsigned char after[1024];  // room for a stray group
    };
    std::unique_ptr<Guarded> g(new Guarded);
    std::memset(g.get(), 0xEE, sizeof(Guarded));
    // Group 1 is empty, so a 61st row of group 0 stored as group 1's row 0 would show;
    // the last group's 61st row and a 7th group would land behind the table.
    WriteFile(dir / "NVRSpec.xml", ModelXml({61, 0, 60, 60, 60, 61, 5}));
    ASSERT_TRUE(LoadModelTable(dir / "NVRSpec.xml", g->models));
    for (unsigned char b : g->before)
        EXPECT_EQ(b, 0xEE);
    for (unsigned char b : g->after)
        EXPECT_EQ(b, 0xEE);
    EXPECT_STREQ(g->models[0][59].Model, "g0r59");
    EXPECT_TRUE(IsAllZero(g->models[1], sizeof g->models[1]));
    EXPECT_STREQ(g->models[2][0].Model, "g2r0");
    EXPECT_STREQ(g->models[5][0].Model, "g5r0");
    EXPECT_STREQ(g->models[5][59].Model, "g5r59");
    const int expected[6] = {60, 0, 60, 60, 60, 60};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(CountModels(g->models[i]), expected[i]) << i;
}

// ---------------------------------------------------------------------------------------
// Unreadable files

TEST_F(RecorderTablesFixture, UnreadableFilesLeaveZeroedTablesAndOneDiagnosticLine)
{
    enum Kind
    {
        Missing,
        Empty,
        Half,
        UnclosedRoot,
        NotXml
    };
    const struct
    {
        const char* name;
        Kind kind;
    } cases[] = {
        {"missing file", Missing},       {"empty file", Empty}, {"cut in half", Half},
        {"unclosed root", UnclosedRoot}, {"not XML", NotXml},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool capability : {true, false}) {
            SCOPED_TRACE(capability ? "capability table" : "model table");
            const std::string path = dir / (capability ? "Tessaly.xml" : "NVRSpec.xml");
            const std::string good =
                capability ? CapabilityXml(PlainSeries(6)) : ModelXml({3, 3, 3, 3, 3, 3});
            fs::remove(path);
            if (c.kind == Empty)
                WriteFile(path, "");
            else if (c.kind == Half)
                WriteFile(path, good.substr(0, good.size() / 2));
            else if (c.kind == UnclosedRoot)
                WriteFile(path, good.substr(0, good.rfind("</xml>")));
            else if (c.kind == NotXml)
                WriteFile(path, "series,values\n1,2\n");
            const Outcome out = LoadEither(path, capability);
            EXPECT_FALSE(out.ok);
            EXPECT_TRUE(out.zeroed);
            const std::string& err = out.err;
            ASSERT_FALSE(err.empty());
            EXPECT_NE(err.find(path), std::string::npos) << err;
            EXPECT_NE(err.find("row"), std::string::npos) << err;
            EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
        }
    }

    // A folder where the file should be.
    fs::create_directory(dir / "folder.xml");
    auto t = NewTables(0xAB);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(LoadModelTable(dir / "folder.xml", t->models));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(IsAllZero(t->models, sizeof t->models));
    EXPECT_NE(err.find(dir / "folder.xml"), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
}

// A table file nested too deep to parse is read as one that does not parse: the table stays
// zeroed and one line names the file and the reason.
TEST_F(RecorderTablesFixture, FilesNestedTooDeepLeaveTheTableZeroed)
{
    for (const int depth : testutil::kXmlDepths) {
        SCOPED_TRACE(depth);
        for (bool capability : {true, false}) {
            SCOPED_TRACE(capability ? "capability table" : "model table");
            const std::string path = dir / (capability ? "Tessaly.xml" : "NVRSpec.xml");
            // The levels go inside the first series element (level 2) or model row (level 3).
            std::string xml = capability ? CapabilityXml(PlainSeries(6)) : ModelXml({3, 3, 3, 3, 3, 3});
            const int outer = capability ? 2 : 3;
            xml.replace(xml.find(" />\n"), 4, ">" + testutil::Nested("x", depth - outer) + "</Item>\n");
            WriteFile(path, xml);
            const Outcome out = LoadEither(path, capability);
            if (depth <= 256) {
                EXPECT_TRUE(out.ok);
                EXPECT_FALSE(out.zeroed);
                EXPECT_EQ("", out.err);
                continue;
            }
            EXPECT_FALSE(out.ok);
            EXPECT_TRUE(out.zeroed);
            EXPECT_NE(out.err.find(path), std::string::npos) << out.err;
            EXPECT_NE(out.err.find("nested deeper than 256 levels"), std::string::npos) << out.err;
            EXPECT_EQ(out.err.find('\n'), out.err.size() - 1) << out.err;
        }
    }
}

TEST_F(RecorderTablesFixture, FolderOrFifoInPlaceOfAFileLeavesTheTableZeroed)
{
    for (const bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "FIFO" : "folder");
        for (bool capability : {true, false}) {
            const std::string path = dir / (capability ? "Tessaly.xml" : "NVRSpec.xml");
            if (fifo)
                ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
            else
                ASSERT_TRUE(fs::create_directory(path));
            Outcome out;
            EXPECT_TRUE(testutil::FinishesWithin(std::chrono::seconds(10),
                                                 [&] { out = LoadEither(path, capability); }, {path}));
            EXPECT_FALSE(out.ok);
            EXPECT_TRUE(out.zeroed);
            EXPECT_NE(out.err.find(path), std::string::npos) << out.err;
            EXPECT_NE(out.err.find("not a regular file"), std::string::npos) << out.err;
            fs::remove(path);
        }
    }
}

TEST_F(RecorderTablesFixture, FilesEndingInsideACharacterAreRefusedWithoutReadingPastTheirEnd)
{
    const std::string cases[] = {
        std::string("<a>\xEF"),
        std::string("\xEF\xBB\xBF<a>\xEF"),
        std::string("<?xml version=\"1.0\"?><a>\xEF"),
        "\xEF\xBB\xBF" + ModelXml({2}).substr(0, 30) + "\xF0\x9F",
    };
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes);
        for (bool capability : {true, false}) {
            const std::string path = dir / (capability ? "Tessaly.xml" : "NVRSpec.xml");
            WriteFile(path, bytes);
            const Outcome out = LoadEither(path, capability);
            EXPECT_FALSE(out.ok);
            EXPECT_TRUE(out.zeroed);
            EXPECT_NE(out.err.find(path), std::string::npos) << out.err;
        }
    }
}

TEST_F(RecorderTablesFixture, TextThatIsNoUtf8IsReadAsReplacementCharacters)
{
    // A character cut short inside a value, and a byte that starts no character, in a file
    // with a byte-order mark (read as UTF-8) and in one without.
    const std::string rows =
        "<Item Model=\"ab\xE4\xB8\" QZModel=\"\xFF\" MaxChannel=\"8\" />" + ModelRow("next");
    for (const char* head : {"\xEF\xBB\xBF", ""}) {
        SCOPED_TRACE(*head ? "with a byte-order mark" : "without");
        auto t = LoadModels(std::string(head) + "<xml><Item>" + rows + "</Item></xml>");
        EXPECT_STREQ(t->models[0][0].Model, "ab\xEF\xBF\xBD");
        EXPECT_STREQ(t->models[0][0].QZModel, "\xEF\xBF\xBD");
        EXPECT_EQ(t->models[0][0].MaxChannel, 8);
        EXPECT_STREQ(t->models[0][1].Model, "next");
    }
}

// ---------------------------------------------------------------------------------------
// Failed saves

TEST_F(RecorderTablesFixture, FailedSaveKeepsTheOldFile)
{
    auto t = NewTables();
    ASSERT_TRUE(LoadCapabilityTable(ShippedPath("Tessaly.xml"), t->capability));
    ASSERT_TRUE(LoadModelTable(ShippedPath("NVRSpec.xml"), t->models));

    // Folder is a regular file: nothing can be created there.
    WriteFile(dir / "plain", "x");
    EXPECT_FALSE(SaveCapabilityTable(dir / "plain/Tessaly.xml", t->capability));
    EXPECT_FALSE(SaveModelTable(dir / "plain/NVRSpec.xml", t->models));
    EXPECT_EQ(ReadFile(dir / "plain"), "x");

    // Writing fails half-way (file size limit): the old files stay, no temporary is left.
    const std::string oldCapability = "<xml><Item type=\"old\" /></xml>\n";
    const std::string oldModels = "<xml><Item /></xml>\n";
    WriteFile(dir / "Tessaly.xml", oldCapability);
    WriteFile(dir / "NVRSpec.xml", oldModels);
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool capabilitySaved = SaveCapabilityTable(dir / "Tessaly.xml", t->capability);
    const bool modelsSaved = SaveModelTable(dir / "NVRSpec.xml", t->models);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(capabilitySaved);
    EXPECT_FALSE(modelsSaved);
    EXPECT_EQ(ReadFile(dir / "Tessaly.xml"), oldCapability);
    EXPECT_EQ(ReadFile(dir / "NVRSpec.xml"), oldModels);
    EXPECT_EQ(dir.Names().size(), 3u);  // plain, Tessaly.xml, NVRSpec.xml

    // With room again, the same saves succeed.
    EXPECT_TRUE(SaveCapabilityTable(dir / "Tessaly.xml", t->capability));
    EXPECT_EQ(ReadFile(dir / "Tessaly.xml"), ReadFile(ShippedPath("Tessaly.xml")));
}

// A file that parses but holds no element at all has no root to walk: both loaders report
// it like an unreadable file.
TEST_F(RecorderTablesFixture, FilesWithoutARootElementLoadNothing)
{
    const struct
    {
        const char* what;
        const char* text;
    } cases[] = {
        {"only a declaration", "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"},
        {"only a comment", "<!-- no series here -->\n"},
        {"a declaration and a comment", "<?xml version=\"1.0\" ?>\n<!-- none -->\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(dir / "Tessaly.xml", c.text);
        WriteFile(dir / "NVRSpec.xml", c.text);
        auto t = NewTables(0xAB);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(LoadCapabilityTable(dir / "Tessaly.xml", t->capability));
        EXPECT_FALSE(LoadModelTable(dir / "NVRSpec.xml", t->models));
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(IsAllZero(t.get(), sizeof(Tables)));
        // One line naming each file.
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
        EXPECT_NE(err.find(dir / "Tessaly.xml"), std::string::npos) << err;
        EXPECT_NE(err.find(dir / "NVRSpec.xml"), std::string::npos) << err;
    }
}

// Numbers with leading zeros are decimal: "010" is ten.
TEST_F(RecorderTablesFixture, ModelNumbersWithLeadingZerosAreDecimal)
{
    auto t = LoadModels("<xml><Item><Item Model=\"A\" MaxChannel=\"010\" MaxHdd=\"08\" BandWidth=\"0x10\" />"
                        "</Item></xml>");
    EXPECT_EQ(t->models[0][0].MaxChannel, 10);
    EXPECT_EQ(t->models[0][0].MaxHdd, 8);
    EXPECT_EQ(t->models[0][0].BandWidth, 0);
}

// ---------------------------------------------------------------------------------------
// Saves over an existing file

TEST_F(RecorderTablesFixture, ASaveKeepsThePermissionsOfTheFileItReplaces)
{
    auto t = NewTables();
    ASSERT_TRUE(LoadCapabilityTable(ShippedPath("Tessaly.xml"), t->capability));
    ASSERT_TRUE(LoadModelTable(ShippedPath("NVRSpec.xml"), t->models));
    for (mode_t mode : {mode_t(0640), mode_t(0600), mode_t(0604)}) {
        SCOPED_TRACE(mode);
        for (bool capability : {true, false}) {
            SCOPED_TRACE(capability ? "capability table" : "model table");
            const std::string path = dir / (capability ? "Tessaly.xml" : "NVRSpec.xml");
            WriteFile(path, "<xml />\n");
            ASSERT_EQ(::chmod(path.c_str(), mode), 0);
            EXPECT_TRUE(capability ? SaveCapabilityTable(path, t->capability)
                                   : SaveModelTable(path, t->models));
            struct stat st;
            ASSERT_EQ(::stat(path.c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, mode);
            EXPECT_NE(ReadFile(path), "<xml />\n");
        }
    }
}

// ---------------------------------------------------------------------------------------
// Reading ahead

// A table read ahead is the table a load would have read, with the same result, and it is
// handed over once: a later load of the same path reads the file as it is then.
TEST(RecorderTablesReader, HandsOverTheTablesReadAheadOnceThenReadsTheFiles)
{
    TempDir dir;
    const std::string cap = dir / "Tessaly.xml";
    const std::string models = dir / "NVRSpec.xml";
    fs::copy_file(ShippedPath("Tessaly.xml"), cap);
    fs::copy_file(ShippedPath("NVRSpec.xml"), models);
    auto direct = NewTables();
    ASSERT_TRUE(LoadCapabilityTable(cap, direct->capability));
    ASSERT_TRUE(LoadModelTable(models, direct->models));

    CRecorderTablesReader reader(cap, models);
    auto ahead = NewTables(0xAB);
    EXPECT_TRUE(reader.LoadCapabilityTable(cap, ahead->capability));
    EXPECT_TRUE(reader.LoadModelTable(models, ahead->models));
    EXPECT_EQ(0, std::memcmp(direct.get(), ahead.get(), sizeof(Tables)));

    // Taken: the next loads see the files as they are now.
    WriteFile(models, "<xml><Item><Item Model=\"Later\" MaxChannel=\"8\"/></Item></xml>");
    WriteFile(cap, "<xml/>");
    auto later = NewTables(0xAB);
    EXPECT_TRUE(reader.LoadModelTable(models, later->models));
    EXPECT_STREQ("Later", later->models[0][0].Model);
    EXPECT_EQ(1, CountModels(later->models[0]));
    EXPECT_TRUE(reader.LoadCapabilityTable(cap, later->capability));
    EXPECT_TRUE(IsAllZero(&later->capability, sizeof(later->capability)));
}

// A load of another path reads that file and leaves the read-ahead table for its own path;
// files that do not load give what a direct load gives: false, a zeroed table and one line
// on standard error each.
TEST(RecorderTablesReader, OtherPathsAndMissingFilesLoadAsWithoutIt)
{
    TempDir dir;
    const std::string other = dir / "Other.xml";
    WriteFile(other, "<xml><Item><Item Model=\"Other\"/></Item></xml>");

    testing::internal::CaptureStderr();
    CRecorderTablesReader reader(dir / "Tessaly.xml", dir / "NVRSpec.xml");
    auto t = NewTables(0xAB);
    EXPECT_TRUE(reader.LoadModelTable(other, t->models));
    EXPECT_STREQ("Other", t->models[0][0].Model);
    std::memset(t.get(), 0xAB, sizeof(Tables));
    EXPECT_FALSE(reader.LoadCapabilityTable(dir / "Tessaly.xml", t->capability));
    EXPECT_FALSE(reader.LoadModelTable(dir / "NVRSpec.xml", t->models));
    EXPECT_TRUE(IsAllZero(t.get(), sizeof(Tables)));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(2, std::count(err.begin(), err.end(), '\n')) << err;
    EXPECT_NE(std::string::npos, err.find("Tessaly.xml")) << err;
    EXPECT_NE(std::string::npos, err.find("NVRSpec.xml")) << err;
}

}  // namespace
