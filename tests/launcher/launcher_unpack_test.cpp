// Unpacking the carried archive, writing it out, and clearing the old folder.
#include "base/compat/sf_winapi.h"
#include "launcher/launcher.h"
#include "launcher/sf_resource.h"
#include "tests/launcher/launcher_test_support.h"

#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <map>

using namespace lt;

namespace {

// The files of a small program folder: a program, nested skin pictures, a manual with
// a Chinese name, and data large enough to span several decoder blocks.
const std::map<std::string, std::string>& PayloadFiles()
{
    static const std::map<std::string, std::string> files = {
        {"Tessaly", "#!/bin/sh\nexit 0\n"},
        {"config.xml", "<Setting><Language value=\"0\"/></Setting>\n"},
        {"Tessaly.xml", Noise(300000, 1)},
        {"Skin/Main/bk.png", Noise(5000, 2)},
        {"Skin/Main/Buttons/ok.png", Noise(700, 3)},
        {"\xE6\x93\x8D\xE4\xBD\x9C\xE6\x89\x8B\xE5\x86\x8C.pdf", "%PDF-1.4 manual\n"},
    };
    return files;
}

class launcherUnpack : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(tmp.Path().empty());
        stage = tmp / "stage";
        target = tmp / "target";
        fs::create_directories(target);
        for (const auto& [name, data] : PayloadFiles())
            WriteFile(stage + "/" + name, data, name == "Tessaly" ? 0755 : 0644);
        archive = tmp / "payload.7z";
        Make7z(stage, archive,
               {"Tessaly", "config.xml", "Tessaly.xml", "Skin",
                "\xE6\x93\x8D\xE4\xBD\x9C\xE6\x89\x8B\xE5\x86\x8C.pdf"});
    }

    // Puts the given archive bytes into the target folder and unpacks them there in a
    // child process (a crash shows as an abnormal end).
    ChildRun Unpack(const std::string& bytes)
    {
        WriteFile(target + "/" + launcher::kArchiveName, bytes);
        const std::string folder = target;
        return RunChild([folder] { return launcher::Extract7zArchive(launcher::kArchiveName, folder, true); },
                        tmp.Path());
    }

    // Every file under the target (but the archive) is one of the payload's files with
    // its exact contents: no stray or partly written file.
    void ExpectOnlyIntactPayloadFiles()
    {
        for (const auto& e : fs::recursive_directory_iterator(target)) {
            if (!e.is_regular_file())
                continue;
            const std::string rel = fs::relative(e.path(), target).string();
            if (rel == launcher::kArchiveName)
                continue;
            const auto it = PayloadFiles().find(rel);
            ASSERT_NE(it, PayloadFiles().end()) << "unexpected file " << rel;
            EXPECT_EQ(ReadFile(e.path().string()), it->second) << rel;
        }
    }

    TempDir tmp;
    std::string stage, target, archive;
};

TEST_F(launcherUnpack, UnpacksEveryItemWithFoldersNamesAndModesOverwritingOldFiles)
{
    // Old files in the way are replaced, a read-only one included.
    WriteFile(target + "/config.xml", "<Setting><Language value=\"1\"/></Setting>\n", 0444);
    WriteFile(target + "/Skin/Main/bk.png", "old picture");

    const ChildRun run = Unpack(ReadFile(archive));
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("Everything is Ok\n"), std::string::npos);
    EXPECT_EQ(run.err, "");

    for (const auto& [name, data] : PayloadFiles())
        EXPECT_EQ(ReadFile(target + "/" + name), data) << name;
    struct stat st;
    ASSERT_EQ(stat((target + "/Tessaly").c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IXUSR) << "the program must stay executable";
    ASSERT_EQ(stat((target + "/Tessaly.xml").c_str(), &st), 0);
    EXPECT_FALSE(st.st_mode & S_IXUSR);
    EXPECT_TRUE(fs::is_directory(target + "/Skin/Main/Buttons"));
    EXPECT_TRUE(Exists(target + "/" + launcher::kArchiveName)) << "the archive stays in the folder";
}

