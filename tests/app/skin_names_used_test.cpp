// Every skin picture the program names, in its code or in a shipped data file, is in the
// shipped Skin folder under exactly that spelling: file names are case-sensitive here, and
// a missing picture only shows as an empty control at run time.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

#include <map>
#include <string>
#include <vector>

namespace {

struct Literal
{
    QString text;
    int line;
};

bool IsIdentChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

// The string literals of a C++ source, narrow or with any encoding prefix, comments and
// character literals skipped; adjacent literals are joined as the compiler joins them.
// Escapes are kept as written (picture names hold none).
std::vector<Literal> StringLiterals(const QString& src)
{
    std::vector<Literal> out;
    bool joinable = false;  // only blanks and comments since the last literal
    int line = 1;
    const int n = src.size();
    int i = 0;
    auto skipTo = [&](const QString& end) {
        const int at = src.indexOf(end, i);
        const int stop = at < 0 ? n : at + end.size();
        line += src.mid(i, stop - i).count(QLatin1Char('\n'));
        i = stop;
    };
    while (i < n) {
        const QChar c = src[i];
        if (c == QLatin1Char('/') && i + 1 < n && src[i + 1] == QLatin1Char('/')) {
            skipTo(QStringLiteral("\n"));
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && src[i + 1] == QLatin1Char('*')) {
            i += 2;
            skipTo(QStringLiteral("*/"));
            continue;
        }
        if (c == QLatin1Char('\'')) {
            // A digit separator (1'000) is no character literal; a prefix (L'x') is.
            int p = i;
            while (p > 0 && IsIdentChar(src[p - 1]))
                --p;
            if (p < i && src[p].isDigit()) {
                ++i;
                continue;
            }
            for (++i; i < n && src[i] != QLatin1Char('\''); ++i)
                if (src[i] == QLatin1Char('\\'))
                    ++i;
            ++i;
            joinable = false;
            continue;
        }
        if (c == QLatin1Char('"')) {
            // The encoding prefix, and R for a raw literal.
            int p = i;
            while (p > 0 && IsIdentChar(src[p - 1]))
                --p;
            const QString prefix = src.mid(p, i - p);
            static const QStringList kPrefixes = {QString(), "L",  "u8",  "u",  "U",
                                                  "R",       "LR", "u8R", "uR", "UR"};
            if (!kPrefixes.contains(prefix)) {
                ADD_FAILURE() << "unexpected literal prefix " << prefix.toStdString() << " at line " << line;
                return out;
            }
            const int startLine = line;
            QString text;
            if (prefix.endsWith(QLatin1Char('R'))) {
                const int open = src.indexOf(QLatin1Char('('), i);
                const QString close = QLatin1Char(')') + src.mid(i + 1, open - i - 1) + QLatin1Char('"');
                const int end = src.indexOf(close, open);
                text = src.mid(open + 1, end - open - 1);
                line += src.mid(i, end + close.size() - i).count(QLatin1Char('\n'));
                i = end + close.size();
            } else {
                int j = i + 1;
                while (j < n && src[j] != QLatin1Char('"')) {
                    if (src[j] == QLatin1Char('\\'))
                        ++j;
                    ++j;
                }
                text = src.mid(i + 1, j - i - 1);
                i = j + 1;
            }
            if (joinable && !out.empty())
                out.back().text += text;
            else
                out.push_back({text, startLine});
            joinable = true;
            continue;
        }
        if (c == QLatin1Char('\n'))
            ++line;
        if (!c.isSpace() && !IsIdentChar(c))
            joinable = false;
        if (IsIdentChar(c)) {
            // An identifier right before a quote is its prefix, checked there.
            int j = i;
            while (j < n && IsIdentChar(src[j]))
                ++j;
            if (j >= n || src[j] != QLatin1Char('"'))
                joinable = false;
            i = j;
            continue;
        }
        ++i;
    }
    return out;
}

// The picture names sources use, each with the first place it was found. A literal ending
// in ".png" is a name and a path keeps its last part. A piece starting with '-' is the end
// of the names a button-picture helper composes from a prefix (PrefixedButtonPictures(L"help")
// gives "help-normal.png", ...): every such piece goes with every prefix passed to one.
class PictureNameScan
{
public:
    void Add(const QString& src, const QString& where)
    {
        static const QRegularExpression kComposer(
            QStringLiteral("\\b\\w*(?:ButtonPictures|ButtonStyle)\\(\\s*L\"([^\"]+)\"\\s*\\)"));
        for (auto it = kComposer.globalMatch(src); it.hasNext();)
            m_prefixes.insert(it.next().captured(1));
        for (const Literal& lit : StringLiterals(src)) {
            if (!lit.text.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
                continue;
            const QString at = where + QLatin1Char(':') + QString::number(lit.line);
            const QString name = lit.text.mid(lit.text.lastIndexOf(QLatin1Char('/')) + 1);
            if (name.startsWith(QLatin1Char('-')))
                m_pieces.emplace(name, at);
            else
                m_names.emplace(name, at);
        }
    }

    std::map<QString, QString> Names() const
    {
        std::map<QString, QString> names = m_names;
        for (const auto& [piece, at] : m_pieces) {
            EXPECT_FALSE(m_prefixes.isEmpty())
                << "name piece " << piece.toStdString() << " at " << at.toStdString()
                << ": the names it is part of are not known to this test";
            for (const QString& prefix : m_prefixes)
                names.emplace(prefix + piece, at);
        }
        return names;
    }

private:
    std::map<QString, QString> m_names;
    std::map<QString, QString> m_pieces;
    QSet<QString> m_prefixes;
};

QString ReadText(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(f.readAll());
}

}  // namespace

TEST(SkinNamesUsed, ScannerFindsNamesAsTheCompilerSeesThem)
{
    const QString src =
        QStringLiteral("// \"InComment.png\" and /* \"Block.png\" */\n"
                       "/* \"Block2.png\"\n */ const wchar_t* a = L\"Wide.png\";\n"
                       "const char* b = \"Narrow.png\"; char q = '\"'; int big = 1'000; auto r = u8'\"';\n"
                       "auto c = u8\"Utf8.png\"; auto d = R\"x(Raw\"y.png)x\";\n"
                       "auto e = L\"Split_\"  /* gap */ L\"Name.png\"; auto f = dir + L\"/Skin/ip.png\";\n"
                       "auto g = L\"not a picture.png.txt\"; auto h = L\"Upper.PNG\";\n"
                       "const wchar_t* k[] = {L\"-normal.png\"};\n");
    PictureNameScan scan;
    scan.Add(src, QStringLiteral("sample"));
    // The prefixes may come from another file than the pieces.
    scan.Add(QStringLiteral("s = PrefixedButtonPictures(L\"help\"); t = ButtonStyle( L\"min\" );"),
             QStringLiteral("caller"));
    std::vector<QString> got;
    for (const auto& [name, at] : scan.Names())
        got.push_back(name);
    const std::vector<QString> want = {"Narrow.png",      "Raw\"y.png", "Split_Name.png",
                                       "Upper.PNG",       "Utf8.png",   "Wide.png",
                                       "help-normal.png", "ip.png",     "min-normal.png"};
    EXPECT_EQ(got, want);
}

TEST(SkinNamesUsed, EveryNamedPictureShipsUnderItsExactName)
{
    const QDir skin(QStringLiteral(TESSALY_BIN_DIR "/Skin"));
    ASSERT_TRUE(skin.exists());
    const QStringList shipped = skin.entryList(QDir::Files);
    const QSet<QString> present(shipped.begin(), shipped.end());

    PictureNameScan scan;
    const QDir source(QStringLiteral(TESSALY_SOURCE_DIR));
    int files = 0;
    for (const auto& [folder, patterns] : std::vector<std::pair<QString, QStringList>>{
             {QStringLiteral("app"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}},
             {QStringLiteral("skin"), {QStringLiteral("*.cpp")}}}) {
        const QDir dir(source.filePath(folder));
        for (const QString& file : dir.entryList(patterns, QDir::Files, QDir::Name)) {
            ++files;
            scan.Add(ReadText(dir.filePath(file)), folder + QLatin1Char('/') + file);
        }
    }
    ASSERT_GT(files, 10);
    std::map<QString, QString> used = scan.Names();  // name -> first place it is used
    const size_t fromCode = used.size();
    // The scan really sees the code: a few names every build uses.
    for (const char* name : {"bg_edit.png", "FrameMain.png", "help-normal.png", "ip2.png"})
        EXPECT_EQ(used.count(QString::fromLatin1(name)), 1u) << name << " not found in the code";

    // The recorder pictures of the shipped table; an empty name means "no picture".
    static const QRegularExpression kAttr(QStringLiteral("\\b(?:Frame)?PictureName\\s*=\\s*\"([^\"]*)\""));
    const QString spec = ReadText(QStringLiteral(TESSALY_DATA_DIR "/NVRSpec.xml"));
    int attributes = 0;
    for (auto it = kAttr.globalMatch(spec); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        ++attributes;
        if (!m.captured(1).isEmpty())
            used.emplace(m.captured(1), QStringLiteral("data/NVRSpec.xml"));
    }
    ASSERT_GT(attributes, 0);
    EXPECT_GT(used.size(), fromCode) << "no picture name in data/NVRSpec.xml";

    std::string missing;
    for (const auto& [name, at] : used) {
        if (present.contains(name))
            continue;
        missing += "\n  " + name.toStdString() + " (" + at.toStdString() + ")";
        // Name a picture that differs only in case: the likely slip.
        for (const QString& have : shipped)
            if (have.compare(name, Qt::CaseInsensitive) == 0)
                missing += " - shipped as " + have.toStdString();
    }
    EXPECT_TRUE(missing.empty()) << "not in " << skin.path().toStdString() << ":" << missing;
}
