// The spreadsheet importer on real workbooks made here: the records it reads are those the
// table files give once saved and loaded again, every read stays inside its table, and a
// workbook that does not open reads as nothing.
#include "app/SaveToExcel.h"
#include "app/recorder_tables.h"
#include "tests/common/test_files.h"
#include "tests/common/xlsx_test_util.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using Grid = testutil::XlsxBuilder::Grid;

// A table with guard bytes behind it, to see any write past its end.
template <class Table>
struct Guarded
{
    Guarded()
    {
        std::memset(&table, 0, sizeof table);
        std::memset(guard, 0x5A, sizeof guard);
    }
    bool GuardIntact() const
    {
        for (unsigned char g : guard)
            if (g != 0x5A)
                return false;
        return true;
    }
    Table table;
    unsigned char guard[512];
};

const char* const kSeriesTypes[kRecorderSeriesCount] = {"RV-Lite", "RV-Home",   "RV-Office",
                                                        "RV-Pro",  "RV-Campus", "RV-Metropole"};
const char* const kMoreThan[kRecorderSeriesCount] = {"", "", ">16", "", ">48", ">80"};

// The slot text of the capability sheet: mostly channel counts, "N/A" in the top
// resolutions of the small series, and the series' "more than" text in its last resolutions,
// where the table loader flags some of the slots.
std::string SlotText(int s, int r, int f)
{
    if (r < 2 && s < 2)
        return "N/A";
    if (kMoreThan[s][0] && r >= 7 && f >= 3)
        return kMoreThan[s];
    return std::to_string(4 * (s + 1) + r + f);
}

// Six 12-row blocks; every row also fills an 8th column that no slot takes.
Grid CapabilityGrid()
{
    Grid g(kRecorderSeriesCount * 12, std::vector<std::string>(8));
    for (int s = 0; s < kRecorderSeriesCount; ++s) {
        g[static_cast<std::size_t>(12 * s)][0] = kSeriesTypes[s];
        for (int r = 0; r < kRecorderResolutionCount; ++r) {
            auto& row = g[static_cast<std::size_t>(12 * s + 1 + r)];
            row[0] = "res " + std::to_string(r);
            for (int f = 0; f < kRecorderFrameRateCount; ++f)
                row[static_cast<std::size_t>(1 + f)] = SlotText(s, r, f);
            row[7] = "999";
        }
    }
    return g;
}

// Models of group g: a header row, then n rows of columns 1..8; every third row leaves the
// framed picture to be derived.
Grid ModelGrid(int g, int n)
{
    Grid grid = {{"#", "Model", "Code", "Channels", "Bays", "Mbps", "Picture", "Framed"}};
    for (int i = 0; i < n; ++i) {
        const std::string pic = "RV-" + std::to_string(g) + "_" + std::to_string(i % 3) + ".png";
        grid.push_back({std::to_string(i + 1), "M" + std::to_string(g) + "-" + std::to_string(i),
                        "QZ" + std::to_string(100 * g + i), std::to_string(4 + i), i % 2 ? "2" : "1 bay",
                        std::to_string(40 + g), pic, i % 3 == 0 ? "" : "F" + pic});
    }
    return grid;
}

void FillExpectedModels(NVRModelTable& want, int g, int rows)
{
    for (int i = 0; i < rows; ++i) {
        NVRSpecItem& item = want[g][i];
        const std::string pic = "RV-" + std::to_string(g) + "_" + std::to_string(i % 3) + ".png";
        CopyRecorderText(item.Model, sizeof item.Model,
                         ("M" + std::to_string(g) + "-" + std::to_string(i)).c_str());
        CopyRecorderText(item.QZModel, sizeof item.QZModel, ("QZ" + std::to_string(100 * g + i)).c_str());
        item.MaxChannel = 4 + i;
        item.MaxHdd = i % 2 ? 2 : 1;
        item.BandWidth = 40 + g;
        CopyRecorderText(item.PictureName, sizeof item.PictureName, pic.c_str());
        const std::string framed = i % 3 == 0 ? "RV-" + std::to_string(g) + "_0_Frame.png" : "F" + pic;
        CopyRecorderText(item.FramePictureName, sizeof item.FramePictureName, framed.c_str());
    }
}

