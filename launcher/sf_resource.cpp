#include "launcher/sf_resource.h"

#include <cwchar>

namespace {
const SFResource* g_table = nullptr;
std::size_t g_count = 0;
}  // namespace

void SF_SetResourceTable(const SFResource* table, std::size_t count)
{
    g_table = table;
    g_count = table ? count : 0;
}

const SFResource* SF_FindResource(WORD id, const wchar_t* type)
{
    if (!type)
        return nullptr;
    for (std::size_t i = 0; i < g_count; ++i) {
        const SFResource& r = g_table[i];
        if (r.id == id && r.type && std::wcscmp(r.type, type) == 0)
            return &r;
    }
    return nullptr;
}

std::size_t SF_SizeofResource(const SFResource* resource)
{
    if (!resource || !resource->begin || resource->end < resource->begin)
        return 0;
    return static_cast<std::size_t>(resource->end - resource->begin);
}
