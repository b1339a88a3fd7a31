// One text held as multibyte and wide buffers.
#pragma once

#include "base/compat/sf_wintypes.h"

#include <string>

namespace SF_SOFT_BASE {

// Holds one text as multibyte (char) and wide (wchar_t) buffers and converts between
// them in code page 65001 (UTF-8) or 0 (the local code page, also UTF-8 here).
class CSFStreamConvert
{
public:
    CSFStreamConvert();
    CSFStreamConvert(const wchar_t* text, UINT codePage);
    CSFStreamConvert(const char* text, UINT codePage);
    virtual ~CSFStreamConvert();
    CSFStreamConvert(const CSFStreamConvert&) = delete;
    CSFStreamConvert& operator=(const CSFStreamConvert&) = delete;

    char* WideToMultiByte(const wchar_t* text, UINT codePage);
    wchar_t* MultiByteToWide(const char* text, UINT codePage);

    char* GetMultiByte() const;
    wchar_t* GetWideChar() const;
    std::string GetString() const;
    std::wstring GetWString() const;
    void Clear();

private:
    char* m_pMultiByte;
    wchar_t* m_pWideChar;
};

}  // namespace SF_SOFT_BASE
