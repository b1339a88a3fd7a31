// The skinned progress bar: the facade operations an owner calls, and its skin, a style sheet
// whose quoted picture addresses keep working under a skin folder with spaces and brackets.
#include "skin/SFEntry.h"
#include "skin/SFQTProgressCtrl.h"
#include "skin/SFSkinString.h"
#include "tests/common/test_files.h"
#include "tests/common/test_rect.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QWidget>

#include <memory>
#include <string>
#include <utility>

namespace {

using testutil::Rect;

CSFQTProgressCtrl* Impl(CSFProgressCtrl* p) { return dynamic_cast<CSFQTProgressCtrl*>(p); }

ImageProgressCtrlStyle Skin(const wchar_t* chunk, const wchar_t* background)
{
    ImageProgressCtrlStyle s;
    s[0] = chunk;
    s[1] = background;
    s[2] = L"unread.png";
    return s;
}

// Puts the skin folder back to the generated pictures when a test has moved it.
class SkinProgress : public ::testing::Test
{
protected:
    void SetUp() override { SF_SetSkinPath(QStringLiteral(TESSALY_EXT_SKIN_DIR).toStdWString()); }
    void TearDown() override { SF_SetSkinPath(QStringLiteral(TESSALY_EXT_SKIN_DIR).toStdWString()); }
};

}  // namespace

TEST_F(SkinProgress, FacadeOperations)
{
    QWidget host;
    CSFProgressCtrl* bar = SF_CreateProgressCtrl(nullptr);
    ASSERT_NE(bar, nullptr);
    CSFQTProgressCtrl* w = Impl(bar);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->GetCtrlID(), static_cast<UINT>(-1));
    EXPECT_EQ(w->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_TRUE(w->isTextVisible());

    EXPECT_EQ(bar->Create(WS_VISIBLE, Rect(10, 20, 110, 36), &host, 1113), 1);
    EXPECT_EQ(w->GetCtrlID(), 1113u);
    EXPECT_EQ(w->parentWidget(), &host);
    EXPECT_EQ(w->geometry(), QRect(10, 20, 100, 16));
    EXPECT_TRUE(w->isVisibleTo(&host));
    RECT rc = Rect(0, 0, 99, 15);
    bar->MoveWindow(&rc);
    EXPECT_EQ(w->geometry(), QRect(0, 0, 100, 16));
    bar->MoveWindow(nullptr);
    bar->MoveWindow(5, 6, 70, 12);
    EXPECT_EQ(w->geometry(), QRect(5, 6, 70, 12));
    bar->ShowWindow(0);
    EXPECT_FALSE(w->isVisibleTo(&host));

    bar->SetRange(10, 60);
    bar->SetPos(35);
    int min = 0, max = 0;
    bar->GetRange(min, max);
    EXPECT_EQ(std::make_pair(min, max), std::make_pair(10, 60));
    EXPECT_EQ(bar->GetPos(), 35);
    EXPECT_EQ(w->text().toStdString(), "50%");
    // Stepping is not offered; the extended style is accepted and ignored.
    EXPECT_EQ(bar->SetStep(5), 0);
    EXPECT_EQ(bar->StepIt(), 0);
    EXPECT_EQ(bar->GetPos(), 35);
    EXPECT_EQ(bar->ModifyStyleEx(0, 0x20000, 0), 1);
    bar->SetTextVisible(0);
    EXPECT_FALSE(w->isTextVisible());
    bar->SetTextVisible(2);
    EXPECT_TRUE(w->isTextVisible());

    CSFProgressCtrl* hidden = SF_CreateProgressCtrl(nullptr);
    hidden->Create(0, Rect(0, 0, 10, 10), &host, 2);
    EXPECT_FALSE(Impl(hidden)->isVisibleTo(&host));
    SF_DestroyProgressCtrl(hidden);  // a child: left to its parent
    EXPECT_EQ(Impl(hidden)->parentWidget(), &host);
}

TEST_F(SkinProgress, SkinIsAStyleSheetOfTheFolderAndNames)
{
    CSFProgressCtrl* bar = SF_CreateProgressCtrl(nullptr);
    std::unique_ptr<QWidget> owner(Impl(bar));
    EXPECT_EQ(bar->SetSkin(nullptr), 0);
    EXPECT_TRUE(owner->styleSheet().isEmpty());

    ImageProgressCtrlStyle skin = Skin(L"progress_chunk.png", L"progress_bg.png");
    EXPECT_EQ(bar->SetSkin(&skin), 1);
    const QString dir = QStringLiteral(TESSALY_EXT_SKIN_DIR);
    EXPECT_EQ(
        owner->styleSheet().toStdString(),
        (QStringLiteral("QProgressBar { border: 1px solid grey;border-radius: 5px;background-image: url(\"") +
         dir + QStringLiteral("progress_bg.png\");} QProgressBar::chunk {background-image: url(\"") + dir +
         QStringLiteral("progress_chunk.png\");}"))
            .toStdString());
}

TEST_F(SkinProgress, PicturesShowUnderAFolderWithSpacesAndBrackets)
{
    testutil::TempDir tmp;
    ASSERT_FALSE(tmp.Path().empty());
    const QString folder = QString::fromStdString(tmp / "my skin (1)") + QLatin1Char('/');
    ASSERT_TRUE(QDir().mkpath(folder));
    const QColor chunk(200, 30, 40), background(30, 180, 60);
    for (const auto& [name, colour] : {std::make_pair("c.png", chunk), std::make_pair("b.png", background)}) {
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(colour);
        ASSERT_TRUE(img.save(folder + QLatin1String(name)));
    }
    SF_SetSkinPath(folder.toStdWString());

    QWidget host;
    host.resize(220, 40);
    CSFProgressCtrl* bar = SF_CreateProgressCtrl(nullptr);
    bar->Create(WS_VISIBLE, Rect(0, 0, 200, 20), &host, 1);
    bar->SetTextVisible(0);
    bar->SetPos(50);
    ImageProgressCtrlStyle skin = Skin(L"c.png", L"b.png");
    ASSERT_EQ(bar->SetSkin(&skin), 1);
    const QImage img = testutil::Render(Impl(bar), qRgb(0, 0, 0));
    EXPECT_EQ(QColor(img.pixel(30, 10)), chunk);
    EXPECT_EQ(QColor(img.pixel(170, 10)), background);
}