TEST_F(launcherUnpack, KeepFoldersOffPutsEveryFileAtTheTop)
{
    WriteFile(target + "/" + launcher::kArchiveName, ReadFile(archive));
    const std::string folder = target;
    const ChildRun run = RunChild(
        [folder] { return launcher::Extract7zArchive(launcher::kArchiveName, folder, false); }, tmp.Path());
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(ReadFile(target + "/ok.png"), PayloadFiles().at("Skin/Main/Buttons/ok.png"));
    EXPECT_FALSE(Exists(target + "/Skin"));

    // A link that stays inside where it was packed would point out of the folder once
    // moved to the top.
    const std::string crafted = tmp / "crafted.7z";
    WriteCrafted7z(crafted, {{"Skin/a.png", "picture", ""}, {"Skin/Main/alias.png", "", "../a.png"}});
    fs::remove_all(target);
    fs::create_directories(target);
    WriteFile(target + "/" + launcher::kArchiveName, ReadFile(crafted));
    const ChildRun flat = RunChild(
        [folder] { return launcher::Extract7zArchive(launcher::kArchiveName, folder, false); }, tmp.Path());
    EXPECT_EQ(flat.code, launcher::kErrArchive);
    EXPECT_FALSE(Exists(target + "/alias.png"));
}

TEST_F(launcherUnpack, DamagedArchivesFailCleanlyWithAnErrorLine)
{
    const std::string good = ReadFile(archive);
    ASSERT_GT(good.size(), 4096u);
    std::string flipped = good;
    flipped[good.size() / 3] = static_cast<char>(flipped[good.size() / 3] ^ 0x55);
    std::string flippedEarly = good;
    flippedEarly[40] = static_cast<char>(flippedEarly[40] ^ 0x01);

    struct Case
    {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"a byte flipped in the packed data", flipped},
        {"a byte flipped in the first packed block", flippedEarly},
        {"cut in half", good.substr(0, good.size() / 2)},
        {"only the signature header", good.substr(0, 32)},
        {"not an archive at all", "just some text, nothing packed\n"},
        {"an empty file", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(target);
        fs::create_directories(target);
        const ChildRun run = Unpack(c.bytes);
        ASSERT_TRUE(run.exited) << "the launcher must not crash";
        EXPECT_NE(run.code, 0);
        EXPECT_EQ(run.out.find("Everything is Ok"), std::string::npos);
        const bool errorLine = run.err.find("\nERROR:") != std::string::npos;
        const bool errorCode =
            run.out.find("\nERROR #" + std::to_string(run.code) + "\n") != std::string::npos;
        EXPECT_TRUE(errorLine || errorCode) << "stdout: " << run.out << "\nstderr: " << run.err;
        EXPECT_TRUE(errorLine) << "a clear diagnostic line is expected; stderr: " << run.err;
        ExpectOnlyIntactPayloadFiles();
    }
}

TEST_F(launcherUnpack, AFailedWriteNamesTheFileAndReasonAndLeavesNoPart)
{
    WriteFile(target + "/" + launcher::kArchiveName, ReadFile(archive));
    const std::string folder = target;
    const ChildRun run = RunChild(
        [folder] {
            std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit lim = {100000, 100000};  // less than Tessaly.xml
            setrlimit(RLIMIT_FSIZE, &lim);
            return launcher::Extract7zArchive(launcher::kArchiveName, folder, true);
        },
        tmp.Path());
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.code, launcher::kErrFail);
    EXPECT_NE(
        run.err.find("\nERROR:can not write output file " + target + "/Tessaly.xml: " + std::strerror(EFBIG)),
        std::string::npos)
        << run.err;
    EXPECT_FALSE(Exists(target + "/Tessaly.xml"));
    ExpectOnlyIntactPayloadFiles();
}

