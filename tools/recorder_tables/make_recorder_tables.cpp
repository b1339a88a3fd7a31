// Writes the shipped recorder tables from the tables below, with the program's writers.
//   make_recorder_tables <folder>           write <folder>/Tessaly.xml and <folder>/NVRSpec.xml
//   make_recorder_tables --check <folder>   exit 0 only if the files there are what it writes
//
// Capability values come from a decoding budget: channels = budget / (megapixels x fps),
// "N/A" where that is 0, capped at the series size. Series 2, 4 and 5 write their
// "more than" value (">16", ">48", ">80") exactly at the slots where the program treats it
// as a threshold, and nowhere else.
#include "app/recorder_tables.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

struct SeriesSource
{
    const char* type;
    // Resolution r = 0..9 (12 MP fixed lens, 12 MP fisheye/vari-focal, 8, 6, 5, 4, 3, 2,
    // 1.3, 1 MP); each line holds the frame rates 30, 25, 20, 15, 10, 5 fps.
    const char* rows[kRecorderResolutionCount];
};

const SeriesSource kSeries[kRecorderSeriesCount] = {
    {"RV-Lite",
     {"N/A N/A N/A N/A 1 2", "N/A N/A N/A N/A 1 2", "N/A N/A N/A 1 1 3", "N/A 1 1 1 2 5", "1 1 1 2 3 6",
      "1 1 1 2 3 7", "1 2 2 3 5 8", "2 3 3 5 7 8", "4 5 6 8 8 8", "5 6 8 8 8 8"}},
    {"RV-Home",
     {"N/A 1 1 1 2 5", "N/A N/A 1 1 2 4", "1 1 1 2 3 7", "1 2 2 3 5 10", "2 2 3 4 6 12", "2 3 3 5 7 15",
      "3 4 5 6 10 16", "5 6 7 10 15 16", "8 10 13 16 16 16", "11 13 16 16 16 16"}},
    {"RV-Office",
     {"N/A N/A 1 1 2 4", "N/A N/A N/A 1 1 3", "1 1 1 2 3 6", "1 1 1 2 3 7", "1 1 2 3 4 9", "2 2 3 4 6 12",
      "2 3 3 5 7 15", "4 4 6 8 12 >16", "6 8 10 13 >16 >16", "9 10 13 >16 >16 >16"}},
    {"RV-Pro",
     {"2 2 3 4 6 13", "1 2 2 3 5 10", "3 3 4 6 9 19", "4 5 6 8 12 25", "5 6 7 10 15 31", "6 7 9 13 19 32",
      "8 10 12 16 25 32", "12 15 19 25 32 32", "21 26 32 32 32 32", "28 32 32 32 32 32"}},
    {"RV-Campus",
     {"2 3 4 5 8 17", "2 2 3 4 7 14", "4 5 6 8 12 25", "5 6 8 11 16 33", "6 8 10 13 20 41",
      "8 10 12 17 25 48", "11 13 16 22 33 >48", "16 20 25 33 >48 >48", "28 34 42 >48 >48 >48",
      "38 45 48 >48 >48 >48"}},
    {"RV-Metropole",
     {"4 5 6 9 13 27", "3 4 5 7 11 22", "6 8 10 13 20 40", "8 10 13 17 26 52", "11 13 16 22 33 66",
      "13 16 20 27 40 >80", "17 21 26 35 52 >80", "26 32 40 53 80 >80", "45 54 67 >80 >80 >80",
      "60 72 >80 >80 >80 >80"}},
};

struct ModelSource
{
    int group;
    int row;
    const char* model;
    const char* qzModel;
    int channels;
    int bays;
    int bandwidth;
    const char* picture;  // picture prefix: "<prefix>.png" and "<prefix>_Frame.png"
};

// Row 2 of group 2 stays empty on purpose.
const ModelSource kModels[] = {
    {0, 0, "RVL-104", "QZN-L0104-A", 4, 1, 56, "RV-Lite_1"},
    {0, 1, "RVL-108", "QZN-L0108-A", 8, 1, 64, "RV-Lite_1"},
    {0, 2, "RVL-208", "QZN-L0208-B", 8, 2, 80, "RV-Lite_2"},
    {1, 0, "RVH-108", "QZN-H0108-A", 8, 1, 80, "RV-Home_1"},
    {1, 1, "RVH-116", "QZN-H0116-A", 16, 1, 96, "RV-Home_1"},
    {1, 2, "RVH-216", "QZN-H0216-B", 16, 2, 128, "RV-Home_2"},
    {1, 3, "RVH-232", "QZN-H0232-B", 32, 2, 160, "RV-Home_2"},
    {2, 0, "RVO-216", "QZN-O0216-A", 16, 2, 160, "RV-Office_1"},
    {2, 1, "RVO-232", "QZN-O0232-A", 32, 2, 192, "RV-Office_1"},
    {2, 3, "RVO-432", "QZN-O0432-B", 32, 4, 224, "RV-Office_2"},
    {2, 4, "RVO-464", "QZN-O0464-B", 64, 4, 256, "RV-Office_2"},
    {2, 5, "RVO-864", "QZN-O0864-C", 64, 8, 256, "RV-Office_3"},
    {3, 0, "RVP-432", "QZN-P0432-A", 32, 4, 256, "RV-Pro_1"},
    {3, 1, "RVP-464", "QZN-P0464-A", 64, 4, 288, "RV-Pro_1"},
    {3, 2, "RVP-864", "QZN-P0864-B", 64, 8, 320, "RV-Pro_2"},
    {3, 3, "RVP-8128", "QZN-P8128-B", 128, 8, 320, "RV-Pro_2"},
    {4, 0, "RVC-864", "QZN-C0864-A", 64, 8, 320, "RV-Campus_1"},
    {4, 1, "RVC-8128", "QZN-C8128-A", 128, 8, 384, "RV-Campus_1"},
    {4, 2, "RVC-16128", "QZN-C16128-B", 128, 16, 400, "RV-Campus_2"},
    {4, 3, "RVC-16256", "QZN-C16256-B", 256, 16, 400, "RV-Campus_2"},
    {4, 4, "RVC-24256", "QZN-C24256-C", 256, 24, 448, "RV-Campus_3"},
    {5, 0, "RVM-16128", "QZN-M16128-A", 128, 16, 448, "RV-Metropole_1"},
    {5, 1, "RVM-16256", "QZN-M16256-A", 256, 16, 480, "RV-Metropole_1"},
    {5, 2, "RVM-24256", "QZN-M24256-B", 256, 24, 512, "RV-Metropole_2"},
    {5, 3, "RVM-24256-HD-X2P", "QZN-M24256-HDX2P-R02", 256, 24, 512, "RV-Metropole_2"},
};

