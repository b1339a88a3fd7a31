#include "tools/skin_painter/gif_writer.h"

#include <QColor>
#include <QFile>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <map>
#include <unordered_map>

namespace {

class ByteSink
{
public:
    void byte(int b) { bytes.push_back(static_cast<char>(b & 0xFF)); }
    void word(int w)
    {
        byte(w);
        byte(w >> 8);
    }
    void text(const char* s)
    {
        while (*s)
            byte(*s++);
    }
    QByteArray bytes;
};

// Codes packed LSB first into 255-byte sub-blocks.
class CodeWriter
{
public:
    explicit CodeWriter(ByteSink& out) : m_out(out) {}
    void put(int code, int size)
    {
        m_acc |= static_cast<std::uint32_t>(code) << m_bits;
        m_bits += size;
        while (m_bits >= 8) {
            pushByte(static_cast<int>(m_acc & 0xFF));
            m_acc >>= 8;
            m_bits -= 8;
        }
    }
    void finish()
    {
        if (m_bits > 0)
            pushByte(static_cast<int>(m_acc & 0xFF));
        flushBlock();
        m_out.byte(0);
    }

private:
    void pushByte(int b)
    {
        m_block.push_back(static_cast<char>(b));
        if (m_block.size() == 255)
            flushBlock();
    }
    void flushBlock()
    {
        if (m_block.isEmpty())
            return;
        m_out.byte(static_cast<int>(m_block.size()));
        m_out.bytes.append(m_block);
        m_block.clear();
    }

    ByteSink& m_out;
    QByteArray m_block;
    std::uint32_t m_acc = 0;
    int m_bits = 0;
};

// Variable-length LZW as GIF decoders expect it: the code size grows once the next free code
// needs another bit, and a full table (4096 codes) is cleared.
void encodeLzw(const std::vector<std::uint8_t>& pixels, int minCodeSize, ByteSink& out)
{
    out.byte(minCodeSize);
    CodeWriter w(out);
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    int codeSize = minCodeSize + 1;
    int next = end + 1;
    std::unordered_map<std::uint32_t, int> table;
    w.put(clear, codeSize);
    int prefix = pixels.empty() ? 0 : pixels[0];
    for (std::size_t i = 1; i < pixels.size(); ++i) {
        const std::uint32_t key = (static_cast<std::uint32_t>(prefix) << 8) | pixels[i];
        const auto it = table.find(key);
        if (it != table.end()) {
            prefix = it->second;
            continue;
        }
        w.put(prefix, codeSize);
        table.emplace(key, next++);
        if (next == 4096) {
            w.put(clear, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            next = end + 1;
        } else if (next > (1 << codeSize)) {
            ++codeSize;
        }
        prefix = pixels[i];
    }
    w.put(prefix, codeSize);
    w.put(end, codeSize);
    w.finish();
}

}  // namespace

bool writeGif(const QString& path, const std::vector<QImage>& frames, int delayMs)
{
    if (frames.empty())
        return false;
    const QSize size = frames.front().size();

    std::vector<QImage> flat;
    std::map<QRgb, int> counts;
    for (const QImage& frame : frames) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.drawImage(0, 0, frame);
        p.end();
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                ++counts[img.pixel(x, y) | 0xFF000000u];
        flat.push_back(img);
    }

    std::vector<std::pair<int, QRgb>> byCount;
    for (const auto& [colour, n] : counts)
        byCount.push_back({-n, colour});
    std::sort(byCount.begin(), byCount.end());
    std::vector<QRgb> palette;
    for (std::size_t i = 0; i < byCount.size() && i < 256; ++i)
        palette.push_back(byCount[i].second);
    int paletteBits = 1;
    while ((1 << paletteBits) < static_cast<int>(palette.size()))
        ++paletteBits;

    std::unordered_map<QRgb, std::uint8_t> index;
    auto nearest = [&](QRgb c) {
        const auto it = index.find(c);
        if (it != index.end())
            return it->second;
        int best = 0;
        long bestDistance = -1;
        for (std::size_t i = 0; i < palette.size(); ++i) {
            const long dr = qRed(c) - qRed(palette[i]);
            const long dg = qGreen(c) - qGreen(palette[i]);
            const long db = qBlue(c) - qBlue(palette[i]);
            const long d = dr * dr + dg * dg + db * db;
            if (bestDistance < 0 || d < bestDistance) {
                bestDistance = d;
                best = static_cast<int>(i);
            }
        }
        index.emplace(c, static_cast<std::uint8_t>(best));
        return static_cast<std::uint8_t>(best);
    };

    ByteSink out;
    out.text("GIF89a");
    out.word(size.width());
    out.word(size.height());
    out.byte(0x80 | (7 << 4) | (paletteBits - 1));  // global palette, 8-bit colour
    out.byte(0);                                    // background colour index
    out.byte(0);                                    // square pixels
    for (int i = 0; i < (1 << paletteBits); ++i) {
        const QRgb c = i < static_cast<int>(palette.size()) ? palette[static_cast<std::size_t>(i)] : 0;
        out.byte(qRed(c));
        out.byte(qGreen(c));
        out.byte(qBlue(c));
    }
    // Loop for ever.
    out.byte(0x21);
    out.byte(0xFF);
    out.byte(11);
    out.text("NETSCAPE2.0");
    out.byte(3);
    out.byte(1);
    out.word(0);
    out.byte(0);

    for (const QImage& img : flat) {
        out.byte(0x21);  // graphic control: no disposal, the delay, no transparency
        out.byte(0xF9);
        out.byte(4);
        out.byte(1 << 2);
        out.word((delayMs + 5) / 10);
        out.byte(0);
        out.byte(0);
        out.byte(0x2C);  // the whole image, no palette of its own
        out.word(0);
        out.word(0);
        out.word(size.width());
        out.word(size.height());
        out.byte(0);
        std::vector<std::uint8_t> pixels;
        pixels.reserve(static_cast<std::size_t>(size.width() * size.height()));
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                pixels.push_back(nearest(img.pixel(x, y) | 0xFF000000u));
        encodeLzw(pixels, std::max(2, paletteBits), out);
    }
    out.byte(0x3B);

    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(out.bytes) == out.bytes.size() &&
           f.flush();
}
