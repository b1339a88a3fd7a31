// A small pair of recorder tables for the search tests. Every capability slot is "N/A"
// except slot 47 (resolution 7, frame rate 5), whose six series hold
//   S0 "64", S1 "N/A", S2 ">16" (flagged), S3 ">80" (series 3 has no threshold),
//   S4 ">48" (flagged), S5 "24" (a plain number in a slot that could be flagged),
// and the model table holds
//   group 0: A-8 (8 ch, 1 bay, 80), A-32 (32, 4, 160), an empty row, A-64 (64, 2, 256)
//   group 1: B-256   group 2: C-256   group 3: D-128
//   group 4: E-64 (64, 8, 256), E-16 (16, 8, 128)
//   group 5: F-128 (128, 16, 320), F-256 (256, 24, 512)
// with QZModel "QZ-" + Model and pictures "S<g>_<r+1>.png" / "S<g>_<r+1>_Frame.png".
// The capability table goes through the writer and the loader, so its flags are the ones
// the loader sets.
#pragma once

#include "app/recorder_tables.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <string>

namespace NvrFixture {

constexpr int kResolution = 7;
constexpr int kFrameRate = 5;
constexpr int kSlot = kResolution * 6 + kFrameRate;  // 47

inline void SetText(char* field, std::size_t size, const std::string& text)
{
    CopyRecorderText(field, size, text.c_str());
}

inline void AddModel(NVRModelTable& models, int g, int r, const std::string& name, int channels, int hdd,
                     int bandwidth)
{
    NVRSpecItem& item = models[g][r];
    SetText(item.Model, sizeof(item.Model), name);
    SetText(item.QZModel, sizeof(item.QZModel), "QZ-" + name);
    item.MaxChannel = channels;
    item.MaxHdd = hdd;
    item.BandWidth = bandwidth;
    const std::string base = "S" + std::to_string(g) + "_" + std::to_string(r + 1);
    SetText(item.PictureName, sizeof(item.PictureName), base + ".png");
    SetText(item.FramePictureName, sizeof(item.FramePictureName), base + "_Frame.png");
}

inline void BuildModels(NVRModelTable& models)
{
    std::memset(&models, 0, sizeof(models));
    AddModel(models, 0, 0, "A-8", 8, 1, 80);
    AddModel(models, 0, 1, "A-32", 32, 4, 160);
    AddModel(models, 0, 3, "A-64", 64, 2, 256);
    AddModel(models, 1, 0, "B-256", 256, 24, 512);
    AddModel(models, 2, 0, "C-256", 256, 24, 512);
    AddModel(models, 3, 0, "D-128", 128, 8, 320);
    AddModel(models, 4, 0, "E-64", 64, 8, 256);
    AddModel(models, 4, 1, "E-16", 16, 8, 128);
    AddModel(models, 5, 0, "F-128", 128, 16, 320);
    AddModel(models, 5, 1, "F-256", 256, 24, 512);
}

// The capability table as written in memory, before loading (flags all 0).
inline void BuildCapabilityRaw(NVRCapabilityTable& table)
{
    static const char* const kSlot47[6] = {"64", "N/A", ">16", ">80", ">48", "24"};
    std::memset(&table, 0, sizeof(table));
    for (int s = 0; s < 6; ++s) {
        for (int k = 0; k < 60; ++k) {
            NVRCapabilitySlot& slot = table[s].slot[k];
            SetText(slot.type, sizeof(slot.type), "S" + std::to_string(s));
            SetText(slot.value, sizeof(slot.value), k == kSlot ? kSlot47[s] : "N/A");
        }
    }
}

// Writes the raw table and loads it back, so the flags are set as the program sets them.
// False when the round trip failed.
inline bool BuildCapability(NVRCapabilityTable& table)
{
    NVRCapabilityTable raw;
    BuildCapabilityRaw(raw);
    QTemporaryDir dir;
    if (!dir.isValid())
        return false;
    const std::string path = dir.filePath(QStringLiteral("Tessaly.xml")).toStdString();
    return SaveCapabilityTable(path, raw) && LoadCapabilityTable(path, table);
}

}  // namespace NvrFixture
