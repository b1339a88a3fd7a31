// Reading and writing the recorder tables with TinyXML.
#include "app/recorder_tables.h"

#include "base/number_text.h"
#include "base/xml_file.h"

#include <tinyxml.h>

#include <cstdio>
#include <cstring>

// Slot k = resolution r * 6 + frame rate f; in each row the frame rates 30, 25, 20, 15, 10, 5.
const char* const kCapabilityAttributeNames[kCapabilitySlotCount] = {
    // resolution 0
    "Thi_fps_Twe_mp_FixedFocus",
    "Twf_fps_Twe_mp_FixedFocus",
    "Tw_fps_Twe_mp_FixedFocus",
    "Fif_fps_Twe_mp_FixedFocus",
    "Ten_fps_Twe_mp_FixedFocus",
    "Fiv_fps_Twe_mp_FixedFocus",
    // resolution 1
    "Thi_fps_Twe_mp_ChangeFocus",
    "Twf_fps_Twe_mp_ChangeFocus",
    "Tw_fps_Twe_mp_ChangeFocus",
    "Fif_fps_Twe_mp_ChangeFocus",
    "Ten_fps_Twe_mp_ChangeFocus",
    "Fiv_fps_Twe_mp_ChangeFocus",
    // resolution 2
    "THi_fps_Eig_mp",
    "Twf_fps_Eig_mp",
    "Tw_fps_Eig_mp",
    "Fif_fps_Eig_mp",
    "Ten_fps_Eig_mp",
    "Fiv_fps_Eig_mp",
    // resolution 3
    "Thi_fps_Six_mp",
    "Twf_fps_Six_mp",
    "Tw_fps_Six_mp",
    "Fif_fps_Six_mp",
    "Ten_fps_Six_mp",
    "Fiv_fps_Six_mp",
    // resolution 4
    "Thi_fps_Fiv_mp",
    "Twf_fps_Fiv_mp",
    "Tw_fps_Fiv_mp",
    "Fif_fps_Fiv_mp",
    "Ten_fps_Fiv_mp",
    "Fiv_fps_Fiv_mp",
    // resolution 5
    "Thi_fps_Fou_mp",
    "Twf_fps_Fou_mp",
    "Tw_fps_Fou_mp",
    "Fif_fps_Fou_mp",
    "Ten_fps_Fou_mp",
    "Fiv_fps_Fou_mp",
    // resolution 6
    "Thi_fps_Thr_mp",
    "Twf_fps_Thr_mp",
    "Tw_fps_Thr_mp",
    "Fif_fps_Thr_mp",
    "Ten_fps_Thr_mp",
    "Fiv_fps_Thrmp",
    // resolution 7
    "Thi_fps_Sec_mp",
    "Twf_fps_Sec_mp",
    "Tw_fps_Sec_mp",
    "Fif_fps_Sec_mp",
    "Ten_fps_Sec_mp",
    "Fiv_fps_Sec_mp",
    // resolution 8
    "Thi_fps_Opt_mp",
    "Twf_fps_Opt_mp",
    "Tw_fps_Opt_mp",
    "Fif_fps_Opt_mp",
    "Ten_fps_Opt_mp",
    "Fiv_fps_Opt_mp",
    // resolution 9
    "Thi_fps_One_mp",
    "Twf_fps_One_mp",
    "Tw_fps_One_mp",
    "Fif_fps_One_mp",
    "Ten_fps_One_mp",
    "Fivfps_One_mp",
};

