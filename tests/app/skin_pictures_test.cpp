// The skin pictures the program loads ship in bin/Skin under their exact names, at sizes that
// fit what the controls cut from them, with distinct looks for their states.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

QString skinDir() { return QStringLiteral(TESSALY_BIN_DIR "/Skin/"); }

QImage load(const QString& name) { return QImage(skinDir() + name).convertToFormat(QImage::Format_ARGB32); }

struct Expected
{
    std::string name;
    int width, height;
};

// Every picture name the program's code passes to a skin record or a control.
const Expected kPictures[] = {
    // main window and start-up
    {"FrameMain.png", 148, 140},
    {"background.png", 32, 32},
    {"main.png", 32, 32},
    {"ip2.png", 32, 32},
    // tool bar (the close set is also the dialogs' close button)
    {"title.png", 266, 58},
    {"help-normal.png", 24, 24},
    {"help-hover.png", 24, 24},
    {"help-pressed.png", 24, 24},
    {"help-disabled.png", 24, 24},
    {"about-normal.png", 24, 24},
    {"about-hover.png", 24, 24},
    {"about-pressed.png", 24, 24},
    {"about-disabled.png", 24, 24},
    {"min-normal.png", 24, 24},
    {"min-hover.png", 24, 24},
    {"min-pressed.png", 24, 24},
    {"min-disabled.png", 24, 24},
    {"close-normal.png", 24, 24},
    {"close-hover.png", 24, 24},
    {"close-pressed.png", 24, 24},
    {"close-disabled.png", 24, 24},
    // About and message dialogs
    {"Frame.png", 148, 140},
    {"bgColorWhite.png", 16, 16},
    {"AboutPic.png", 358, 78},
    {"bg_monitor.png", 330, 20},
    {"btn_nor.png", 72, 25},
    {"btn_over.png", 72, 25},
    {"btn_down.png", 72, 25},
    {"btn_dis.png", 72, 25},
    // search page
    {"Select_Check.png", 16, 16},
    {"Select_unCheck.png", 16, 16},
    {"bg_edit.png", 80, 24},
    {"ComboBox_Min.png", 81, 113},
    {"ComboBox_Mag.png", 321, 113},
    {"search_nor1.png", 110, 30},
    {"search_hover1.png", 110, 30},
    {"search_press1.png", 110, 30},
    {"search_dis1.png", 110, 30},
    {"border.png", 980, 1},
    {"Spec.png", 100, 30},
    // result slots: drawn unscaled in a 220 x 100 box
    {"na.png", 220, 100},
};

// Model families named by the shipped model table; each has a plain and a selected ("_Frame") picture.
const char* const kFamilies[] = {
    "RV-Lite_1", "RV-Lite_2", "RV-Home_1",   "RV-Home_2",   "RV-Office_1", "RV-Office_2",    "RV-Office_3",
    "RV-Pro_1",  "RV-Pro_2",  "RV-Campus_1", "RV-Campus_2", "RV-Campus_3", "RV-Metropole_1", "RV-Metropole_2",
};

std::vector<Expected> allExpected()
{
    std::vector<Expected> all(std::begin(kPictures), std::end(kPictures));
    for (const char* f : kFamilies) {
        all.push_back({std::string(f) + ".png", 220, 100});
        all.push_back({std::string(f) + "_Frame.png", 220, 100});
    }
    return all;
}

bool hasOpaquePixel(const QImage& img, const QRect& r)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qAlpha(img.pixel(x, y)) == 255)
                return true;
    return false;
}

bool fullyTransparent(const QImage& img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0)
                return false;
    return true;
}

double luminance(QRgb c)
{
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

}  // namespace

TEST(SkinPictures, EveryPictureShipsUnderItsExactNameAtItsSize)
{
    const QStringList onDisk = QDir(skinDir()).entryList(QDir::Files);
    ASSERT_FALSE(onDisk.isEmpty()) << "no skin pictures in " << skinDir().toStdString()
                                   << " (build the skin_pictures target)";
    for (const Expected& e : allExpected()) {
        const QString name = QString::fromStdString(e.name);
        SCOPED_TRACE(e.name);
        EXPECT_TRUE(onDisk.contains(name, Qt::CaseSensitive));
        const QImage img = load(name);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.width(), e.width);
        EXPECT_EQ(img.height(), e.height);
        EXPECT_FALSE(fullyTransparent(img));
    }
}

