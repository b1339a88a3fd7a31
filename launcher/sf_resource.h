// A tiny resource table for the launcher: blobs linked into the program, found by
// numeric id and type name the way the launcher always looked its archive up.
#pragma once

#include "base/compat/sf_wintypes.h"

#include <cstddef>

struct SFResource
{
    const wchar_t* type;         // e.g. L"ZIP"
    WORD id;                     // e.g. 102
    const unsigned char* begin;  // first byte
    const unsigned char* end;    // one past the last byte
};

// Installs the table the lookups search (the program installs its generated table
// at start-up; tests install their own). The table must outlive every lookup.
void SF_SetResourceTable(const SFResource* table, std::size_t count);

// The resource with that id and type (type compared exactly), or nullptr.
const SFResource* SF_FindResource(WORD id, const wchar_t* type);

// Its size in bytes (0 for nullptr).
std::size_t SF_SizeofResource(const SFResource* resource);
