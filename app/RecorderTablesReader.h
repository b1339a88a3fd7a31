// Reads both recorder tables on a helper thread, so that their parsing overlaps the work its
// owner does meanwhile (the program starts it before the application object, and the main
// frame takes the tables when it loads them). Each table read ahead is handed over once, to
// the first load of the same path; any other load reads the file then, as
// LoadCapabilityTable and LoadModelTable do.
#pragma once

#include "app/recorder_tables.h"

#include <future>
#include <memory>
#include <string>

class CRecorderTablesReader
{
public:
    // Starts reading the two files. Where no thread can be made nothing is read ahead.
    CRecorderTablesReader(const std::string& capabilityPath, const std::string& modelPath);
    // Waits for a read still running.
    ~CRecorderTablesReader();
    CRecorderTablesReader(const CRecorderTablesReader&) = delete;
    CRecorderTablesReader& operator=(const CRecorderTablesReader&) = delete;

    // Fill table from the file at path and give the load's result: the table read ahead
    // when it was read from path and not taken yet (waiting for the read if need be),
    // otherwise the file read now.
    bool LoadCapabilityTable(const std::string& path, NVRCapabilityTable& table);
    bool LoadModelTable(const std::string& path, NVRModelTable& table);

private:
    struct Tables;
    // When path is readPath (a table read ahead and not taken yet): copies the table read to
    // table and its load's result to result, marks it taken and gives true.
    template <typename Table>
    bool Take(const std::string& path, std::string& readPath, Table Tables::*read, bool Tables::*loaded,
              Table& table, bool& result);

    std::string m_capabilityPath;  // empty once its table was taken
    std::string m_modelPath;
    std::future<std::unique_ptr<Tables>> m_read;
    std::unique_ptr<Tables> m_tables;
};