// The table of ModelGrid sheets of rows[g] models each, all of them read.
void FillExpectedModelTable(NVRModelTable& want, const int (&rows)[kRecorderSeriesCount])
{
    std::memset(want, 0, sizeof want);
    for (int g = 0; g < kRecorderSeriesCount; ++g)
        FillExpectedModels(want, g, rows[g]);
}

// The records CapabilityGrid gives.
void FillExpectedCapability(NVRCapabilityTable& want)
{
    std::memset(want, 0, sizeof want);
    for (int s = 0; s < kRecorderSeriesCount; ++s) {
        for (int k = 0; k < kCapabilitySlotCount; ++k) {
            const std::string text = SlotText(s, k / 6, k % 6);
            CopyRecorderText(want[s].slot[k].type, sizeof want[s].slot[k].type, kSeriesTypes[s]);
            CopyRecorderText(want[s].slot[k].value, sizeof want[s].slot[k].value, text.c_str());
            // The importer flags every slot that holds its series' "more than" text.
            want[s].slot[k].flag = kMoreThan[s][0] && text == kMoreThan[s];
        }
    }
}

template <class Table>
std::string Bytes(const Table& t)
{
    return std::string(reinterpret_cast<const char*>(&t), sizeof t);
}

// The model table the importer reads from the workbook at book, into got.
void ImportModels(const std::string& book, Guarded<NVRModelTable>& got)
{
    CSaveToExcel importer;
    ASSERT_TRUE(importer.Open(book));
    importer.ReadModelTable(got.table);
    importer.Close();
    EXPECT_TRUE(got.GuardIntact());
}

// The imported table and the wanted one, each saved to a table file and loaded again, give
// the same records.
template <class Table>
void ExpectSameOnceReloaded(const testutil::TempDir& dir, const Table& got, const Table& want,
                            bool (*save)(const std::string&, const Table&),
                            bool (*load)(const std::string&, Table&))
{
    Table fromGot, fromWant;
    ASSERT_TRUE(save(dir / "imported.xml", got));
    ASSERT_TRUE(save(dir / "wanted.xml", want));
    ASSERT_TRUE(load(dir / "imported.xml", fromGot));
    ASSERT_TRUE(load(dir / "wanted.xml", fromWant));
    EXPECT_EQ(Bytes(fromGot), Bytes(fromWant));
}

TEST(SpreadsheetImporter, CapabilitySheetGivesTheTableFileRecords)
{
    testutil::TempDir dir;
    testutil::XlsxBuilder b;
    b.AddSheet("Capability", CapabilityGrid());
    b.AddSheet("Notes", {{"not read"}});
    const std::string book = dir / "capability.xlsx";
    ASSERT_TRUE(b.Write(book));

    Guarded<NVRCapabilityTable> got;
    CSaveToExcel importer;
    ASSERT_TRUE(importer.Open(book));
    importer.ReadCapabilityTable(got.table);
    EXPECT_TRUE(importer.Close());
    EXPECT_TRUE(got.GuardIntact());

    NVRCapabilityTable want;
    FillExpectedCapability(want);
    EXPECT_EQ(Bytes(got.table), Bytes(want));
    EXPECT_STREQ(got.table[0].slot[0].value, "N/A");
    EXPECT_STREQ(got.table[0].slot[12].value, "6");  // a number cell 6, not "6.0"

    // Saved and loaded again, the records are those of the same table written directly
    // (the loader sets its own flags).
    ExpectSameOnceReloaded(dir, got.table, want, SaveCapabilityTable, LoadCapabilityTable);
}