TEST_F(launcherUnpack, ResultCodesFollowTheDecoderNumbering)
{
    const ChildRun notArchive = Unpack("just some text, nothing packed\n");
    EXPECT_EQ(notArchive.code, launcher::kErrNoArchive);
    EXPECT_NE(notArchive.out.find("\nERROR #17\n"), std::string::npos);

    fs::remove(target + "/" + launcher::kArchiveName);
    const std::string folder = target;
    const ChildRun missing = RunChild(
        [folder] { return launcher::Extract7zArchive(launcher::kArchiveName, folder, true); }, tmp.Path());
    EXPECT_EQ(missing.code, launcher::kErrRead);
    EXPECT_NE(missing.err.find("\nERROR:can not open input file"), std::string::npos);

    const std::string good = ReadFile(archive);
    const ChildRun truncated = Unpack(good.substr(0, good.size() - 10));
    EXPECT_EQ(truncated.code, launcher::kErrInputEof);
    EXPECT_NE(truncated.out.find("\nERROR #6\n"), std::string::npos);
}

// CRC-32 as the 7z headers use it.
std::uint32_t Crc32(const std::string& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : bytes) {
        crc ^= c;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutLe(std::string* bytes, std::size_t at, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        (*bytes)[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Sets the 7z start record's header size and both of its checksums after the header
// (which starts at 32 + its offset) has been edited.
void Reseal7z(std::string* archive)
{
    std::uint64_t offset = 0;
    for (int i = 7; i >= 0; --i)
        offset = (offset << 8) | static_cast<unsigned char>((*archive)[12 + i]);
    const std::string header = archive->substr(32 + offset);
    PutLe(archive, 20, header.size(), 8);
    PutLe(archive, 28, Crc32(header), 4);
    PutLe(archive, 8, Crc32(archive->substr(12, 20)), 4);
}

TEST_F(launcherUnpack, MemoryTheDecoderCannotGetIsReportedAsSuch)
{
#if defined(TESSALY_SANITIZE) || defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address-space limit this needs leaves the sanitizers no room to run";
#endif
    // An item table of nearly 100 million items.
    std::string table = std::string("7z\xBC\xAF\x27\x1C\x00\x04", 8) + std::string(24, '\0') +
                        std::string("\x01\x05\xE5\xFF\xE0\xF5\x00\x00", 8);
    Reseal7z(&table);
    // A dictionary of 4 GiB.
    WriteFile(stage + "/small.txt", "small");
    const std::string plain = tmp / "plain.7z";
    ASSERT_EQ(
        RunCommand({"7zz", "a", "-t7z", "-m0=lzma", "-mhc=off", "-bd", plain, "--", "small.txt"}, stage), 0);
    std::string dictionary = ReadFile(plain);
    const std::size_t props = dictionary.find(std::string("\x03\x01\x01\x05\x5D", 5), 32);
    ASSERT_NE(props, std::string::npos);
    PutLe(&dictionary, props + 5, 0xFFFFFFF0u, 4);
    Reseal7z(&dictionary);

    for (const auto& [what, bytes] :
         {std::make_pair("item table", table), std::make_pair("dictionary", dictionary)}) {
        SCOPED_TRACE(what);
        WriteFile(target + "/" + launcher::kArchiveName, bytes);
        const std::string folder = target;
        const ChildRun run = RunChild(
            [folder] {
                struct rlimit lim = {rlim_t(1) << 30, rlim_t(1) << 30};
                setrlimit(RLIMIT_AS, &lim);
                return launcher::Extract7zArchive(launcher::kArchiveName, folder, true);
            },
            tmp.Path());
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.code, launcher::kErrMem) << run.err << run.out;
        EXPECT_NE(run.err.find("\nERROR:can not allocate memory"), std::string::npos) << run.err;
    }
}

TEST_F(launcherUnpack, UnsafeItemsAreRefusedAndNothingOutsideIsTouched)
{
    const std::string outside = tmp / "outside";
    fs::create_directories(outside);
    WriteFile(outside + "/victim", "keep me");
    struct Case
    {
        const char* what;
        std::vector<CraftedEntry> entries;
    };
    const Case cases[] = {
        {"a parent-folder name", {{"ok.txt", "fine", ""}, {"../escaped", "bad", ""}}},
        {"a parent part deeper down", {{"Skin/../../escaped", "bad", ""}}},
        {"an absolute name", {{outside + "/victim", "overwritten", ""}}},
        {"a link to an absolute place", {{"evil", "", outside}, {"evil/victim", "overwritten", ""}}},
        {"a link climbing out",
         {{"Skin/evil", "", "../../outside"}, {"Skin/evil/victim", "overwritten", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(target);
        fs::create_directories(target);
        const std::string crafted = tmp / "crafted.7z";
        WriteCrafted7z(crafted, c.entries);
        const ChildRun run = Unpack(ReadFile(crafted));
        ASSERT_TRUE(run.exited);
        EXPECT_NE(run.code, 0);
        EXPECT_NE(run.err.find("\nERROR:"), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(outside + "/victim"), "keep me");
        EXPECT_FALSE(Exists(tmp / "escaped"));
        std::vector<std::string> outsideNames;
        for (const auto& e : fs::directory_iterator(outside))
            outsideNames.push_back(e.path().filename().string());
        EXPECT_EQ(outsideNames, std::vector<std::string>{"victim"});
        for (const auto& e : fs::recursive_directory_iterator(target))
            EXPECT_FALSE(e.is_symlink()) << "an outward link was left: " << e.path();
    }
}

TEST_F(launcherUnpack, LinksThatStayInsideAreKept)
{
    const std::string crafted = tmp / "crafted.7z";
    WriteCrafted7z(crafted, {{"Skin/a.png", "picture", ""}, {"Skin/Main/alias.png", "", "../a.png"}});
    const ChildRun run = Unpack(ReadFile(crafted));
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(ReadFile(target + "/Skin/Main/alias.png"), "picture");
    EXPECT_TRUE(fs::is_symlink(target + "/Skin/Main/alias.png"));

    // Links through links, and links to items that come later, are fine while they stay inside.
    fs::remove_all(target);
    fs::create_directories(target);
    WriteCrafted7z(crafted, {{"early", "", "Skin/late.png"},
                             {"Skin/Main/up", "", ".."},
                             {"Skin/Main/hop", "", "up"},
                             {"Skin/Main/alias.png", "", "hop/../Skin/late.png"},
                             {"Skin/late.png", "late picture", ""}});
    const ChildRun chained = Unpack(ReadFile(crafted));
    EXPECT_EQ(chained.code, 0) << chained.err;
    EXPECT_EQ(ReadFile(target + "/early"), "late picture");
    EXPECT_EQ(ReadFile(target + "/Skin/Main/alias.png"), "late picture");
}

TEST_F(launcherUnpack, LinksLeadingOutThroughOtherLinksAndSpecialFilesAreRefused)
{
    const std::string outside = tmp / "outside";
    fs::create_directories(outside);
    WriteFile(outside + "/victim", "keep me");
    struct Case
    {
        const char* what;
        std::vector<CraftedEntry> entries;
        const char* absent;  // must not be made under the folder
    };
    const Case cases[] = {
        {"a link through an earlier link", {{"d/up", "", ".."}, {"d/up2", "", "up/.."}}, "d/up2"},
        {"a link through a chain of links",
         {{"d/up", "", ".."}, {"d/hop", "", "up"}, {"d/out", "", "hop/.."}},
         "d/out"},
        {"a later link that an earlier one goes through", {{"a", "", "b/.."}, {"b", "", "."}}, "b"},
        {"a later link in place of a folder an earlier link goes through",
         {{"e", "", "", AE_IFDIR}, {"a", "", "e/.."}, {"e", "", "."}},
         nullptr},
        {"an item written through a link", {{"d/up", "", ".."}, {"d/up/x", "through a link", ""}}, "x"},
        {"an item through a link that is the first folder of its path",
         {{"Skin", "", "", AE_IFDIR}, {"alias", "", "Skin"}, {"alias/x.png", "through a link", ""}},
         "Skin/x.png"},
        {"an item through a link to a folder made after it",
         {{"alias", "", "Skin"}, {"Skin", "", "", AE_IFDIR}, {"alias/x.png", "through a link", ""}},
         "Skin/x.png"},
        {"a file of the same name over an unpacked link",
         {{"Skin/a.png", "picture", ""}, {"alias.png", "", "Skin/a.png"}, {"alias.png", "over the link", ""}},
         nullptr},
        {"a named pipe", {{"ok.txt", "fine", ""}, {"fifo", "", "", AE_IFIFO}}, "fifo"},
        {"a character device", {{"null", "", "", AE_IFCHR}}, "null"},
        {"a block device", {{"disk", "", "", AE_IFBLK}}, "disk"},
        {"a socket", {{"sock", "", "", AE_IFSOCK}}, "sock"},
    };
    const std::string crafted = tmp / "crafted.7z";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(target);
        fs::create_directories(target);
        WriteCrafted7z(crafted, c.entries);
        const ChildRun run = Unpack(ReadFile(crafted));
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.code, launcher::kErrArchive) << run.err;
        EXPECT_NE(run.err.find("\nERROR:"), std::string::npos) << run.err;
        EXPECT_NE(run.out.find("\nERROR #16\n"), std::string::npos) << run.out;
        if (c.absent) {
            EXPECT_FALSE(Exists(target + "/" + c.absent));
        }
        EXPECT_EQ(ReadFile(outside + "/victim"), "keep me");
        const fs::path inside = fs::canonical(target);
        for (const auto& e : fs::recursive_directory_iterator(target)) {
            const fs::file_type type = e.symlink_status().type();
            EXPECT_TRUE(type == fs::file_type::regular || type == fs::file_type::directory ||
                        type == fs::file_type::symlink)
                << "a special file was made: " << e.path();
            if (type != fs::file_type::symlink)
                continue;
            const std::string resolved = fs::weakly_canonical(e.path()).string();
            EXPECT_EQ(resolved.rfind(inside.string(), 0), 0u) << e.path() << " leads to " << resolved;
        }
    }
}

TEST_F(launcherUnpack, AnArchiveBeyondTheBoundsIsRefused)
{
    // One file larger than the bound: nothing of it is written.
    const std::string big = tmp / "big.7z";
    WriteZeros7z(big, "zeros.bin", launcher::kMaxUnpackedBytes + 1);
    const ChildRun tooBig = Unpack(ReadFile(big));
    ASSERT_TRUE(tooBig.exited);
    EXPECT_EQ(tooBig.code, launcher::kErrUnsupported);
    EXPECT_NE(tooBig.err.find("\nERROR:decoder doesn't support this archive"), std::string::npos)
        << tooBig.err;
    EXPECT_FALSE(Exists(target + "/zeros.bin"));

    // One item more than the bound; folders, which this unpacking passes over, count too.
    auto folders = [](std::size_t count) {
        std::vector<CraftedEntry> entries(count, {"", "", "", AE_IFDIR});
        for (std::size_t i = 0; i < count; ++i)
            entries[i].name = "d" + std::to_string(i);
        return entries;
    };
    const std::string many = tmp / "many.7z";
    const std::string folder = target;
    auto unpackFlat = [&](std::size_t count) {
        WriteCrafted7z(many, folders(count));
        WriteFile(target + "/" + launcher::kArchiveName, ReadFile(many));
        return RunChild(
            [folder] { return launcher::Extract7zArchive(launcher::kArchiveName, folder, false); },
            tmp.Path());
    };
    const ChildRun tooMany = unpackFlat(launcher::kMaxUnpackedItems + 1);
    ASSERT_TRUE(tooMany.exited);
    EXPECT_EQ(tooMany.code, launcher::kErrUnsupported);
    EXPECT_NE(tooMany.err.find("\nERROR:decoder doesn't support this archive"), std::string::npos)
        << tooMany.err;
    EXPECT_EQ(unpackFlat(launcher::kMaxUnpackedItems).code, 0);
}

// --- clearing the old folder ---------------------------------------------------------

TEST(launcherRemoveTree, RemovesEverythingButNeverFollowsLinks)
{
    TempDir tmp;
    const std::string outside = tmp / "outside";
    WriteFile(outside + "/keep.txt", "outside file");
    WriteFile(outside + "/sub/deep.txt", "outside deep");

    const std::string folder = tmp / "Tessaly";
    // Hidden names and many entries: every one must be examined, whatever order the
    // folder lists them in.
    for (int i = 0; i < 20; ++i)
        WriteFile(folder + "/file" + std::to_string(i), "x");
    WriteFile(folder + "/.hidden", "x");
    WriteFile(folder + "/Skin/Main/.a", "x");
    WriteFile(folder + "/Skin/Main/b.png", "x", 0444);
    fs::create_directories(folder + "/empty/deeper");
    fs::create_symlink(outside + "/keep.txt", folder + "/link_to_file");
    fs::create_directory_symlink(outside, folder + "/link_to_dir");
    fs::create_directory_symlink(outside, folder + "/Skin/link_to_dir");
    fs::create_symlink(folder + "/nowhere", folder + "/dangling");

    EXPECT_EQ(launcher::RemoveDirectoryTree(folder), 1);
    EXPECT_FALSE(Exists(folder));
    EXPECT_EQ(ReadFile(outside + "/keep.txt"), "outside file");
    EXPECT_EQ(ReadFile(outside + "/sub/deep.txt"), "outside deep");
}

TEST(launcherRemoveTree, ADeepTreeGoesUnderALowDescriptorLimit)
{
    TempDir tmp;
    const std::string folder = tmp / "Tessaly";
    std::string level = folder;
    for (int i = 0; i < 100; ++i) {
        WriteFile(level + "/file", "x");
        level += "/d";
    }
    fs::create_directories(level);
    const ChildRun run = RunChild(
        [folder] {
            struct rlimit lim = {16, 16};
            setrlimit(RLIMIT_NOFILE, &lim);
            return launcher::RemoveDirectoryTree(folder);
        },
        tmp.Path());
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.code, 1);
    EXPECT_FALSE(Exists(folder)) << "a deep tree was left behind";
}

TEST(launcherRemoveTree, WhatCannotBeRemovedIsReportedWithItsPathAndReason)
{
    TempDir tmp;
    const std::string folder = tmp / "Tessaly";
    WriteFile(folder + "/a.txt", "x");
    WriteFile(folder + "/Skin/Main/b.png", "x");
    WriteFile(folder + "/Skin/locked/kept.png", "x");
    chmod((folder + "/Skin/locked").c_str(), 0555);
    const std::string report = tmp / "report";
    const std::string top = tmp.Path();
    const ChildRun run = RunChild(
        [top, folder, report] {
            DropPrivilegesOver(top);
            std::string failure;
            const int r = launcher::RemoveDirectoryTree(folder, &failure);
            WriteFile(report, failure);
            return r;
        },
        tmp.Path());
    chmod((folder + "/Skin/locked").c_str(), 0755);
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.code, 0) << "a failed removal was reported as done";
    EXPECT_EQ(ReadFile(report), folder + "/Skin/locked/kept.png: " + std::strerror(EACCES));
    EXPECT_TRUE(Exists(folder + "/Skin/locked/kept.png"));
}

TEST(launcherRemoveTree, AFolderThatIsALinkLosesOnlyTheLink)
{
    TempDir tmp;
    WriteFile(tmp / "elsewhere/data.txt", "precious");
    fs::create_directory_symlink(tmp / "elsewhere", tmp / "Tessaly");
    EXPECT_EQ(launcher::RemoveDirectoryTree(tmp / "Tessaly"), 1);
    EXPECT_FALSE(Exists(tmp / "Tessaly"));
    EXPECT_EQ(ReadFile(tmp / "elsewhere/data.txt"), "precious");
}

TEST(launcherRemoveTree, ReportsZeroWhenTheFolderCannotBeOpened)
{
    TempDir tmp;
    EXPECT_EQ(launcher::RemoveDirectoryTree(tmp / "missing"), 0);
    WriteFile(tmp / "plain", "a file, not a folder");
    EXPECT_EQ(launcher::RemoveDirectoryTree(tmp / "plain"), 0);
    EXPECT_EQ(ReadFile(tmp / "plain"), "a file, not a folder");
}

// --- the resource and writing it out -------------------------------------------------

class launcherResource : public ::testing::Test
{
protected:
    void TearDown() override { SF_SetResourceTable(nullptr, 0); }
    TempDir tmp;
};

TEST_F(launcherResource, LookupMatchesIdAndTypeExactly)
{
    static const unsigned char zip[] = {'7', 'z', 0xBC, 0xAF};
    static const unsigned char other[] = {1, 2};
    const SFResource table[] = {
        {L"BIN", 102, other, other + sizeof other},
        {L"ZIP", 101, other, other + sizeof other},
        {L"ZIP", 102, zip, zip + sizeof zip},
    };
    SF_SetResourceTable(table, 3);
    const SFResource* r = SF_FindResource(102, L"ZIP");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->begin, zip);
    EXPECT_EQ(SF_SizeofResource(r), sizeof zip);
    EXPECT_EQ(SF_FindResource(103, L"ZIP"), nullptr);
    EXPECT_EQ(SF_FindResource(102, L"zip"), nullptr);
    EXPECT_EQ(SF_FindResource(102, nullptr), nullptr);
    EXPECT_EQ(SF_SizeofResource(nullptr), 0u);
}

