// Small .xlsx workbooks for the tests, written from XML text into a zip container with
// libarchive: the parts a spreadsheet program writes for plain cell values (content types,
// relationships, workbook, shared strings, one part per sheet).
#pragma once

#include <archive.h>
#include <archive_entry.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace testutil {

// Writes the parts (name, content) as a deflated zip archive at path.
inline bool WriteZip(const std::string& path, const std::vector<std::pair<std::string, std::string>>& parts)
{
    struct archive* a = archive_write_new();
    bool ok = a && archive_write_set_format_zip(a) == ARCHIVE_OK &&
              archive_write_open_filename(a, path.c_str()) == ARCHIVE_OK;
    for (const auto& [name, content] : parts) {
        if (!ok)
            break;
        struct archive_entry* e = archive_entry_new();
        archive_entry_set_pathname(e, name.c_str());
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_perm(e, 0644);
        archive_entry_set_size(e, static_cast<la_int64_t>(content.size()));
        ok = archive_write_header(a, e) == ARCHIVE_OK &&
             archive_write_data(a, content.data(), content.size()) == static_cast<la_ssize_t>(content.size());
        archive_entry_free(e);
    }
    if (a) {
        ok = archive_write_close(a) == ARCHIVE_OK && ok;
        archive_write_free(a);
    }
    return ok;
}

inline std::string XmlEscaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// "A".."XFD" for column 1..16384.
inline std::string ColumnName(int column)
{
    std::string name;
    for (; column > 0; column = (column - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (column - 1) % 26));
    return name;
}

// A workbook made sheet by sheet. In a grid, cells[r][c] is the cell at row r + 1, column
// c + 1: "" writes no cell, a text that reads whole as a number a number cell, anything else
// a shared string.
class XlsxBuilder
{
public:
    using Grid = std::vector<std::vector<std::string>>;

    void AddSheet(const std::string& name, const Grid& cells)
    {
        std::string data;
        for (std::size_t r = 0; r < cells.size(); ++r) {
            std::string row;
            for (std::size_t c = 0; c < cells[r].size(); ++c) {
                const std::string& text = cells[r][c];
                if (text.empty())
                    continue;
                const std::string ref = ColumnName(static_cast<int>(c + 1)) + std::to_string(r + 1);
                char* end = nullptr;
                std::strtod(text.c_str(), &end);
                if (end && *end == '\0')
                    row += "<c r=\"" + ref + "\"><v>" + text + "</v></c>";
                else
                    row += "<c r=\"" + ref + "\" t=\"s\"><v>" + std::to_string(Shared(text)) + "</v></c>";
            }
            if (!row.empty())
                data += "<row r=\"" + std::to_string(r + 1) + "\">" + row + "</row>";
        }
        AddSheetData(name, data);
    }

    // A sheet from the XML of its sheetData element's content.
    void AddSheetData(const std::string& name, const std::string& sheetData)
    {
        AddSheetPart(name, "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                           "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                           "<sheetData>" +
                               sheetData + "</sheetData></worksheet>");
    }

    // A sheet from its whole part.
    void AddSheetPart(const std::string& name, const std::string& part) { m_sheets.push_back({name, part}); }

    // A chart sheet: a tab that shows a chart and holds no cells.
    void AddChartSheet(const std::string& name)
    {
        m_sheets.push_back({name,
                            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                            "<chartsheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                            "<sheetViews><sheetView workbookViewId=\"0\"/></sheetViews></chartsheet>"});
        m_chartSheets.insert(m_sheets.size() - 1);
    }

    // The tab (0-based) is saved hidden.
    void HideSheet(std::size_t tab) { m_hidden.insert(tab); }

    void SetActiveTab(int tab) { m_activeTab = tab; }

    // The index of a shared string, added when new.
    int Shared(const std::string& text)
    {
        const auto it = m_sharedIndex.find(text);
        if (it != m_sharedIndex.end())
            return it->second;
        m_shared.push_back(text);
        return m_sharedIndex[text] = static_cast<int>(m_shared.size() - 1);
    }

    std::vector<std::pair<std::string, std::string>> Parts() const
    {
        const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
        const std::string main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
        const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
        std::string types =
            head +
            "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
            "<Default Extension=\"rels\" "
            "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
            "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
            "<Override PartName=\"/xl/workbook.xml\" "
            "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>";
        std::string sheets;
        std::string rels =
            head + "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
        std::vector<std::pair<std::string, std::string>> parts;
        for (std::size_t i = 0; i < m_sheets.size(); ++i) {
            const std::string n = std::to_string(i + 1);
            const std::string kind = m_chartSheets.count(i) ? "chartsheet" : "worksheet";
            const std::string part = kind + "s/sheet" + n + ".xml";
            types += "<Override PartName=\"/xl/" + part +
                     "\" ContentType=\"application/"
                     "vnd.openxmlformats-officedocument.spreadsheetml." +
                     kind + "+xml\"/>";
            sheets += "<sheet name=\"" + XmlEscaped(m_sheets[i].first) + "\" sheetId=\"" + n +
                      (m_hidden.count(i) ? "\" state=\"hidden" : "") + "\" r:id=\"rId" + n + "\"/>";
            rels += "<Relationship Id=\"rId" + n + "\" Type=\"" + rel + "/" + kind + "\" Target=\"" + part +
                    "\"/>";
            parts.push_back({"xl/" + part, m_sheets[i].second});
        }
        rels += "<Relationship Id=\"rIdS\" Type=\"" + rel +
                "/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>";
        types += "</Types>";
        std::string strings =
            head + "<sst xmlns=\"" + main + "\" count=\"" + std::to_string(m_shared.size()) + "\">";
        for (const std::string& s : m_shared)
            strings += "<si><t>" + XmlEscaped(s) + "</t></si>";
        strings += "</sst>";

        parts.insert(
            parts.begin(),
            {{"[Content_Types].xml", types},
             {"_rels/.rels",
              head +
                  "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                  "<Relationship Id=\"rId1\" Type=\"" +
                  rel + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
             {"xl/workbook.xml", head + "<workbook xmlns=\"" + main + "\" xmlns:r=\"" + rel +
                                     "\"><bookViews><workbookView activeTab=\"" +
                                     std::to_string(m_activeTab) + "\"/></bookViews><sheets>" + sheets +
                                     "</sheets></workbook>"},
             {"xl/_rels/workbook.xml.rels", rels},
             {"xl/sharedStrings.xml", strings}});
        return parts;
    }

    bool Write(const std::string& path) const { return WriteZip(path, Parts()); }

private:
    std::vector<std::pair<std::string, std::string>> m_sheets;
    std::set<std::size_t> m_chartSheets;  // tabs
    std::set<std::size_t> m_hidden;       // tabs
    std::vector<std::string> m_shared;
    std::map<std::string, int> m_sharedIndex;
    int m_activeTab = 0;
};

}  // namespace testutil