namespace {

// The "more than" cells: series, text and the slots where the loader sets the flag.
// They are tied to the series position, not read from the data.
const int kSeries2Slots[] = {47, 52, 53, 57, 58, 59};
const int kSeries4Slots[] = {41, 46, 47, 51, 52, 53, 57, 58, 59};
const int kSeries5Slots[] = {35, 41, 47, 51, 52, 53, 56, 57, 58, 59};

struct ThresholdRule
{
    int series;
    const char* text;
    const int* slots;
    std::size_t count;
};

const ThresholdRule kThresholdRules[] = {
    {2, ">16", kSeries2Slots, sizeof kSeries2Slots / sizeof kSeries2Slots[0]},
    {4, ">48", kSeries4Slots, sizeof kSeries4Slots / sizeof kSeries4Slots[0]},
    {5, ">80", kSeries5Slots, sizeof kSeries5Slots / sizeof kSeries5Slots[0]},
};

template <std::size_t N>
void CopyField(char (&field)[N], const char* text)
{
    CopyRecorderText(field, N, text);
}

template <std::size_t N>
std::string FieldText(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

// Parses the file at path into doc. On failure writes one line to standard error naming
// the file and why it was not loaded (the parser's error with its position, or the nesting
// bound, when it was read), and gives false.
bool ReadDocument(const std::string& path, TiXmlDocument& doc, const char* what)
{
    using VesperonBase::XmlFileStatus;
    std::string reason;
    // The library picks the encoding from a byte-order mark or the XML declaration.
    const XmlFileStatus status = VesperonBase::LoadXmlFile(path, doc, TIXML_DEFAULT_ENCODING, &reason);
    if (status == XmlFileStatus::kNotRegularFile || status == XmlFileStatus::kUnreadable ||
        status == XmlFileStatus::kMalformed) {
        std::fprintf(stderr, "Tessaly: %s \"%s\" not loaded: %s\n", what, path.c_str(), reason.c_str());
        return false;
    }
    if (status != XmlFileStatus::kLoaded) {
        std::fprintf(stderr, "Tessaly: %s \"%s\" not loaded: %s (row %d, column %d)\n", what, path.c_str(),
                     doc.ErrorDesc(), doc.ErrorRow(), doc.ErrorCol());
        return false;
    }
    if (doc.RootElement() == nullptr) {
        std::fprintf(stderr, "Tessaly: %s \"%s\" not loaded: no root element\n", what, path.c_str());
        return false;
    }
    return true;
}

bool HasAllCapabilityAttributes(const TiXmlElement* e)
{
    if (e->Attribute("type") == nullptr)
        return false;
    for (const char* name : kCapabilityAttributeNames) {
        if (e->Attribute(name) == nullptr)
            return false;
    }
    return true;
}

}  // namespace

void CopyRecorderText(char* field, std::size_t size, const char* text)
{
    if (field == nullptr || size == 0)
        return;
    std::size_t n = text ? std::strlen(text) : 0;
    if (n > size - 1) {
        // Cut at size - 1 bytes, but not inside a character: when the first byte left out
        // continues a character that started before the cut, leave out that whole character.
        const std::size_t cut = size - 1;
        auto continuation = [&](std::size_t i) {
            return (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        };
        n = cut;
        if (continuation(cut)) {
            std::size_t start = cut;
            while (start > 0 && cut - start < 3 && continuation(start))
                --start;
            const unsigned char lead = static_cast<unsigned char>(text[start]);
            const std::size_t len = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            if (lead >= 0xC0 && start + len > cut)
                n = start;  // otherwise not UTF-8 here: a plain byte cut
        }
    }
    if (n > 0)
        std::memcpy(field, text, n);
    std::memset(field + n, 0, size - n);
}

bool LoadCapabilityTable(const std::string& path, NVRCapabilityTable& table)
{
    std::memset(table, 0, sizeof table);

    TiXmlDocument doc;
    if (!ReadDocument(path, doc, "capability table"))
        return false;

    int n = 0;
    for (const TiXmlElement* e = doc.RootElement()->FirstChildElement(); e;
         e = e->NextSiblingElement(), ++n) {
        if (!HasAllCapabilityAttributes(e))
            break;
        if (n >= kRecorderSeriesCount)
            continue;
        NVRSeriesCapability& series = table[n];
        const char* type = e->Attribute("type");
        for (int k = 0; k < kCapabilitySlotCount; ++k) {
            CopyField(series.slot[k].type, type);
            CopyField(series.slot[k].value, e->Attribute(kCapabilityAttributeNames[k]));
        }
    }

    for (const ThresholdRule& rule : kThresholdRules) {
        NVRSeriesCapability& series = table[rule.series];
        for (std::size_t i = 0; i < rule.count; ++i) {
            NVRCapabilitySlot& s = series.slot[rule.slots[i]];
            if (std::strcmp(s.value, rule.text) == 0)
                s.flag = 1;
        }
    }
    return true;
}

bool LoadModelTable(const std::string& path, NVRModelTable& table)
{
    std::memset(table, 0, sizeof table);

    TiXmlDocument doc;
    if (!ReadDocument(path, doc, "model table"))
        return false;

    int g = 0;
    for (const TiXmlElement* group = doc.RootElement()->FirstChildElement();
         group && g < kRecorderSeriesCount; group = group->NextSiblingElement(), ++g) {
        int r = 0;
        for (const TiXmlElement* row = group->FirstChildElement(); row && r < kModelRowsPerGroup;
             row = row->NextSiblingElement(), ++r) {
            NVRSpecItem& item = table[g][r];
            CopyField(item.Model, row->Attribute("Model"));
            CopyField(item.QZModel, row->Attribute("QZModel"));
            item.MaxChannel = VesperonBase::AToI(row->Attribute("MaxChannel"));
            item.MaxHdd = VesperonBase::AToI(row->Attribute("MaxHdd"));
            item.BandWidth = VesperonBase::AToI(row->Attribute("BandWidth"));
            CopyField(item.PictureName, row->Attribute("PictureName"));
            CopyField(item.FramePictureName, row->Attribute("FramePictureName"));
        }
    }
    return true;
}

bool SaveCapabilityTable(const std::string& path, const NVRCapabilityTable& table)
{
    TiXmlDocument doc;
    TiXmlElement* root = new TiXmlElement("xml");
    doc.LinkEndChild(root);
    for (const NVRSeriesCapability& series : table) {
        TiXmlElement* e = new TiXmlElement("Item");
        e->SetAttribute("type", FieldText(series.slot[0].type));
        for (int k = 0; k < kCapabilitySlotCount; ++k)
            e->SetAttribute(kCapabilityAttributeNames[k], FieldText(series.slot[k].value));
        root->LinkEndChild(e);
    }
    return VesperonBase::SaveXmlFile(path, doc);
}

bool SaveModelTable(const std::string& path, const NVRModelTable& table)
{
    TiXmlDocument doc;
    TiXmlElement* root = new TiXmlElement("xml");
    doc.LinkEndChild(root);
    for (const auto& rows : table) {
        TiXmlElement* group = new TiXmlElement("Item");
        for (const NVRSpecItem& item : rows) {
            TiXmlElement* e = new TiXmlElement("Item");
            e->SetAttribute("Model", FieldText(item.Model));
            e->SetAttribute("QZModel", FieldText(item.QZModel));
            e->SetAttribute("MaxChannel", item.MaxChannel);
            e->SetAttribute("MaxHdd", item.MaxHdd);
            e->SetAttribute("BandWidth", item.BandWidth);
            e->SetAttribute("PictureName", FieldText(item.PictureName));
            e->SetAttribute("FramePictureName", FieldText(item.FramePictureName));
            group->LinkEndChild(e);
        }
        root->LinkEndChild(group);
    }
    return VesperonBase::SaveXmlFile(path, doc);
}