// Groups from sheets 1..6 and rows from 2..61: a 70-row sheet and a seventh sheet stay out.
// A sheet whose first row is empty has a used range one row short, and loses its last row
// as in the spreadsheet program.
TEST(SpreadsheetImporter, ModelSheetsGiveTheTableFileRecords)
{
    testutil::TempDir dir;
    testutil::XlsxBuilder b;
    const int rows[kRecorderSeriesCount + 1] = {70, 5, 4, 1, 0, 3, 8};
    for (int g = 0; g < kRecorderSeriesCount + 1; ++g) {
        Grid grid = ModelGrid(g, rows[g]);
        if (g == 2)
            grid[0].assign(8, "");  // no header row
        b.AddSheet("Group " + std::to_string(g), grid);
    }
    const std::string book = dir / "models.xlsx";
    ASSERT_TRUE(b.Write(book));

    Guarded<NVRModelTable> got;
    ImportModels(book, got);

    NVRModelTable want;
    std::memset(want, 0, sizeof want);
    for (int g = 0; g < kRecorderSeriesCount; ++g)
        FillExpectedModels(want, g,
                           std::min(rows[g] - (g == 2 ? 1 : 0), static_cast<int>(kModelRowsPerGroup)));
    EXPECT_EQ(Bytes(got.table), Bytes(want));
    EXPECT_EQ(got.table[1][0].MaxHdd, 1);  // "1 bay" read as atoi reads it
    EXPECT_STREQ(got.table[1][0].FramePictureName, "RV-1_0_Frame.png");

    ExpectSameOnceReloaded(dir, got.table, want, SaveModelTable, LoadModelTable);
}

// Chart sheets are tabs but no worksheets: the model groups come from the worksheets alone,
// a hidden one among them, whatever tabs lie between them.
TEST(SpreadsheetImporter, ChartSheetsBetweenModelSheetsAreNoModelGroups)
{
    testutil::TempDir dir;
    testutil::XlsxBuilder b;
    const int rows[kRecorderSeriesCount] = {4, 3, 5, 2, 1, 6};
    b.AddSheet("Group 0", ModelGrid(0, rows[0]));
    b.AddChartSheet("Channels chart");
    b.AddSheet("Group 1", ModelGrid(1, rows[1]));
    b.HideSheet(2);
    b.AddChartSheet("Bandwidth chart");
    for (int g = 2; g < kRecorderSeriesCount; ++g)
        b.AddSheet("Group " + std::to_string(g), ModelGrid(g, rows[g]));
    const std::string book = dir / "charts.xlsx";
    ASSERT_TRUE(b.Write(book));

    Guarded<NVRModelTable> got;
    ImportModels(book, got);

    NVRModelTable want;
    FillExpectedModelTable(want, rows);
    EXPECT_EQ(Bytes(got.table), Bytes(want));
    EXPECT_STREQ(got.table[1][0].Model, "M1-0");  // the hidden sheet
    EXPECT_STREQ(got.table[5][5].Model, "M5-5");  // the last worksheet, the eighth tab
}

