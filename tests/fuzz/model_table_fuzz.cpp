// The model table loader over any file content.
#include "app/recorder_tables.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

template <std::size_t N>
bool Terminated(const char (&field)[N])
{
    return strnlen(field, N) < N;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const std::string path = fuzzsupport::PathOf("NVRSpec.xml");
    fuzzsupport::WriteInput(path, data, size);
    std::unique_ptr<NVRModelTable> table(new NVRModelTable[1]);
    std::memset(table.get(), 0xAB, sizeof(NVRModelTable));
    const bool loaded = LoadModelTable(path, *table);
    for (const auto& rows : *table) {
        for (const NVRSpecItem& item : rows) {
            if (!Terminated(item.Model) || !Terminated(item.QZModel) || !Terminated(item.PictureName) ||
                !Terminated(item.FramePictureName))
                std::abort();
            if (!loaded && (item.Model[0] != '\0' || item.MaxChannel != 0 || item.MaxHdd != 0))
                std::abort();  // a file that does not load leaves the table zeroed
        }
    }
    return 0;
}
