// The .xlsx reader over workbooks built from the fuzzer's text, so that mutations reach the
// XML parts and the cell reader instead of failing the container's checksums. The input is
// the parts as plain text, each opened by a line "@@ <part name>":
//
//     @@ xl/workbook.xml
//     <workbook ...>...</workbook>
//     @@ xl/worksheets/sheet1.xml
//     ...
//
// packed here into a stored (uncompressed) zip with correct checksums. An input that starts
// as a zip ("PK\3\4") is read as it is, so the container reader is fuzzed too. Whatever it
// reads, sheets, ranges and values stay inside their limits.
#include "app/XlsxWorkbook.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

std::uint32_t Crc32(std::string_view data)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const unsigned char ch : data)
        crc = table[(crc ^ ch) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void Put16(std::string& out, std::uint32_t v)
{
    out.push_back(static_cast<char>(v & 0xFFu));
    out.push_back(static_cast<char>((v >> 8) & 0xFFu));
}

void Put32(std::string& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFFu);
    Put16(out, v >> 16);
}

// The parts of the text form: (name, content) in their order.
std::vector<std::pair<std::string_view, std::string_view>> SplitParts(std::string_view text)
{
    static constexpr std::string_view kOpen = "@@ ";
    std::vector<std::pair<std::string_view, std::string_view>> parts;
    std::size_t at = text.compare(0, kOpen.size(), kOpen) == 0 ? 0 : text.find("\n@@ ");
    while (at != std::string_view::npos) {
        if (text[at] == '\n')
            ++at;
        const std::size_t nameStart = at + kOpen.size();
        const std::size_t nameEnd = std::min(text.find('\n', nameStart), text.size());
        const std::size_t next = nameEnd < text.size() ? text.find("\n@@ ", nameEnd) : std::string_view::npos;
        const std::size_t contentStart = std::min(nameEnd + 1, text.size());
        const std::size_t contentEnd = next == std::string_view::npos ? text.size() : next;
        parts.emplace_back(text.substr(nameStart, nameEnd - nameStart),
                           text.substr(contentStart, contentEnd - contentStart));
        at = next;
    }
    return parts;
}

// A stored zip of the parts, with correct checksums and sizes.
std::string StoredZip(const std::vector<std::pair<std::string_view, std::string_view>>& parts)
{
    std::string zip;
    std::string directory;
    std::uint32_t count = 0;
    for (const auto& [name, content] : parts) {
        if (name.size() > 0xFFFFu || count == 0xFFFFu)
            break;
        const std::uint32_t offset = static_cast<std::uint32_t>(zip.size());
        const std::uint32_t crc = Crc32(content);
        const std::uint32_t size = static_cast<std::uint32_t>(content.size());
        const std::uint32_t nameSize = static_cast<std::uint32_t>(name.size());
        Put32(zip, 0x04034B50u);  // local header
        Put16(zip, 10);           // version needed
        Put16(zip, 0);            // flags
        Put16(zip, 0);            // stored
        Put16(zip, 0);            // time
        Put16(zip, 0x5021);       // date: 2020-01-01
        Put32(zip, crc);
        Put32(zip, size);
        Put32(zip, size);
        Put16(zip, nameSize);
        Put16(zip, 0);  // extra
        zip.append(name);
        zip.append(content);

        Put32(directory, 0x02014B50u);  // central directory entry
        Put16(directory, 20);           // made by
        Put16(directory, 10);
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, 0x5021);
        Put32(directory, crc);
        Put32(directory, size);
        Put32(directory, size);
        Put16(directory, nameSize);
        Put16(directory, 0);  // extra
        Put16(directory, 0);  // comment
        Put16(directory, 0);  // disk
        Put16(directory, 0);  // internal attributes
        Put32(directory, 0);  // external attributes
        Put32(directory, offset);
        directory.append(name);
        ++count;
    }
    const std::uint32_t directoryOffset = static_cast<std::uint32_t>(zip.size());
    zip.append(directory);
    Put32(zip, 0x06054B50u);  // end of central directory
    Put16(zip, 0);
    Put16(zip, 0);
    Put16(zip, count);
    Put16(zip, count);
    Put32(zip, static_cast<std::uint32_t>(directory.size()));
    Put32(zip, directoryOffset);
    Put16(zip, 0);
    return zip;
}

void CheckWorkbook(const std::uint8_t* data, std::size_t size)
{
    CXlsxWorkbook wb;
    if (!wb.LoadFromMemory(data, size)) {
        if (wb.SheetCount() != 0)
            std::abort();
        return;
    }
    if (wb.SheetCount() > 0 && (wb.ActiveSheet() < 0 || wb.ActiveSheet() >= wb.SheetCount()))
        std::abort();
    for (int s = 0; s < wb.SheetCount(); ++s) {
        const CXlsxWorkbook::Range r = wb.UsedRange(s);
        if (r.firstRow < 1 || r.firstRow > r.lastRow || r.lastRow > CXlsxWorkbook::kMaxRow ||
            r.firstColumn < 1 || r.firstColumn > r.lastColumn || r.lastColumn > CXlsxWorkbook::kMaxColumn)
            std::abort();
        // The corner of the range and one cell outside it.
        for (int row = r.firstRow; row <= std::min(r.lastRow, r.firstRow + 31); ++row)
            for (int column = r.firstColumn; column <= std::min(r.lastColumn, r.firstColumn + 31); ++column)
                (void)wb.CellValue(s, row, column);
        if (wb.CellValue(s, r.lastRow + 1, r.lastColumn).type != CXlsxWorkbook::ValueType::Empty)
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size >= 4 && std::memcmp(data, "PK\3\4", 4) == 0) {
        CheckWorkbook(data, size);
        return 0;
    }
    const std::string zip =
        StoredZip(SplitParts(std::string_view(reinterpret_cast<const char*>(data), size)));
    // A copy of exactly the container's size, so a read past its end shows under a sanitizer.
    const std::vector<std::uint8_t> bytes(zip.begin(), zip.end());
    CheckWorkbook(bytes.data(), bytes.size());
    return 0;
}
