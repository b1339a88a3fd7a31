// The settings store and registry reading "config.xml" of any content, with an item of each
// type; and the store's Parse over the same bytes as text.
#include "base/config_manager.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    // The store reads "config.xml" in the working directory: work in the private folder and
    // go back after each input, as the fuzzer names its files relative to where it started.
    const int previous = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (previous < 0 || ::chdir(fuzzsupport::Folder().c_str()) != 0)
        std::abort();
    fuzzsupport::WriteInput("config.xml", data, size);

    CConfigManager& registry = CConfigManager::GetInstance();
    registry.Reset();
    bool flag = false;
    int count = 0;
    double ratio = 0.0;
    std::wstring name, password;
    registry.RegisterItem(L"UIConfig", L"On", &flag, true);
    registry.RegisterItem(L"UIConfig", L"Count", &count, 3, 2, 1, 5, 0, false);
    registry.RegisterItem(L"Numbers", L"Ratio", &ratio, 0.5);
    registry.RegisterItem(L"Text", L"Name", &name, L"default");
    registry.RegisterItem(L"Text", L"LoginPsw", &password, L"");
    registry.SetPersistent(new CConfigXMLPersistImp(""));
    registry.LoadConfig();
    // The clamp keeps Count within Min * Scale .. Max * Scale.
    if (count < 2 || count > 10)
        std::abort();
    if (name.empty())
        std::abort();  // an empty text gives way to the non-empty default
    ConfigHexTextToBytes(password);

    // The same bytes handed to the store as text (up to the first NUL).
    const std::string text(reinterpret_cast<const char*>(data), size);
    CConfigXMLPersistImp store;
    store.Parse(text.c_str());
    store.GetString(L"Text", L"Name", L"");
    store.GetInt(L"UIConfig", L"Lang", 0, 0);

    registry.Reset();
    if (::fchdir(previous) != 0)
        std::abort();
    ::close(previous);
    return 0;
}
