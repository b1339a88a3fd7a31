#include "base/config_manager.h"

#include "base/compat/sf_winapi.h"
#include "base/xml_file.h"

#include <tinyxml.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <locale.h>

namespace {

const char kConfigFileName[] = "config.xml";
const char kConfigKeptName[] = "config.xml.bad";

// Numbers in the file are in the C locale whatever the user's locale is.
locale_t CLocale()
{
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

std::string FormatDouble(double value)
{
    char buffer[64];
    locale_t previous = uselocale(CLocale());
    std::snprintf(buffer, sizeof(buffer), "%g", value);
    uselocale(previous);
    return buffer;
}

// Reads a leading number the way "%lf" does: leading blanks skipped, trailing text
// ignored, false when no number starts the text.
bool ParseDouble(const char* text, double* value)
{
    if (!text)
        return false;
    char* end = nullptr;
    const double parsed = strtod_l(text, &end, CLocale());
    if (end == text)
        return false;
    *value = parsed;
    return true;
}

std::string FormatInt(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%d", value);
    return buffer;
}

bool IsLoginPswKey(const std::wstring& key) { return key == L"LoginPsw"; }

// At most 127 bytes fit the 255-character buffer the hex text is written into.
std::string BytesToHexText(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    const std::size_t kMaxBytes = 127;
    std::string hex;
    for (std::size_t i = 0; i < bytes.size() && i < kMaxBytes; ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        hex += digits[b >> 4];
        hex += digits[b & 0x0F];
    }
    return hex;
}

int HexDigit(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

}  // namespace

std::string ConfigHexTextToBytes(const std::wstring& hexText)
{
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hexText.size(); i += 2) {
        const int hi = HexDigit(hexText[i]);
        const int lo = HexDigit(hexText[i + 1]);
        if (hi < 0 || lo < 0)
            break;
        bytes += static_cast<char>((hi << 4) | lo);
    }
    return bytes;
}

// ---------------------------------------------------------------------------------------
// CConfigXMLPersistImp

CConfigXMLPersistImp::CConfigXMLPersistImp(const std::string& /*ignored*/)
    : m_pDoc(std::make_unique<TiXmlDocument>()),
      m_strFileName(kConfigFileName)
{
    // A file that does not parse must not leave the part read before the error behind.
    if (VesperonBase::LoadXmlFile(m_strFileName, *m_pDoc, TIXML_ENCODING_UTF8) !=
        VesperonBase::XmlFileStatus::kLoaded)
        m_pDoc->Clear();
}

CConfigXMLPersistImp::~CConfigXMLPersistImp() = default;

int CConfigXMLPersistImp::Parse(const char* text)
{
    if (!text)
        return 0;
    if (!VesperonBase::ParseXmlText(text, *m_pDoc, TIXML_ENCODING_UTF8)) {
        m_pDoc->Clear();
        return 0;
    }
    return 1;
}

const TiXmlElement* CConfigXMLPersistImp::FindKey(const wchar_t* section, const wchar_t* key) const
{
    const TiXmlElement* root = m_pDoc->FirstChildElement();
    if (!root || !section || !key)
        return nullptr;
    // Element names are in the local code page, which is UTF-8 here.
    const std::string sectionName = sfwin::WideToUtf8(section);
    const std::string keyName = sfwin::WideToUtf8(key);
    // One section may be written as several elements of that name when its items were
    // not registered next to each other: look through all of them, the first match wins.
    for (const TiXmlElement* sec = root->FirstChildElement(sectionName.c_str()); sec;
         sec = sec->NextSiblingElement(sectionName.c_str())) {
        if (const TiXmlElement* item = sec->FirstChildElement(keyName.c_str()))
            return item;
    }
    return nullptr;
}

double CConfigXMLPersistImp::GetDouble(const wchar_t* section, const wchar_t* key, double dDefault,
                                       int /*nReserved*/)
{
    const TiXmlElement* item = FindKey(section, key);
    double value = dDefault;
    if (!item || !ParseDouble(item->Attribute("value"), &value))
        return dDefault;
    return value;
}

long CConfigXMLPersistImp::GetLong(const wchar_t* section, const wchar_t* key, long lDefault,
                                   int /*nReserved*/)
{
    // Read as an int and widened, so that it answers exactly what GetInt answers.
    const TiXmlElement* item = FindKey(section, key);
    int value = 0;
    if (!item || item->QueryIntAttribute("value", &value) != TIXML_SUCCESS)
        return lDefault;
    return value;
}

bool CConfigXMLPersistImp::GetBool(const wchar_t* section, const wchar_t* key, bool bDefault,
                                   int /*nReserved*/)
{
    const TiXmlElement* item = FindKey(section, key);
    // The library's bool query stops the program on an assertion for an empty text: an
    // empty value is no bool, so it gives the default without asking.
    const char* text = item ? item->Attribute("value") : nullptr;
    bool value = bDefault;
    if (!text || *text == '\0' || item->QueryBoolAttribute("value", &value) != TIXML_SUCCESS)
        return bDefault;
    return value;
}

int CConfigXMLPersistImp::GetInt(const wchar_t* section, const wchar_t* key, int nDefault, int /*nReserved*/)
{
    const TiXmlElement* item = FindKey(section, key);
    int value = 0;
    if (!item || item->QueryIntAttribute("value", &value) != TIXML_SUCCESS)
        return nDefault;
    return value;
}

std::wstring CConfigXMLPersistImp::GetString(const wchar_t* section, const wchar_t* key,
                                             const wchar_t* pDefault)
{
    const TiXmlElement* item = FindKey(section, key);
    if (!item)
        return pDefault ? std::wstring(pDefault) : std::wstring();
    return sfwin::Utf8ToWide(item->Attribute("value"));
}

// ---------------------------------------------------------------------------------------
// CConfigManager

CConfigManager& CConfigManager::GetInstance()
{
    static CConfigManager instance;
    return instance;
}

namespace {
// The registry exists before main, like every other static object of the library.
[[maybe_unused]] CConfigManager& g_configManagerAtStart = CConfigManager::GetInstance();
}  // namespace

CConfigManager::CConfigManager() : m_nLangId(0), m_pPersistent(nullptr), m_strUnused(L"0") {}

CConfigManager::~CConfigManager() { Reset(); }

void CConfigManager::Reset()
{
    for (CConfigItem* item : m_items)
        delete item;
    m_items.clear();
    delete m_pPersistent;
    m_pPersistent = nullptr;
    m_listUnused.clear();
    m_nLangId = 0;
}

void CConfigManager::SetPersistent(IConfigPersistent* pPersistent)
{
    if (pPersistent == m_pPersistent)
        return;
    delete m_pPersistent;
    m_pPersistent = pPersistent;
}

void CConfigManager::RegisterItem(const wchar_t* section, const wchar_t* key, int* pVariable, int nDefault,
                                  int nScale, int nMin, int nMax, int nReserved, bool bReserved)
{
    CConfigItem* item = new CConfigItem;
    item->pSection = section;
    item->strKey = key ? key : L"";
    item->pInt = pVariable;
    item->nDefault = nDefault;
    item->nScale = nScale;
    item->nMin = nMin;
    item->nMax = nMax;
    item->nReserved = nReserved;
    item->bReserved = bReserved;
    m_items.push_back(item);
}

void CConfigManager::RegisterItem(const wchar_t* section, const wchar_t* key, bool* pVariable, bool bDefault)
{
    CConfigItem* item = new CConfigItem;
    item->pSection = section;
    item->strKey = key ? key : L"";
    item->pBool = pVariable;
    item->bDefault = bDefault;
    m_items.push_back(item);
}

void CConfigManager::RegisterItem(const wchar_t* section, const wchar_t* key, double* pVariable,
                                  double dDefault)
{
    CConfigItem* item = new CConfigItem;
    item->pSection = section;
    item->strKey = key ? key : L"";
    item->pDouble = pVariable;
    item->dDefault = dDefault;
    m_items.push_back(item);
}

void CConfigManager::RegisterItem(const wchar_t* section, const wchar_t* key, std::wstring* pVariable,
                                  const wchar_t* pDefault)
{
    CConfigItem* item = new CConfigItem;
    item->pSection = section;
    item->strKey = key ? key : L"";
    item->pString = pVariable;
    item->strDefault = pDefault ? pDefault : L"";
    m_items.push_back(item);
}

void CConfigManager::RegisterConfigItems()
{
    RegisterItem(L"UIConfig", L"Lang", &m_nLangId, 0, 0, 0, 0, 0, false);
}

void CConfigManager::LoadConfig()
{
    RegisterConfigItems();
    for (CConfigItem* item : m_items)
        ReadItem(item);
}

void CConfigManager::ReadItem(CConfigItem* pItem)
{
    if (!pItem)
        return;
    IConfigPersistent* store = m_pPersistent;
    const wchar_t* section = pItem->pSection ? pItem->pSection : L"";
    const wchar_t* key = pItem->strKey.c_str();

    if (pItem->pBool) {
        *pItem->pBool = store ? store->GetBool(section, key, pItem->bDefault, 0) : pItem->bDefault;
    } else if (pItem->pInt) {
        int value = store ? store->GetInt(section, key, pItem->nDefault, 0) : pItem->nDefault;
        // The range check and the clamp compare as unsigned 32-bit numbers: a negative
        // range never clamps and a negative value reads as a large one.
        const unsigned int min = static_cast<unsigned int>(pItem->nMin);
        const unsigned int max = static_cast<unsigned int>(pItem->nMax);
        if (pItem->nScale != 0 && min < max) {
            const unsigned int scale = static_cast<unsigned int>(pItem->nScale);
            const unsigned int lo = min * scale;
            const unsigned int hi = max * scale;
            const unsigned int v = static_cast<unsigned int>(value);
            if (v <= lo)
                value = static_cast<int>(lo);
            else if (v >= hi)
                value = static_cast<int>(hi);
        }
        *pItem->pInt = value;
    } else if (pItem->pDouble) {
        *pItem->pDouble = store ? store->GetDouble(section, key, pItem->dDefault, 0) : pItem->dDefault;
    } else if (pItem->pString) {
        std::wstring value =
            store ? store->GetString(section, key, pItem->strDefault.c_str()) : pItem->strDefault;
        if (value.empty() && !pItem->strDefault.empty())
            value = pItem->strDefault;
        *pItem->pString = value;
    }
}

namespace {

void WriteItem(TiXmlElement* pSection, const CConfigItem* pItem)
{
    TiXmlElement element(sfwin::WideToUtf8(pItem->strKey.c_str()).c_str());
    if (pItem->pBool) {
        element.SetAttribute("value", *pItem->pBool ? "1" : "0");
        element.SetAttribute("Default", pItem->bDefault ? "1" : "0");
        element.SetAttribute("Min", "0");
        element.SetAttribute("Max", "1");
    } else if (pItem->pInt) {
        element.SetAttribute("value", FormatInt(*pItem->pInt).c_str());
        element.SetAttribute("Default", FormatInt(pItem->nDefault).c_str());
        element.SetAttribute("Min", FormatInt(pItem->nMin).c_str());
        element.SetAttribute("Max", FormatInt(pItem->nMax).c_str());
        element.SetAttribute("Scale", FormatInt(pItem->nScale).c_str());
    } else if (pItem->pDouble) {
        element.SetAttribute("value", FormatDouble(*pItem->pDouble).c_str());
        element.SetAttribute("Default", FormatDouble(pItem->dDefault).c_str());
    } else if (pItem->pString) {
        if (IsLoginPswKey(pItem->strKey))
            element.SetAttribute("value", BytesToHexText(sfwin::WideToUtf8(pItem->pString->c_str())).c_str());
        else
            element.SetAttribute("value", sfwin::WideToUtf8(pItem->pString->c_str()).c_str());
        element.SetAttribute("Default", sfwin::WideToUtf8(pItem->strDefault.c_str()).c_str());
    }
    pSection->InsertEndChild(element);
}

// The path as the user should see it in a message: absolute when it can be made so.
std::string ShownPath(const char* path)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? std::string(path) : absolute.string();
}

// The save must not destroy a settings file that could not be read: such a file is first
// renamed to "config.xml.bad", with one line on standard error. Returns whether the save may
// go on: yes when the file reads, is missing (or is no regular file, which counts as missing)
// or was kept; no when it could not be kept, or could not be looked at.
bool KeepUnreadableSettingsFile()
{
    TiXmlDocument doc;
    std::string reason;
    switch (VesperonBase::LoadXmlFile(kConfigFileName, doc, TIXML_ENCODING_UTF8, &reason)) {
    case VesperonBase::XmlFileStatus::kLoaded:
    case VesperonBase::XmlFileStatus::kMissing:
    case VesperonBase::XmlFileStatus::kNotRegularFile:
        return true;
    case VesperonBase::XmlFileStatus::kNotChecked:
        std::fprintf(stderr, "Tessaly: settings not saved: \"%s\" could not be checked: %s\n",
                     ShownPath(kConfigFileName).c_str(), reason.c_str());
        return false;
    case VesperonBase::XmlFileStatus::kUnreadable:
    case VesperonBase::XmlFileStatus::kMalformed:
        break;
    }
    if (std::rename(kConfigFileName, kConfigKeptName) != 0) {
        const int code = errno;
        std::fprintf(stderr,
                     "Tessaly: settings not saved: \"%s\" could not be read (%s) nor kept as \"%s\": %s\n",
                     ShownPath(kConfigFileName).c_str(), reason.c_str(), ShownPath(kConfigKeptName).c_str(),
                     std::system_category().message(code).c_str());
        return false;
    }
    std::fprintf(stderr, "Tessaly: settings file \"%s\" could not be read (%s); kept as \"%s\"\n",
                 ShownPath(kConfigFileName).c_str(), reason.c_str(), ShownPath(kConfigKeptName).c_str());
    return true;
}

}  // namespace

void CConfigManager::WriteConfigFile()
{
    TiXmlDocument doc;
    TiXmlElement* root = doc.InsertEndChild(TiXmlElement("Setting"))->ToElement();
    if (!root)
        return;

    std::wstring currentName;
    TiXmlElement* current = nullptr;
    for (const CConfigItem* item : m_items) {
        const wchar_t* section = item->pSection ? item->pSection : L"";
        if (!current || currentName != section) {
            current = root->InsertEndChild(TiXmlElement(sfwin::WideToUtf8(section).c_str()))->ToElement();
            currentName = section;
            if (!current)
                return;
        }
        WriteItem(current, item);
    }

    std::string reason;
    if (KeepUnreadableSettingsFile() && !VesperonBase::SaveXmlFile(kConfigFileName, doc, &reason))
        std::fprintf(stderr, "Tessaly: settings not saved to \"%s\": %s\n",
                     ShownPath(kConfigFileName).c_str(), reason.c_str());
}
