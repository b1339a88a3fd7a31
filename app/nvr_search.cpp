#include "app/nvr_search.h"

#include "base/compat/sf_winapi.h"
#include "base/number_text.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <cwchar>

namespace {

// The four bytes "N/A" and its terminator.
bool IsNotAvailable(const char (&value)[sizeof(NVRCapabilitySlot::value)])
{
    return std::memcmp(value, "N/A", 4) == 0;
}

const char* ThresholdText(int nSeries)
{
    switch (nSeries) {
    case 2:
        return "16";
    case 4:
        return "48";
    case 5:
        return "80";
    default:
        return "";
    }
}

}  // namespace

int NvrCapabilitySlotIndex(int nResolution, int nFrameRate)
{
    if (nResolution < 0)
        nResolution = 0;
    if (nFrameRate < 0)
        nFrameRate = 0;
    if (nResolution >= kRecorderResolutionCount || nFrameRate >= kRecorderFrameRateCount)
        return -1;
    return nResolution * kRecorderFrameRateCount + nFrameRate;
}

int NvrSeriesThreshold(int nSeries)
{
    switch (nSeries) {
    case 2:
        return 16;
    case 4:
        return 48;
    case 5:
        return 80;
    default:
        return 0;
    }
}

void SearchRecorders(const NVRCapabilityTable& capability, const NVRModelTable& models,
                     const NvrSearchQuery& query, std::vector<NVRSearchResult>& results)
{
    results.clear();
    const int k = NvrCapabilitySlotIndex(query.nResolution, query.nFrameRate);
    if (k < 0)
        return;

    const int D = query.nDecodeChannels;
    NVRSearchResult scratch;
    std::memset(&scratch, 0, sizeof(scratch));

    for (int s = 0; s < kRecorderSeriesCount; ++s) {
        const NVRCapabilitySlot& slot = capability[s].slot[k];
        if (IsNotAvailable(slot.value))
            continue;

        const char* decode = nullptr;
        std::size_t decodeRoom = 0;
        const int threshold = NvrSeriesThreshold(s);
        if (threshold != 0 && slot.flag == 1) {
            if (D > threshold)
                continue;
            decode = ThresholdText(s);
            decodeRoom = std::strlen(decode);
        } else {
            if (VesperonBase::AToIBounded(slot.value, sizeof(slot.value)) < D)
                continue;
            decode = slot.value;
            decodeRoom = sizeof(slot.value);
        }

        for (int r = 0; r < kModelRowsPerGroup; ++r) {
            const NVRSpecItem& row = models[s][r];
            if (row.Model[0] == 0)
                continue;
            if (query.bHddFilter && row.MaxHdd < query.nHddBays)
                continue;
            if (query.bChannelFilter && row.MaxChannel < query.nInputChannels)
                continue;

            scratch.item = row;
            VesperonBase::CopyBounded(scratch.type, slot.type, 31);
            VesperonBase::CopyBoundedChars(scratch.decode, sizeof(scratch.decode), decode,
                                           decodeRoom < 49 ? decodeRoom : 49);
            results.push_back(scratch);
        }
    }
}

int NvrPageCount(std::size_t nResults)
{
    const std::size_t pages = nResults / kNvrResultsPerPage + (nResults % kNvrResultsPerPage ? 1 : 0);
    return pages > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(pages);
}

int NvrItemsOnPage(std::size_t nResults, int nPage)
{
    if (nPage <= 0)
        return 0;
    const unsigned long long first = static_cast<unsigned long long>(nPage - 1) * kNvrResultsPerPage;
    if (first >= nResults)
        return 0;
    const unsigned long long left = nResults - first;
    return left < kNvrResultsPerPage ? static_cast<int>(left) : kNvrResultsPerPage;
}

std::wstring NvrWideText(const char* utf8, std::size_t maxBytes)
{
    const std::string text(utf8 ? utf8 : "", VesperonBase::BoundedLength(utf8, maxBytes));
    return sfwin::Utf8ToWide(text);
}

std::wstring NvrFormatInt(int value)
{
    wchar_t buffer[32] = L"";
    std::swprintf(buffer, sizeof(buffer) / sizeof(buffer[0]), L"%d", value);
    return buffer;
}

std::wstring NvrCapacityText(const NVRSpecItem& item)
{
    return L"  - up to " + NvrFormatInt(item.MaxChannel) + L" ch";
}

void NvrFormatDetails(const NVRSpecItem& item, std::wstring (&details)[kNvrDetailCount])
{
    details[0] = NvrWideText(item.Model);
    details[1] = NvrWideText(item.QZModel);
    details[2] = NvrFormatInt(item.MaxChannel);
    details[3] = NvrFormatInt(item.MaxHdd) + L" x 4TB";
    details[4] = NvrFormatInt(item.BandWidth) + L"Mbps/s";
}