// A workbook saved by a real spreadsheet program (tests/app/data/make_calc_saved_tables.py
// made it): model sheets 1 to 6, the fourth hidden, and the capability sheet seventh and
// active, all texts as shared strings.
TEST(SpreadsheetImporter, WorkbookSavedByASpreadsheetProgramGivesItsTables)
{
    const std::string book = TESSALY_TEST_DATA_DIR "/calc_saved_tables.xlsx";
    Guarded<NVRCapabilityTable> capability;
    Guarded<NVRModelTable> models;
    CSaveToExcel importer;
    ASSERT_TRUE(importer.Open(book));
    importer.ReadCapabilityTable(capability.table);
    importer.ReadModelTable(models.table);
    EXPECT_TRUE(importer.Close());
    EXPECT_TRUE(capability.GuardIntact() && models.GuardIntact());

    NVRCapabilityTable wantCapability;
    FillExpectedCapability(wantCapability);
    EXPECT_EQ(Bytes(capability.table), Bytes(wantCapability));
    EXPECT_STREQ(capability.table[5].slot[59].value, ">80");
    EXPECT_EQ(capability.table[5].slot[59].flag, 1);
    EXPECT_STREQ(capability.table[3].slot[12].value, "18");  // a number cell, not "18.0"

    const int rows[kRecorderSeriesCount] = {3, 2, 4, 1, 2, 3};
    NVRModelTable wantModels;
    FillExpectedModelTable(wantModels, rows);
    EXPECT_EQ(Bytes(models.table), Bytes(wantModels));
    EXPECT_STREQ(models.table[3][0].QZModel, "QZ300");  // the hidden sheet
    EXPECT_STREQ(models.table[2][3].FramePictureName, "RV-2_0_Frame.png");

    testutil::TempDir dir;
    ExpectSameOnceReloaded(dir, capability.table, wantCapability, SaveCapabilityTable, LoadCapabilityTable);
    ExpectSameOnceReloaded(dir, models.table, wantModels, SaveModelTable, LoadModelTable);
}

// A workbook that does not open: Open says so and the reads leave the tables empty.
TEST(SpreadsheetImporter, WorkbookThatDoesNotOpenReadsAsNothing)
{
    testutil::TempDir dir;
    testutil::WriteFile(dir / "broken.xlsx", "not a workbook");
    for (const std::string& path : {dir / "missing.xlsx", dir / "broken.xlsx"}) {
        Guarded<NVRCapabilityTable> capability;
        Guarded<NVRModelTable> models;
        CSaveToExcel importer;
        EXPECT_FALSE(importer.Open(path)) << path;
        importer.ReadCapabilityTable(capability.table);
        importer.ReadModelTable(models.table);
        EXPECT_TRUE(importer.Close());

        NVRCapabilityTable emptyCapability;
        NVRModelTable emptyModels;
        std::memset(emptyCapability, 0, sizeof emptyCapability);
        std::memset(emptyModels, 0, sizeof emptyModels);
        EXPECT_EQ(Bytes(capability.table), Bytes(emptyCapability)) << path;
        EXPECT_EQ(Bytes(models.table), Bytes(emptyModels)) << path;
        EXPECT_TRUE(capability.GuardIntact() && models.GuardIntact());
    }
}

// Texts longer than their fields keep their first bytes: 31 of a name, 49 of a slot text.
// A capability sheet with fewer rate columns leaves the slots it has no column for empty.
TEST(SpreadsheetImporter, LongTextsAreCutAndMissingRateColumnsLeaveSlotsEmpty)
{
    testutil::TempDir dir;
    const std::string name40 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    const std::string text60 = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWX";
    ASSERT_EQ(name40.size(), 40u);
    ASSERT_EQ(text60.size(), 60u);
    Grid capability(kRecorderSeriesCount * 12, std::vector<std::string>(4));  // columns A..D
    for (int s = 0; s < kRecorderSeriesCount; ++s) {
        capability[static_cast<std::size_t>(12 * s)][0] = name40;
        for (int r = 0; r < kRecorderResolutionCount; ++r)
            for (int f = 0; f < 3; ++f)
                capability[static_cast<std::size_t>(12 * s + 1 + r)][static_cast<std::size_t>(1 + f)] =
                    text60;
    }
    testutil::XlsxBuilder b;
    b.AddSheet("Capability", capability);
    b.AddSheet("Models", {{"#"}, {"1", name40, name40, "4", "1", "40", "sub/RV.png", ""}});
    const std::string book = dir / "long.xlsx";
    ASSERT_TRUE(b.Write(book));

    Guarded<NVRCapabilityTable> caps;
    Guarded<NVRModelTable> models;
    CSaveToExcel importer;
    ASSERT_TRUE(importer.Open(book));
    importer.ReadCapabilityTable(caps.table);
    importer.ReadModelTable(models.table);
    importer.Close();
    EXPECT_TRUE(caps.GuardIntact() && models.GuardIntact());

    for (int s = 0; s < kRecorderSeriesCount; ++s)
        for (int k = 0; k < kCapabilitySlotCount; ++k) {
            const NVRCapabilitySlot& slot = caps.table[s].slot[k];
            if (k % 6 < 3) {
                EXPECT_EQ(std::string(slot.type), name40.substr(0, 31)) << s << "/" << k;
                EXPECT_EQ(std::string(slot.value), text60.substr(0, 49)) << s << "/" << k;
            } else {
                EXPECT_STREQ(slot.type, "") << s << "/" << k;
                EXPECT_STREQ(slot.value, "") << s << "/" << k;
            }
        }
    // The model sheet is the second one: group 1.
    const NVRSpecItem& item = models.table[1][0];
    EXPECT_EQ(std::string(item.Model), name40.substr(0, 31));
    EXPECT_EQ(std::string(item.QZModel), name40.substr(0, 31));
}

