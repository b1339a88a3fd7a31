// Language tables: every user-visible text is written in the code as its English key
// and translated through the language file of the current language id; Qt's own texts
// go through a QTranslator.
#pragma once

#include <string>

// The text of key in "Lang_<id>.xml" in the application folder, id being the settings
// registry's language id, or the key itself when the file has no entry for it.
// The table is reloaded on the first call after the id changed; a file that cannot be
// loaded is tried again on every call. The result (at most 1023 characters) sits in
// one of five rotating buffers and stays valid until five further calls: copy it at once.
const wchar_t* GetLangText(const wchar_t* key);
// The same text as GetLangText, copied: it stays valid whatever is looked up after it.
std::wstring GetLangString(const wchar_t* key);

// Installs the translator "Qt_Lang_<id>.qm" of the application folder, id being the
// language id the table last used (0 before the first lookup), in place of the one
// installed before. When the file does not load, the installed translator stays.
// Always returns true.
bool LoadQtTranslator();

// Test seam: empties the table, sets the cached id back to 0 and the ring to its first
// buffer, and removes and deletes the installed translator.
void ResetLangTable();
