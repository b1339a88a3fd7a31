// The recorder tables: the capability of every recorder series at each resolution and
// frame rate, and the models of each series. Both live in XML files beside the program
// ("Tessaly.xml" and "NVRSpec.xml"); this module reads and writes them over explicit
// paths and needs no widgets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// One cell of the capability table: which series it belongs to and how many channels
// that series decodes at the cell's resolution and frame rate.
struct NVRCapabilitySlot
{
    char type[32];   // series name, the same in all 60 slots of a series
    char value[52];  // decimal channel count, "N/A", or ">16", ">48", ">80"
    int32_t flag;    // 1 when the slot holds a "more than" value used as a threshold
};

enum : int
{
    kRecorderSeriesCount = 6,       // series in the capability table / groups in the model table
    kRecorderResolutionCount = 10,  // resolution index r
    kRecorderFrameRateCount = 6,    // frame-rate index f
    kCapabilitySlotCount = 60,      // slot k = r * 6 + f
    kModelRowsPerGroup = 60,
};

struct NVRSeriesCapability
{
    NVRCapabilitySlot slot[kCapabilitySlotCount];  // in slot order
};

// One recorder model. A row whose Model is empty is an empty row.
struct NVRSpecItem
{
    char Model[32];
    char QZModel[32];           // the maker's own model code
    int32_t MaxChannel;         // channels
    int32_t MaxHdd;             // disk bays
    int32_t BandWidth;          // incoming bandwidth, Mbps
    char PictureName[32];       // skin picture of the model
    char FramePictureName[32];  // the same picture with a selection frame
};

// One hit of a search.
struct NVRSearchResult
{
    char type[32];
    char decode[52];
    NVRSpecItem item;
};

// Series 0..5 in file order.
typedef NVRSeriesCapability NVRCapabilityTable[kRecorderSeriesCount];
// Group g (the models of series g), row 0..59.
typedef NVRSpecItem NVRModelTable[kRecorderSeriesCount][kModelRowsPerGroup];

// The attribute name of each capability slot, in slot order.
extern const char* const kCapabilityAttributeNames[kCapabilitySlotCount];

// Fills the six capability records from the file at path (UTF-8). The table is zeroed
// first, and stays zeroed when the file is missing, is no regular file, is too large or does
// not parse; then one line naming the file and the reason (the parser's error when it was
// read) goes to standard error and the result is false. Bytes that are no UTF-8 read as U+FFFD.
// Series elements are stored in order until one lacks the "type" attribute or one of the 60
// capability attributes; elements after the sixth are checked but not stored. Flags are set
// at the fixed "more than" slots of series 2, 4 and 5 only. Texts are cut to fit their
// fields on a UTF-8 character boundary.
bool LoadCapabilityTable(const std::string& path, NVRCapabilityTable& table);

// Fills the model table from the file at path (UTF-8), read as the capability table is.
// Zeroes the table first; a file that cannot be loaded leaves it zeroed, reports one line on
// standard error and gives false. Group g
// fills rows g*60.., rows past 60 and groups past 6 are ignored, a missing attribute loads
// as an empty text or 0, and texts are cut to fit their fields on a UTF-8 boundary.
bool LoadModelTable(const std::string& path, NVRModelTable& table);

// Write the tables to path through SaveXmlFile: a failed save (result false) keeps the old
// file as it was, and the new file keeps the old one's permissions.
bool SaveCapabilityTable(const std::string& path, const NVRCapabilityTable& table);
bool SaveModelTable(const std::string& path, const NVRModelTable& table);

// Copies text into a field of size bytes: at most size - 1 bytes, cut before a UTF-8
// character that would not fit whole, terminated, the rest of the field filled with NULs.
// A null text counts as empty.
void CopyRecorderText(char* field, std::size_t size, const char* text);
