// The result codes of unpacking for the decoder's own failures: a checksum that does not
// match and a packing method or encryption the decoder cannot read keep their own codes
// and their own error lines.
#include "launcher/launcher.h"
#include "tests/launcher/launcher_test_support.h"

using namespace lt;

namespace {

class launcherResultCodes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(tmp.Path().empty());
        WriteFile(tmp / "stage/config.xml", Noise(2000, 7));
    }

    // The staged config.xml packed by 7zz with the extra switches given.
    std::string Pack(const std::string& name, const std::vector<std::string>& switches)
    {
        std::vector<std::string> args = {"7zz", "a", "-t7z", "-bd"};
        args.insert(args.end(), switches.begin(), switches.end());
        args.insert(args.end(), {tmp / name, "--", "config.xml"});
        EXPECT_EQ(RunCommand(args, tmp / "stage"), 0) << "7zz could not make " << name;
        return ReadFile(tmp / name);
    }

    // Unpacks the archive bytes in a fresh folder, in a child process.
    ChildRun Unpack(const std::string& bytes)
    {
        const std::string folder = tmp / "target";
        fs::remove_all(folder);
        WriteFile(folder + "/" + launcher::kArchiveName, bytes);
        return RunChild([folder] { return launcher::Extract7zArchive(launcher::kArchiveName, folder, true); },
                        tmp.Path());
    }

    TempDir tmp;
};

TEST_F(launcherResultCodes, ChecksumAndUnsupportedFailuresKeepTheirCodes)
{
    // Stored without packing, so that a changed data byte reaches the checksum test.
    std::string badChecksum = Pack("stored.7z", {"-m0=Copy"});
    ASSERT_GT(badChecksum.size(), 100u);
    ASSERT_EQ(Unpack(badChecksum).code, launcher::kOk);
    badChecksum[40] = static_cast<char>(badChecksum[40] ^ 0x01);  // inside the stored data

    const struct
    {
        const char* what;
        std::string bytes;
        int code;
        const char* line;
    } cases[] = {
        {"a data byte changed", badChecksum, launcher::kErrCrc, "\nERROR:CRC error"},
        {"a packing method the decoder lacks", Pack("deflate64.7z", {"-m0=Deflate64"}),
         launcher::kErrUnsupported, "\nERROR:decoder doesn't support this archive"},
        {"encrypted data", Pack("encrypted.7z", {"-m0=LZMA2", "-psecret"}), launcher::kErrUnsupported,
         "\nERROR:decoder doesn't support this archive"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ChildRun run = Unpack(c.bytes);
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.code, c.code) << "stdout: " << run.out << "\nstderr: " << run.err;
        // Its own line only: not the decoder's text, not the numbered line of other codes.
        EXPECT_EQ(run.err, c.line);
        EXPECT_EQ(run.out.find("ERROR #"), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("Everything is Ok"), std::string::npos) << run.out;
    }
}

}  // namespace
