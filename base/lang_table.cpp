#include "base/lang_table.h"

#include "base/compat/sf_winapi.h"
#include "base/config_manager.h"
#include "base/sf_paths.h"
#include "base/xml_file.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

#include <tinyxml.h>

#include <cwchar>
#include <map>
#include <string>
#include <vector>

namespace {

const int kRingSize = 5;
const std::size_t kBufferSize = 1024;

struct LangState
{
    std::map<std::wstring, std::wstring> table;
    int nCachedId = 0;
    bool bLoaded = false;
    int nRingIndex = 0;
    wchar_t ring[kRingSize][kBufferSize] = {};
    QTranslator* pTranslator = nullptr;
};

LangState& State()
{
    static LangState state;
    return state;
}

// The application folder in the local 8-bit encoding, built without a fixed-size buffer.
std::string AppDirLocal8Bit()
{
    const std::string utf8 = sfwin::WideToUtf8(SF_SOFT_BASE::SFBaseGetAppDirPath().c_str());
    // Room for every character to grow to four bytes; a path that still does not fit
    // converts as empty.
    std::vector<char> buffer(utf8.size() * 4 + 16, '\0');
    SF_SOFT_BASE::SFBaseUtf8ToLocal8Bit(utf8.c_str(), buffer.data(), buffer.size());
    return std::string(buffer.data());
}

bool LoadTable(LangState& state)
{
    const std::string fileName = AppDirLocal8Bit() + "/Lang_" + std::to_string(state.nCachedId) + ".xml";
    TiXmlDocument doc;
    if (VesperonBase::LoadXmlFile(fileName, doc, TIXML_ENCODING_UTF8) != VesperonBase::XmlFileStatus::kLoaded)
        return false;
    const TiXmlElement* root = doc.RootElement();
    if (!root)
        return false;
    // Every child element is read whatever its name; a later name replaces an earlier one.
    for (const TiXmlElement* item = root->FirstChildElement(); item; item = item->NextSiblingElement()) {
        const char* name = item->Attribute("name");
        const char* value = item->Attribute("value");
        if (!name || !value)
            continue;
        state.table[sfwin::Utf8ToWide(name)] = sfwin::Utf8ToWide(value);
    }
    return true;
}

}  // namespace

const wchar_t* GetLangText(const wchar_t* key)
{
    LangState& state = State();
    const int langId = CConfigManager::GetInstance().GetLangId();
    if (state.nCachedId != langId) {
        state.table.clear();
        state.nCachedId = langId;
        state.bLoaded = false;
    }
    if (!state.bLoaded)
        state.bLoaded = LoadTable(state);

    const wchar_t* text = key ? key : L"";
    if (key) {
        const auto found = state.table.find(key);
        if (found != state.table.end())
            text = found->second.c_str();
    }

    wchar_t* buffer = state.ring[state.nRingIndex];
    state.nRingIndex = (state.nRingIndex + 1) % kRingSize;
    std::size_t length = std::wcslen(text);
    if (length > kBufferSize - 1)
        length = kBufferSize - 1;
    std::wmemcpy(buffer, text, length);
    buffer[length] = L'\0';
    return buffer;
}

std::wstring GetLangString(const wchar_t* key) { return std::wstring(GetLangText(key)); }

bool LoadQtTranslator()
{
    LangState& state = State();
    const std::string fileName = AppDirLocal8Bit() + "/Qt_Lang_" + std::to_string(state.nCachedId) + ".qm";
    QTranslator* translator = new QTranslator;
    if (translator->load(QString::fromLocal8Bit(fileName.c_str()))) {
        if (state.pTranslator) {
            QCoreApplication::removeTranslator(state.pTranslator);
            delete state.pTranslator;
        }
        state.pTranslator = translator;
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
    return true;
}

void ResetLangTable()
{
    LangState& state = State();
    state.table.clear();
    state.nCachedId = 0;
    state.bLoaded = false;
    state.nRingIndex = 0;
    if (state.pTranslator) {
        QCoreApplication::removeTranslator(state.pTranslator);
        delete state.pTranslator;
        state.pTranslator = nullptr;
    }
}