// Frame pieces and caption-button cells are cut with an inclusive last pixel x + w - 1;
// combo-box cells take (w + 1) x (h + 1) pixels. Every cut must lie inside its sheet and show something.
TEST(SkinPictures, SheetsCoverEveryRectangleCutFromThem)
{
    struct Cut
    {
        const char* sheet;
        int x, y, w, h;
        bool comboCell;
    };
    const Cut cuts[] = {
        // dialog frame pieces and its close-button cells
        {"Frame.png", 0, 0, 10, 27, false},
        {"Frame.png", 30, 0, 1, 27, false},
        {"Frame.png", 138, 0, 10, 27, false},
        {"Frame.png", 0, 27, 1, 80, false},
        {"Frame.png", 0, 110, 1, 20, false},
        {"Frame.png", 147, 27, 1, 80, false},
        {"Frame.png", 147, 110, 1, 20, false},
        {"Frame.png", 0, 139, 10, 1, false},
        {"Frame.png", 10, 139, 1, 1, false},
        {"Frame.png", 138, 139, 10, 1, false},
        {"Frame.png", 11, 41, 23, 14, false},
        {"Frame.png", 41, 41, 23, 14, false},
        {"Frame.png", 71, 41, 23, 14, false},
        // main window frame pieces
        {"FrameMain.png", 0, 0, 10, 8, false},
        {"FrameMain.png", 30, 0, 1, 8, false},
        {"FrameMain.png", 138, 0, 10, 8, false},
        {"FrameMain.png", 0, 37, 1, 30, false},
        {"FrameMain.png", 147, 37, 1, 30, false},
        {"FrameMain.png", 0, 132, 10, 8, false},
        {"FrameMain.png", 10, 132, 30, 8, false},
        {"FrameMain.png", 138, 132, 10, 8, false},
        // combo cells: normal/hover, open below, open above, disabled
        {"ComboBox_Min.png", 0, 0, 80, 27, true},
        {"ComboBox_Min.png", 0, 84, 80, 28, true},
        {"ComboBox_Min.png", 0, 28, 80, 28, true},
        {"ComboBox_Min.png", 0, 28, 80, 27, true},
        {"ComboBox_Mag.png", 0, 0, 320, 27, true},
        {"ComboBox_Mag.png", 0, 84, 320, 28, true},
        {"ComboBox_Mag.png", 0, 28, 320, 28, true},
        {"ComboBox_Mag.png", 0, 28, 320, 27, true},
    };
    for (const Cut& c : cuts) {
        SCOPED_TRACE(std::string(c.sheet) + " " + std::to_string(c.x) + "," + std::to_string(c.y) + "," +
                     std::to_string(c.w) + "," + std::to_string(c.h));
        const QImage sheet = load(QString::fromLatin1(c.sheet));
        ASSERT_FALSE(sheet.isNull());
        const QRect r =
            c.comboCell ? QRect(QPoint(c.x, c.y), QPoint(c.x + c.w, c.y + c.h)) : QRect(c.x, c.y, c.w, c.h);
        EXPECT_TRUE(sheet.rect().contains(r));
        if (sheet.rect().contains(r)) {
            EXPECT_TRUE(hasOpaquePixel(sheet, r));
        }
    }

    // The main window uses a sheet at least its own size as is, without background or composition.
    const QImage mainSheet = load(QStringLiteral("FrameMain.png"));
    EXPECT_TRUE(mainSheet.width() < 1000 || mainSheet.height() < 700);
}

// The dialog caption is written in white on the frame's top strip.
TEST(SkinPictures, DialogCaptionStripCarriesWhiteText)
{
    const QImage frame = load(QStringLiteral("Frame.png"));
    ASSERT_FALSE(frame.isNull());
    for (int y = 1; y < 27; ++y) {
        const double contrast = (1.0 + 0.05) / (luminance(frame.pixel(30, y)) + 0.05);
        EXPECT_GE(contrast, 3.0) << "row " << y;
    }
}

TEST(SkinPictures, StatesOfOneControlLookDifferent)
{
    const std::vector<std::vector<const char*>> groups = {
        {"help-normal.png", "help-hover.png", "help-pressed.png", "help-disabled.png"},
        {"about-normal.png", "about-hover.png", "about-pressed.png", "about-disabled.png"},
        {"min-normal.png", "min-hover.png", "min-pressed.png", "min-disabled.png"},
        {"close-normal.png", "close-hover.png", "close-pressed.png", "close-disabled.png"},
        {"btn_nor.png", "btn_over.png", "btn_down.png", "btn_dis.png"},
        {"search_nor1.png", "search_hover1.png", "search_press1.png", "search_dis1.png"},
        {"Select_Check.png", "Select_unCheck.png"},
    };
    for (const auto& group : groups) {
        for (size_t i = 0; i < group.size(); ++i)
            for (size_t j = i + 1; j < group.size(); ++j) {
                SCOPED_TRACE(std::string(group[i]) + " vs " + std::string(group[j]));
                const QImage a = load(QString::fromLatin1(group[i]));
                const QImage b = load(QString::fromLatin1(group[j]));
                ASSERT_FALSE(a.isNull());
                ASSERT_FALSE(b.isNull());
                EXPECT_NE(a, b);
            }
    }

    // Combo cells: normal, disabled and open below differ.
    for (const char* sheetName : {"ComboBox_Min.png", "ComboBox_Mag.png"}) {
        SCOPED_TRACE(sheetName);
        const QImage sheet = load(QString::fromLatin1(sheetName));
        ASSERT_FALSE(sheet.isNull());
        const int w = sheet.width();
        const QImage normal = sheet.copy(0, 0, w, 28);
        const QImage disabled = sheet.copy(0, 28, w, 28);
        const QImage open = sheet.copy(0, 84, w, 28);
        EXPECT_NE(normal, disabled);
        EXPECT_NE(normal, open);
        EXPECT_NE(disabled, open);
    }
}

