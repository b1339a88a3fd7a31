// The capability table loader over any file content.
#include "app/recorder_tables.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const std::string path = fuzzsupport::PathOf("Tessaly.xml");
    fuzzsupport::WriteInput(path, data, size);
    std::unique_ptr<NVRCapabilityTable> table(new NVRCapabilityTable[1]);
    std::memset(table.get(), 0xAB, sizeof(NVRCapabilityTable));
    const bool loaded = LoadCapabilityTable(path, *table);
    // Every text field ends inside its field, and flags are 0 or 1.
    for (const NVRSeriesCapability& series : *table) {
        for (const NVRCapabilitySlot& slot : series.slot) {
            if (strnlen(slot.type, sizeof slot.type) == sizeof slot.type ||
                strnlen(slot.value, sizeof slot.value) == sizeof slot.value ||
                (slot.flag != 0 && slot.flag != 1))
                std::abort();
            if (!loaded && (slot.type[0] != '\0' || slot.value[0] != '\0' || slot.flag != 0))
                std::abort();  // a file that does not load leaves the table zeroed
        }
    }
    return 0;
}
