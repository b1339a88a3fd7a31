// The settings registry: typed items bound to program variables by section and key,
// read at start-up through a store and written back whole to "config.xml".
#pragma once

#include <list>
#include <memory>
#include <string>

class TiXmlDocument;
class TiXmlElement;

// The store the registry reads its items from. The numeric getters take one more
// argument after the default that they ignore (callers pass 0).
class IConfigPersistent
{
public:
    virtual double GetDouble(const wchar_t* section, const wchar_t* key, double dDefault, int nReserved) = 0;
    virtual long GetLong(const wchar_t* section, const wchar_t* key, long lDefault, int nReserved) = 0;
    virtual bool GetBool(const wchar_t* section, const wchar_t* key, bool bDefault, int nReserved) = 0;
    virtual int GetInt(const wchar_t* section, const wchar_t* key, int nDefault, int nReserved) = 0;
    virtual std::wstring GetString(const wchar_t* section, const wchar_t* key, const wchar_t* pDefault) = 0;
    // Parses an 8-bit XML text into the store's document: 0 for a null text or a text
    // that does not parse, 1 otherwise.
    virtual int Parse(const char* text) = 0;
    virtual ~IConfigPersistent() {}
};

// The XML store over "config.xml" in the working directory, read as LoadXmlFile reads data
// files. A file that is missing, is no regular file, cannot be read or does not parse leaves
// the document empty, so every getter answers its default.
class CConfigXMLPersistImp : public IConfigPersistent
{
public:
    explicit CConfigXMLPersistImp(const std::string& ignored = std::string());
    ~CConfigXMLPersistImp() override;
    CConfigXMLPersistImp(const CConfigXMLPersistImp&) = delete;
    CConfigXMLPersistImp& operator=(const CConfigXMLPersistImp&) = delete;

    double GetDouble(const wchar_t* section, const wchar_t* key, double dDefault, int nReserved) override;
    long GetLong(const wchar_t* section, const wchar_t* key, long lDefault, int nReserved) override;
    bool GetBool(const wchar_t* section, const wchar_t* key, bool bDefault, int nReserved) override;
    int GetInt(const wchar_t* section, const wchar_t* key, int nDefault, int nReserved) override;
    std::wstring GetString(const wchar_t* section, const wchar_t* key, const wchar_t* pDefault) override;
    // Parses as ParseXmlText does: bytes that are no UTF-8 read as U+FFFD.
    int Parse(const char* text) override;

private:
    // The key element of the first element named section (below the root) that holds one.
    const TiXmlElement* FindKey(const wchar_t* section, const wchar_t* key) const;

    std::unique_ptr<TiXmlDocument> m_pDoc;  // never null
    std::string m_strFileName;
};

// One registered setting. The section pointer is kept, not copied: register with
// string literals. Exactly one bound variable is set; the first set one, in the order
// bool, int, double, string, gives the item's type.
struct CConfigItem
{
    const wchar_t* pSection = nullptr;
    std::wstring strKey;
    bool* pBool = nullptr;
    int* pInt = nullptr;
    double* pDouble = nullptr;
    std::wstring* pString = nullptr;
    bool bDefault = false;
    int nDefault = 0;
    double dDefault = 0.0;
    std::wstring strDefault;
    int nScale = 0;
    int nMin = 0;
    int nMax = 0;
    int nReserved = 0;       // given at registration, never read
    bool bReserved = false;  // given at registration, never read
};

// The process-wide settings registry. It owns its items and its store.
class CConfigManager
{
public:
    static CConfigManager& GetInstance();

    CConfigManager();
    ~CConfigManager();
    CConfigManager(const CConfigManager&) = delete;
    CConfigManager& operator=(const CConfigManager&) = delete;

    // The language id bound to "UIConfig"/"Lang": 0 English, 1 Chinese.
    int GetLangId() const { return m_nLangId; }
    void SetLangId(int nLangId) { m_nLangId = nLangId; }

    // Takes ownership of the store; a different store set before is deleted.
    void SetPersistent(IConfigPersistent* pPersistent);
    IConfigPersistent* GetPersistent() const { return m_pPersistent; }

    // Appends a new item. Only the int kind is registered by the program itself.
    void RegisterItem(const wchar_t* section, const wchar_t* key, int* pVariable, int nDefault, int nScale,
                      int nMin, int nMax, int nReserved, bool bReserved);
    void RegisterItem(const wchar_t* section, const wchar_t* key, bool* pVariable, bool bDefault);
    void RegisterItem(const wchar_t* section, const wchar_t* key, double* pVariable, double dDefault);
    void RegisterItem(const wchar_t* section, const wchar_t* key, std::wstring* pVariable,
                      const wchar_t* pDefault);

    // Registers "UIConfig"/"Lang" (bound to the language id, default 0, no clamping)
    // without reading it.
    void RegisterConfigItems();
    // Registers "UIConfig"/"Lang", then reads every item in registration order.
    // Called once, after the store is set.
    void LoadConfig();
    // Reads one item from the store into its variable (the default when there is no store).
    void ReadItem(CConfigItem* pItem);
    // Writes every item to "config.xml" in the working directory; never reports failure to
    // the caller: a save that fails writes one line on standard error naming the file and
    // the reason. The file is written whole under a unique name beside it and renamed over it
    // (SaveXmlFile), so a failed save, or one running at the same time, never leaves an
    // empty or partial file, and the next save removes what a killed one left. A "config.xml" there that
    // cannot be read or does not parse is not lost: it is renamed to "config.xml.bad" first and a line on
    // standard error says so; when that fails, or the file cannot even be looked at, nothing is saved.
    void SaveConfig() { WriteConfigFile(); }
    void WriteConfigFile();

    const std::list<CConfigItem*>& GetItems() const { return m_items; }

    // Test seam: frees every item and the store and sets the language id back to 0.
    void Reset();

private:
    int m_nLangId;
    std::list<std::wstring> m_listUnused;
    IConfigPersistent* m_pPersistent;
    std::list<CConfigItem*> m_items;
    std::wstring m_strUnused;
};

// The bytes of a hexadecimal text (pairs of digits, either case), as stored for the
// "LoginPsw" key. Decoding stops at the first pair that is incomplete or not hexadecimal.
std::string ConfigHexTextToBytes(const std::wstring& hexText);
