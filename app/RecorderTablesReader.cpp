#include "app/RecorderTablesReader.h"

#include <cstring>
#include <system_error>

struct CRecorderTablesReader::Tables
{
    NVRCapabilityTable capability;
    NVRModelTable models;
    bool capabilityLoaded = false;
    bool modelsLoaded = false;
};

CRecorderTablesReader::CRecorderTablesReader(const std::string& capabilityPath, const std::string& modelPath)
{
    try {
        m_read = std::async(std::launch::async, [capabilityPath, modelPath] {
            std::unique_ptr<Tables> tables(new Tables);
            tables->capabilityLoaded = ::LoadCapabilityTable(capabilityPath, tables->capability);
            tables->modelsLoaded = ::LoadModelTable(modelPath, tables->models);
            return tables;
        });
    } catch (const std::system_error&) {
        return;  // no thread: every load reads its file
    }
    m_capabilityPath = capabilityPath;
    m_modelPath = modelPath;
}

CRecorderTablesReader::~CRecorderTablesReader()
{
    if (m_read.valid())
        m_read.wait();
}

template <typename Table>
bool CRecorderTablesReader::Take(const std::string& path, std::string& readPath, Table Tables::*read,
                                 bool Tables::*loaded, Table& table, bool& result)
{
    if (readPath.empty() || path != readPath)
        return false;
    readPath.clear();
    // A path is kept only while its table is read or waits to be taken: the tables exist.
    if (m_read.valid())
        m_tables = m_read.get();
    std::memcpy(&table, &(m_tables.get()->*read), sizeof(Table));
    result = m_tables.get()->*loaded;
    if (m_capabilityPath.empty() && m_modelPath.empty())
        m_tables.reset();  // both were taken
    return true;
}

bool CRecorderTablesReader::LoadCapabilityTable(const std::string& path, NVRCapabilityTable& table)
{
    bool loaded = false;
    if (Take(path, m_capabilityPath, &Tables::capability, &Tables::capabilityLoaded, table, loaded))
        return loaded;
    return ::LoadCapabilityTable(path, table);
}

bool CRecorderTablesReader::LoadModelTable(const std::string& path, NVRModelTable& table)
{
    bool loaded = false;
    if (Take(path, m_modelPath, &Tables::models, &Tables::modelsLoaded, table, loaded))
        return loaded;
    return ::LoadModelTable(path, table);
}
