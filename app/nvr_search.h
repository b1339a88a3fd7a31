// The recorder search without any widget: which models of the two recorder tables take a
// camera load, how the hits are paged, and the texts a hit is shown with. The search page
// reads its inputs from its controls and hands them to these functions.
#pragma once

#include "app/recorder_tables.h"

#include <cstddef>
#include <string>
#include <vector>

enum : int
{
    kNvrResultsPerPage = 6,
};

// One camera load and its two optional filters.
struct NvrSearchQuery
{
    int nResolution = 0;          // resolution index 0..9 (a negative index counts as 0)
    int nFrameRate = 0;           // frame-rate index 0..5 (a negative index counts as 0)
    int nDecodeChannels = 1;      // channels to decode (D)
    bool bHddFilter = false;      // disk-bay filter on
    int nHddBays = 1;             // disk bays wanted (B), tested only with the filter on
    bool bChannelFilter = false;  // input-channel filter on
    int nInputChannels = 1;       // input channels wanted (I), tested only with the filter on
};

// The capability slot of a resolution and frame-rate index: r * 6 + f, a negative index
// counting as 0. -1 when an index lies beyond the table.
int NvrCapabilitySlotIndex(int nResolution, int nFrameRate);

// The "more than" threshold of a series whose flagged slots hold ">16", ">48" or ">80"
// (series 2, 4, 5: 16, 48, 80); 0 for a series without one.
int NvrSeriesThreshold(int nSeries);

// Fills results with every model that takes the load, in series order and then table row
// order (the list is cleared first):
// - a series whose slot value is exactly "N/A" is skipped;
// - a flagged slot of series 2, 4 or 5 qualifies while D is at most the series' threshold,
//   with the threshold's digits as decode text; any other slot qualifies while its value,
//   read as an integer, is at least D, with the value as decode text;
// - within a qualifying series, empty rows are skipped, and the rows must have at least B
//   disk bays and at least I channels when those filters are on.
// Each hit carries the slot's series name (at most 31 bytes), the decode text (at most 49
// bytes) and a copy of the model row. A slot index beyond the table finds nothing.
void SearchRecorders(const NVRCapabilityTable& capability, const NVRModelTable& models,
                     const NvrSearchQuery& query, std::vector<NVRSearchResult>& results);

// Paging of n results, six to a page: pages = n / 6 rounded up (0 for none).
int NvrPageCount(std::size_t nResults);
// Results shown on 1-based page nPage: 6 on a full page, the remainder on the last one,
// 0 for page 0 or a page beyond the list.
int NvrItemsOnPage(std::size_t nResults, int nPage);

// Texts of a hit. Model texts are UTF-8 in their records and come out as wide text.
std::wstring NvrWideText(const char* utf8, std::size_t maxBytes);
template <std::size_t N>
inline std::wstring NvrWideText(const char (&field)[N])
{
    return NvrWideText(field, N);
}
// "%d" of value.
std::wstring NvrFormatInt(int value);
// The capacity label of a result slot: "  - up to " + MaxChannel + " ch".
std::wstring NvrCapacityText(const NVRSpecItem& item);

enum : int
{
    kNvrDetailCount = 5,
};
// The five figures of a model, in the order Model, QZ model, channels ("%d"), disk bays
// ("%d x 4TB"), bandwidth ("%dMbps/s").
void NvrFormatDetails(const NVRSpecItem& item, std::wstring (&details)[kNvrDetailCount]);
