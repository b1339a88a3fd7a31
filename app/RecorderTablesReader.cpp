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

CRecorderTablesReader::CRecorderTablesReader() = default;

CRecorderTablesReader::~CRecorderTablesReader()
{
    if (m_read.valid())
        m_read.wait();
}

void CRecorderTablesReader::Start(const std::string& capabilityPath, const std::string& modelPath)
{
    if (m_read.valid())
        m_read.wait();
    m_read = std::future<std::unique_ptr<Tables>>();
    m_tables.reset();
    m_capabilityPath.clear();
    m_modelPath.clear();
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

CRecorderTablesReader::Tables* CRecorderTablesReader::Finished()
{
    if (m_read.valid())
        m_tables = m_read.get();
    return m_tables.get();
}

void CRecorderTablesReader::ReleaseTaken()
{
    if (m_capabilityPath.empty() && m_modelPath.empty())
        m_tables.reset();
}

bool CRecorderTablesReader::LoadCapabilityTable(const std::string& path, NVRCapabilityTable& table)
{
    if (!m_capabilityPath.empty() && path == m_capabilityPath) {
        m_capabilityPath.clear();
        if (Tables* tables = Finished()) {
            std::memcpy(&table, &tables->capability, sizeof(table));
            const bool loaded = tables->capabilityLoaded;
            ReleaseTaken();
            return loaded;
        }
    }
    return ::LoadCapabilityTable(path, table);
}

bool CRecorderTablesReader::LoadModelTable(const std::string& path, NVRModelTable& table)
{
    if (!m_modelPath.empty() && path == m_modelPath) {
        m_modelPath.clear();
        if (Tables* tables = Finished()) {
            std::memcpy(&table, &tables->models, sizeof(table));
            const bool loaded = tables->modelsLoaded;
            ReleaseTaken();
            return loaded;
        }
    }
    return ::LoadModelTable(path, table);
}
