#include "tools/skin_painter/png_writer.h"

#include <QByteArray>
#include <QFile>

#include <cstdint>

namespace {

std::uint32_t crc32(const QByteArray& bytes)
{
    static std::uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        ready = true;
    }
    std::uint32_t c = 0xFFFFFFFFu;
    for (char b : bytes)
        c = table[(c ^ static_cast<unsigned char>(b)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void appendBigEndian(QByteArray& out, std::uint32_t v)
{
    out.append(static_cast<char>(v >> 24));
    out.append(static_cast<char>(v >> 16));
    out.append(static_cast<char>(v >> 8));
    out.append(static_cast<char>(v));
}

// One chunk: length, type, data, CRC of type and data.
void appendChunk(QByteArray& out, const char* type, const QByteArray& data)
{
    QByteArray typed(type, 4);
    typed.append(data);
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    out.append(typed);
    appendBigEndian(out, crc32(typed));
}

}  // namespace

bool writePng(const QString& path, const QImage& image)
{
    if (image.isNull())
        return false;
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const int w = rgba.width();
    const int h = rgba.height();

    QByteArray header;
    appendBigEndian(header, static_cast<std::uint32_t>(w));
    appendBigEndian(header, static_cast<std::uint32_t>(h));
    header.append(char(8));  // bits per sample
    header.append(char(6));  // RGBA
    header.append(char(0));  // deflate
    header.append(char(0));  // adaptive filtering (each row says "none")
    header.append(char(0));  // not interlaced

    QByteArray rows;
    rows.reserve(h * (1 + 4 * w));
    for (int y = 0; y < h; ++y) {
        rows.append(char(0));  // filter type none
        rows.append(reinterpret_cast<const char*>(rgba.constScanLine(y)), 4 * w);
    }
    // qCompress gives the zlib stream behind a four-byte length of its own.
    const QByteArray deflated = qCompress(rows, 9).mid(4);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", deflated);
    appendChunk(png, "IEND", QByteArray());

    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(png) == png.size() &&
           file.flush();
}