TEST_F(launcherResource, WritesTheWholeResourceAndReportsEachFailure)
{
    std::vector<std::string> lines;
    sfwin::SetDebugOutputSink([&lines](const char* t) { lines.emplace_back(t); });
    const std::string bytes = Noise(100000, 7);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    SFResource table[] = {
        {launcher::kArchiveResourceType, launcher::kArchiveResourceId, p, p + bytes.size()}};

    SF_SetResourceTable(table, 1);
    WriteFile(tmp / "Vesperon.7z", std::string(200000, 'o'));  // a longer old file is cut
    EXPECT_EQ(launcher::WriteResourceToFile("Vesperon.7z", tmp.Path()), 0);
    EXPECT_EQ(ReadFile(tmp / "Vesperon.7z"), bytes);
    EXPECT_TRUE(lines.empty());

    EXPECT_EQ(launcher::WriteResourceToFile("Vesperon.7z", tmp / "no such folder"), 11);
    EXPECT_EQ(lines, (std::vector<std::string>{"\nERROR:", "can not create file " + tmp / "no such folder" +
                                                               "/Vesperon.7z: " + std::strerror(ENOENT)}));

    lines.clear();
    table[0].end = table[0].begin;
    EXPECT_NE(launcher::WriteResourceToFile("Vesperon.7z", tmp.Path()), 0);
    EXPECT_EQ(lines, (std::vector<std::string>{"\nERROR:", "resource is empty!"}));

    lines.clear();
    SF_SetResourceTable(nullptr, 0);
    EXPECT_NE(launcher::WriteResourceToFile("Vesperon.7z", tmp.Path()), 0);
    EXPECT_EQ(lines, (std::vector<std::string>{"\nERROR:", "find resource failed!"}));
    sfwin::SetDebugOutputSink(nullptr);
}