// The framed picture adds "_Frame" before the extension of the file name, not of a folder;
// a row without pictures leaves both names empty. A 70-row sheet as the last group stays
// inside the table.
TEST(SpreadsheetImporter, PictureNamesAndTheLastGroupStayInTheirFields)
{
    testutil::TempDir dir;
    testutil::XlsxBuilder b;
    for (int g = 0; g < kRecorderSeriesCount - 1; ++g)
        b.AddSheet("Group " + std::to_string(g), ModelGrid(g, 1));
    Grid last = ModelGrid(5, 70);
    last[1][6] = "sub/RV.png";
    last[1][7] = "";
    last[2][6] = "sub.d/RV";
    last[2][7] = "";
    last[3][6] = "";
    last[3][7] = "";
    b.AddSheet("Last", last);
    const std::string book = dir / "pictures.xlsx";
    ASSERT_TRUE(b.Write(book));

    Guarded<NVRModelTable> got;
    CSaveToExcel importer;
    ASSERT_TRUE(importer.Open(book));
    importer.ReadModelTable(got.table);
    importer.Close();
    EXPECT_TRUE(got.GuardIntact());
    EXPECT_STREQ(got.table[5][0].FramePictureName, "sub/RV_Frame.png");
    EXPECT_STREQ(got.table[5][1].FramePictureName, "sub.d/RV_Frame");
    EXPECT_STREQ(got.table[5][2].PictureName, "");
    EXPECT_STREQ(got.table[5][2].FramePictureName, "");
    EXPECT_STREQ(got.table[5][kModelRowsPerGroup - 1].Model, "M5-59");
}

// After Close the reads find no workbook and change nothing.
TEST(SpreadsheetImporter, ReadsAfterCloseChangeNothing)
{
    testutil::TempDir dir;
    testutil::XlsxBuilder b;
    b.AddSheet("Capability", CapabilityGrid());
    const std::string book = dir / "closed.xlsx";
    ASSERT_TRUE(b.Write(book));

    CSaveToExcel importer;
    ASSERT_TRUE(importer.Open(book));
    EXPECT_TRUE(importer.Close());
    Guarded<NVRCapabilityTable> caps;
    Guarded<NVRModelTable> models;
    importer.ReadCapabilityTable(caps.table);
    importer.ReadModelTable(models.table);
    NVRCapabilityTable emptyCapability;
    NVRModelTable emptyModels;
    std::memset(emptyCapability, 0, sizeof emptyCapability);
    std::memset(emptyModels, 0, sizeof emptyModels);
    EXPECT_EQ(Bytes(caps.table), Bytes(emptyCapability));
    EXPECT_EQ(Bytes(models.table), Bytes(emptyModels));
}

}  // namespace
