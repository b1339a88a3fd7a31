// The language table loading "Lang_0.xml" of any content.
#include "base/config_manager.h"
#include "base/lang_table.h"
#include "base/sf_paths.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdlib>
#include <cwchar>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const bool ready = [] {
        const std::string& folder = fuzzsupport::Folder();
        SF_SOFT_BASE::SFBaseSetAppDirPathOverride(std::wstring(folder.begin(), folder.end()));
        CConfigManager::GetInstance().SetLangId(0);
        return true;
    }();
    (void)ready;
    fuzzsupport::WriteInput(fuzzsupport::PathOf("Lang_0.xml"), data, size);
    ResetLangTable();
    for (const wchar_t* key : {L"ProductName", L"Cancel", L"", L"\u4E2D"}) {
        const wchar_t* text = GetLangText(key);
        // Results are terminated within their 1024-character buffers.
        if (text == nullptr || std::wcslen(text) > 1023)
            std::abort();
    }
    return 0;
}
