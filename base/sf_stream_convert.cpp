#include "base/sf_stream_convert.h"

#include "base/compat/sf_winapi.h"

#include <cstring>
#include <cwchar>

namespace SF_SOFT_BASE {

// Both code pages the program uses (65001 and 0) are UTF-8 here.

namespace {

char* NewMultiByte(const std::string& text)
{
    char* buffer = new char[text.size() + 1];
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    return buffer;
}

wchar_t* NewWide(const wchar_t* text, std::size_t length)
{
    wchar_t* buffer = new wchar_t[length + 1];
    if (length != 0)
        std::wmemcpy(buffer, text, length);
    buffer[length] = L'\0';
    return buffer;
}

}  // namespace

CSFStreamConvert::CSFStreamConvert() : m_pMultiByte(nullptr), m_pWideChar(nullptr) {}

CSFStreamConvert::CSFStreamConvert(const wchar_t* text, UINT codePage)
    : m_pMultiByte(nullptr),
      m_pWideChar(nullptr)
{
    WideToMultiByte(text, codePage);
}

CSFStreamConvert::CSFStreamConvert(const char* text, UINT codePage)
    : m_pMultiByte(nullptr),
      m_pWideChar(nullptr)
{
    MultiByteToWide(text, codePage);
}

CSFStreamConvert::~CSFStreamConvert() { Clear(); }

char* CSFStreamConvert::WideToMultiByte(const wchar_t* text, UINT /*codePage*/)
{
    Clear();
    if (text == nullptr)
        text = L"";
    const std::size_t length = std::wcslen(text);
    m_pWideChar = NewWide(text, length);
    m_pMultiByte = NewMultiByte(sfwin::WideToUtf8(text, length));
    return m_pMultiByte;
}

wchar_t* CSFStreamConvert::MultiByteToWide(const char* text, UINT /*codePage*/)
{
    Clear();
    if (text == nullptr)
        text = "";
    const std::size_t length = std::strlen(text);
    m_pMultiByte = NewMultiByte(std::string(text, length));
    const std::wstring wide = sfwin::Utf8ToWide(text, length);
    m_pWideChar = NewWide(wide.data(), wide.size());
    return m_pWideChar;
}

char* CSFStreamConvert::GetMultiByte() const { return m_pMultiByte; }

wchar_t* CSFStreamConvert::GetWideChar() const { return m_pWideChar; }

std::string CSFStreamConvert::GetString() const
{
    return m_pMultiByte ? std::string(m_pMultiByte) : std::string();
}

std::wstring CSFStreamConvert::GetWString() const
{
    return m_pWideChar ? std::wstring(m_pWideChar) : std::wstring();
}

void CSFStreamConvert::Clear()
{
    delete[] m_pMultiByte;
    m_pMultiByte = nullptr;
    delete[] m_pWideChar;
    m_pWideChar = nullptr;
}

}  // namespace SF_SOFT_BASE