TEST(SkinPictures, SelectedModelPictureDiffersFromPlainOne)
{
    std::set<QByteArray> distinctPlain;
    for (const char* family : kFamilies) {
        SCOPED_TRACE(family);
        const QImage plain = load(QString::fromLatin1(family) + QStringLiteral(".png"));
        const QImage framed = load(QString::fromLatin1(family) + QStringLiteral("_Frame.png"));
        ASSERT_FALSE(plain.isNull());
        ASSERT_FALSE(framed.isNull());
        EXPECT_NE(plain, framed);
        // The selection frame runs along the picture's edge.
        EXPECT_EQ(qAlpha(framed.pixel(framed.width() / 2, 1)), 255);
        EXPECT_EQ(qAlpha(framed.pixel(1, framed.height() / 2)), 255);
        distinctPlain.insert(
            QByteArray(reinterpret_cast<const char*>(plain.constBits()), int(plain.sizeInBytes())));
    }
    // Every family has a front of its own.
    EXPECT_EQ(distinctPlain.size(), std::size(kFamilies));
}

// The model table names its pictures itself; each name must resolve to a shipped file.
TEST(SkinPictures, ModelTablePicturesExist)
{
    QFile table(QStringLiteral(TESSALY_DATA_DIR "/NVRSpec.xml"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(table.readAll());
    const QStringList onDisk = QDir(skinDir()).entryList(QDir::Files);
    const QRegularExpression attr(QStringLiteral("\\b(?:Frame)?PictureName=\"([^\"]*)\""));
    int named = 0;
    for (auto it = attr.globalMatch(text); it.hasNext();) {
        const QString name = it.next().captured(1);
        if (name.isEmpty())
            continue;  // padding rows
        ++named;
        EXPECT_TRUE(onDisk.contains(name, Qt::CaseSensitive)) << name.toStdString();
        EXPECT_EQ(load(name).size(), QSize(220, 100)) << name.toStdString();
    }
    EXPECT_GT(named, 0);
}

// The pictures are decoded at start-up: each is stored with no row filter, so decoding only
// inflates its rows. Checked on the file itself: 8-bit RGBA, and every row's filter byte 0.
TEST(SkinPictures, EveryPictureIsStoredWithUnfilteredRows)
{
    const QStringList names = QDir(skinDir()).entryList({QStringLiteral("*.png")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile file(skinDir() + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray png = file.readAll();
        ASSERT_TRUE(png.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)));
        auto be32 = [&png](qsizetype at) {
            const auto* p = reinterpret_cast<const unsigned char*>(png.constData() + at);
            return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | p[3];
        };
        quint32 width = 0, height = 0;
        QByteArray deflated;
        for (qsizetype at = 8; at + 12 <= png.size();) {
            const quint32 length = be32(at);
            ASSERT_LE(at + 12 + qsizetype(length), png.size());
            const QByteArray type = png.mid(at + 4, 4);
            if (type == "IHDR") {
                width = be32(at + 8);
                height = be32(at + 12);
                EXPECT_EQ(8, png.at(at + 16)) << "bits per sample";
                EXPECT_EQ(6, png.at(at + 17)) << "RGBA";
                EXPECT_EQ(0, png.at(at + 20)) << "not interlaced";
            } else if (type == "IDAT") {
                deflated += png.mid(at + 8, length);
            }
            at += 12 + length;
        }
        const quint32 stride = 1 + 4 * width;
        QByteArray sized;
        for (int shift = 24; shift >= 0; shift -= 8)
            sized.append(char((stride * height) >> shift));
        const QByteArray rows = qUncompress(sized + deflated);
        ASSERT_EQ(qsizetype(stride * height), rows.size());
        for (quint32 y = 0; y < height; ++y)
            ASSERT_EQ(0, rows.at(qsizetype(y * stride))) << "row " << y;
    }
}