bool BuildTables(NVRCapabilityTable& capability, NVRModelTable& models)
{
    std::memset(capability, 0, sizeof capability);
    std::memset(models, 0, sizeof models);
    for (int s = 0; s < kRecorderSeriesCount; ++s) {
        for (int r = 0; r < kRecorderResolutionCount; ++r) {
            std::istringstream cells(kSeries[s].rows[r]);
            std::string cell;
            int f = 0;
            for (; cells >> cell; ++f) {
                if (f >= kRecorderFrameRateCount) {
                    std::fprintf(stderr, "series %d row %d: more than six values\n", s, r);
                    return false;
                }
                NVRCapabilitySlot& slot = capability[s].slot[r * kRecorderFrameRateCount + f];
                CopyRecorderText(slot.type, sizeof slot.type, kSeries[s].type);
                CopyRecorderText(slot.value, sizeof slot.value, cell.c_str());
            }
            if (f != kRecorderFrameRateCount) {
                std::fprintf(stderr, "series %d row %d: fewer than six values\n", s, r);
                return false;
            }
        }
    }
    for (const ModelSource& m : kModels) {
        NVRSpecItem& item = models[m.group][m.row];
        const std::string picture = m.picture;
        CopyRecorderText(item.Model, sizeof item.Model, m.model);
        CopyRecorderText(item.QZModel, sizeof item.QZModel, m.qzModel);
        item.MaxChannel = m.channels;
        item.MaxHdd = m.bays;
        item.BandWidth = m.bandwidth;
        CopyRecorderText(item.PictureName, sizeof item.PictureName, (picture + ".png").c_str());
        CopyRecorderText(item.FramePictureName, sizeof item.FramePictureName,
                         (picture + "_Frame.png").c_str());
    }
    return true;
}

bool ReadBytes(const std::filesystem::path& file, std::string& bytes)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteTables(const std::filesystem::path& folder, const NVRCapabilityTable& capability,
                 const NVRModelTable& models)
{
    bool ok = true;
    for (const char* name : {"Tessaly.xml", "NVRSpec.xml"}) {
        const std::string file = (folder / name).string();
        const bool written = std::strcmp(name, "Tessaly.xml") == 0 ? SaveCapabilityTable(file, capability)
                                                                   : SaveModelTable(file, models);
        if (!written) {
            std::fprintf(stderr, "make_recorder_tables: cannot write \"%s\"\n", file.c_str());
            ok = false;
        }
    }
    return ok;
}

// Writes into a fresh temporary folder and compares byte for byte with the files in folder.
int Check(const std::filesystem::path& folder, const NVRCapabilityTable& capability,
          const NVRModelTable& models)
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "recorder_tables.XXXXXX").string();
    if (::mkdtemp(tmpl.data()) == nullptr) {
        std::perror("make_recorder_tables: mkdtemp");
        return 2;
    }
    const std::filesystem::path scratch(tmpl);
    int rc = WriteTables(scratch, capability, models) ? 0 : 2;
    for (const char* name : {"Tessaly.xml", "NVRSpec.xml"}) {
        if (rc == 2)
            break;
        std::string expected, actual;
        if (!ReadBytes(folder / name, actual)) {
            std::fprintf(stderr, "make_recorder_tables: cannot read \"%s\"\n",
                         (folder / name).string().c_str());
            rc = 1;
        } else if (!ReadBytes(scratch / name, expected) || expected != actual) {
            std::fprintf(stderr,
                         "make_recorder_tables: \"%s\" differs from the tables in source; "
                         "regenerate it\n",
                         (folder / name).string().c_str());
            rc = 1;
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(scratch, ec);
    return rc;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (!(argc == 2 || check)) {
        std::fprintf(stderr, "usage: make_recorder_tables [--check] <folder>\n");
        return 2;
    }
    static NVRCapabilityTable capability;
    static NVRModelTable models;
    if (!BuildTables(capability, models))
        return 2;
    const std::filesystem::path folder(argv[argc - 1]);
    if (check)
        return Check(folder, capability, models);
    return WriteTables(folder, capability, models) ? 0 : 1;
}