TEST_F(launcherResource, AShortWriteIsAnError)
{
    const std::string bytes = Noise(64 * 1024, 9);
    const std::string folder = tmp.Path();
    // A file-size limit lets only part of the resource reach the disk.
    const ChildRun run = RunChild(
        [&bytes, folder] {
            const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
            static SFResource table[1];
            table[0] = {L"ZIP", 102, p, p + bytes.size()};
            SF_SetResourceTable(table, 1);
            std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit lim = {4096, 4096};
            setrlimit(RLIMIT_FSIZE, &lim);
            return launcher::WriteResourceToFile("Vesperon.7z", folder);
        },
        tmp.Path());
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.code, 9);
    EXPECT_EQ(run.err, "\nERROR:can not open write file " + folder + "/Vesperon.7z: " + std::strerror(EFBIG));
    EXPECT_FALSE(Exists(folder + "/Vesperon.7z")) << "the partly written archive was left";
}

// --- bytes added up over the items -------------------------------------------------

TEST_F(launcherUnpack, FilesTogetherOverTheByteBoundAreRefused)
{
    // Each under the bound, together one byte over: the second is not written.
    const std::string two = tmp / "two.7z";
    WriteZeros7z(two, {{"first.bin", 2}, {"second.bin", launcher::kMaxUnpackedBytes - 1}});
    const ChildRun run = Unpack(ReadFile(two));
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.code, launcher::kErrUnsupported);
    EXPECT_NE(run.err.find("\nERROR:archive holds more than 1073741824 bytes"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\nERROR:decoder doesn't support this archive"), std::string::npos) << run.err;
    EXPECT_FALSE(Exists(target + "/second.bin"));
}

}  // namespace
