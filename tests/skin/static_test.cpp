// Static text, picture control, list box and group box: alignment flags, the grow rule,
// colours and text size, read-out bounds, rendering of fill and picture, list and group box
// basics, and the rectangle reading of each.
#include "skin/SFEntry.h"
#include "skin/SFQTGroupBox.h"
#include "skin/SFQTListBox.h"
#include "skin/SFQTPictureCtrl.h"
#include "skin/SFQTStatic.h"
#include "skin/SFSkinString.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

namespace {

template <class Impl, class Facade>
Impl* Cast(Facade* facade)
{
    EXPECT_NE(facade, nullptr);
    Impl* impl = dynamic_cast<Impl*>(facade);
    EXPECT_NE(impl, nullptr);
    return impl;
}

// A green parent window; controls made in a test are its children.
class SkinStaticTest : public ::testing::Test
{
protected:
    SkinStaticTest()
    {
        parent.resize(400, 300);
        parent.setAutoFillBackground(true);
        QPalette pal = parent.palette();
        pal.setColor(QPalette::Window, QColor(0, 160, 0));
        parent.setPalette(pal);
    }

    CSFQTStatic* MakeStatic(const wchar_t* text, const RECT& rc, DWORD style = WS_VISIBLE)
    {
        CSFQTStatic* s = Cast<CSFQTStatic>(SF_CreateStatic(nullptr));
        if (s) {
            EXPECT_EQ(s->Create(text, style, rc, &parent, 5), 1);
        }
        return s;
    }

    QImage Shot() { return parent.grab().toImage(); }

    QWidget parent;
};

// ---- Static: flags, grow rule, size, colours --------------------------------------------

TEST_F(SkinStaticTest, AlignFlagConversion)
{
    CSFQTStatic* s = MakeStatic(L"x", RECT{0, 0, 100, 20});
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->GetTextAlignFlag(), 385u);  // left | vertical centre | single line
    const struct
    {
        UINT dt;
        UINT want;
    } table[] = {
        {DT_CENTER | DT_VCENTER, 0x84},
        {DT_RIGHT | DT_CENTER, 0x02},
        {DT_RIGHT | DT_VCENTER | DT_SINGLELINE, 0x182},
        {DT_WORDBREAK, 0x1201},
        {DT_SINGLELINE, 0x101},
        {DT_WORDBREAK | DT_SINGLELINE, 0x301},  // word wrap dropped again, do-not-clip kept
        {0, 0x01},
    };
    for (const auto& row : table) {
        s->SetTextAlignFlag(row.dt);
        EXPECT_EQ(s->GetTextAlignFlag(), row.want) << "DT flags " << row.dt;
    }

    s->SetWordWrap(1);
    EXPECT_EQ(s->GetWordWrap(), 1);
    EXPECT_TRUE(s->wordWrap());
    EXPECT_EQ(s->GetTextAlignFlag(), 0x1001u);
    s->SetWrapAnywhere(1);
    EXPECT_EQ(s->GetWrapAnywher(), 1);
    EXPECT_EQ(s->GetTextAlignFlag(), 0x3001u);
    s->SetWordWrap(0);
    s->SetWrapAnywhere(0);
    EXPECT_FALSE(s->wordWrap());
    EXPECT_EQ(s->GetTextAlignFlag(), 0x0001u);
}

TEST_F(SkinStaticTest, GrowsToItsTextAndNeverShrinks)
{
    const QString longText = QStringLiteral("A line of text that is certainly wider than one hundred pixels");
    const std::wstring wide = QStringToWide(longText);
    CSFQTStatic* s = MakeStatic(wide.c_str(), RECT{10, 20, 110, 40});
    ASSERT_NE(s, nullptr);
    const int textWidth = QFontMetrics(s->PaintFont()).boundingRect(longText).width();
    ASSERT_GT(textWidth, 100);
    EXPECT_EQ(s->x(), 10);
    EXPECT_EQ(s->y(), 20);
    EXPECT_GE(s->width(), textWidth);
    EXPECT_GE(s->height(), 20);
    const int grown = s->width();

    s->SetStaticText(L"short");
    EXPECT_EQ(s->width(), grown);
    EXPECT_EQ(s->x(), 10);
    EXPECT_EQ(s->y(), 20);

    // A short text keeps the start size exactly.
    CSFQTStatic* small = MakeStatic(L"ok", RECT{0, 0, 100, 20});
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(small->geometry(), QRect(0, 0, 100, 20));
    int w = 0, h = 0;
    small->GetTextSize(w, h);
    EXPECT_EQ(w, 100);
    EXPECT_EQ(h, 20);
    small->SetStaticText(wide.c_str());
    EXPECT_GT(small->width(), 100);
}

TEST_F(SkinStaticTest, TextSizeBoldAndColours)
{
    CSFQTStatic* s = MakeStatic(L"text", RECT{0, 0, 100, 20});
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->TextPixelSize(), 12);
    s->SetTextSize(0);
    EXPECT_EQ(s->TextPixelSize(), 12);
    EXPECT_EQ(s->styleSheet(), QStringLiteral("QLabel {font-size:0px;}"));
    s->SetTextSize(18);
    EXPECT_EQ(s->TextPixelSize(), 18);
    EXPECT_EQ(s->styleSheet(), QStringLiteral("QLabel {font-size:18px;}"));
    s->SetTextSize(-3);
    EXPECT_EQ(s->TextPixelSize(), 18);
    EXPECT_EQ(s->PaintFont().pixelSize(), 18);

    EXPECT_EQ(s->PaintFont().weight(), QFont::Normal);
    s->SetTextBold(1);
    EXPECT_EQ(s->PaintFont().weight(), QFont::Bold);
    parent.show();
    s->grab();  // painting makes the paint font the widget's font
    EXPECT_EQ(s->font().weight(), QFont::Bold);
    EXPECT_EQ(s->font().pixelSize(), 18);

    EXPECT_EQ(s->TextColor(), QColor(0, 0, 0));  // unset: black
    const struct
    {
        UINT colorref;
        QColor want;
    } table[] = {{255, QColor(255, 0, 0)},
                 {0xFA8A12, QColor(18, 138, 250)},
                 {0xF3F3F3, QColor(243, 243, 243)},
                 {0xCAC2B9, QColor(185, 194, 202)},
                 {0xEFECE9, QColor(233, 236, 239)}};
    for (const auto& row : table) {
        s->SetTextColor(row.colorref);
        EXPECT_EQ(s->TextColor(), row.want) << std::hex << row.colorref;
    }
}

TEST_F(SkinStaticTest, BackgroundFillAndTextOffsetWhenPainted)
{
    // No text: only the fill decides the pixels.
    CSFQTStatic* filled = MakeStatic(L"", RECT{10, 10, 60, 40});
    CSFQTStatic* clear = MakeStatic(L"", RECT{100, 10, 150, 40});
    ASSERT_NE(filled, nullptr);
    ASSERT_NE(clear, nullptr);
    filled->SetBgColor(0xF3F3F3, 1);
    clear->SetBgColor(0xF3F3F3, 0);
    parent.show();
    const QImage img = Shot();
    const QColor grey(243, 243, 243), green(0, 160, 0);
    for (QPoint p : {QPoint(10, 10), QPoint(58, 38), QPoint(34, 25)})
        EXPECT_EQ(img.pixelColor(p), grey) << p.x() << "," << p.y();
    EXPECT_EQ(img.pixelColor(59, 39), grey);  // the control covers right - 1, bottom - 1
    EXPECT_EQ(img.pixelColor(60, 40), green);
    for (QPoint p : {QPoint(100, 10), QPoint(148, 38), QPoint(124, 25)})
        EXPECT_EQ(img.pixelColor(p), green) << p.x() << "," << p.y();

    // The text starts at the offset: nothing is drawn left of it.
    CSFQTStatic* text = MakeStatic(L"WWWWWW", RECT{10, 100, 210, 140});
    ASSERT_NE(text, nullptr);
    text->SetTextSize(24);
    text->SetBgColor(0xFFFFFF, 1);
    text->SetTextOffset(80);
    const QImage t = text->grab().toImage();
    int minX = t.width();
    for (int y = 0; y < t.height(); ++y)
        for (int x = 0; x < t.width(); ++x)
            if (t.pixelColor(x, y) != QColor(Qt::white))
                minX = std::min(minX, x);
    EXPECT_GE(minX, 80);
    EXPECT_LT(minX, 100);
}

TEST_F(SkinStaticTest, GetStaticTextNeverWritesPastTheBuffer)
{
    CSFQTStatic* s = MakeStatic(L"Search", RECT{0, 0, 100, 20});
    ASSERT_NE(s, nullptr);
    const std::wstring nonBmp = L"\U0001D11Eabc";
    const struct
    {
        const wchar_t* text;
        int size;
        const wchar_t* wantText;  // NULL: untouched
    } table[] = {
        {L"Search", 4, L"Sea"},
        {L"Search", 64, L"Search"},
        {L"Search", 7, L"Search"},
        {L"Search", 1, L""},
        {L"Search", 0, nullptr},
        {L"Search", -1, nullptr},
        {nonBmp.c_str(), 2, L"\U0001D11E"},
        {nonBmp.c_str(), 16, nonBmp.c_str()},
    };
    constexpr wchar_t kCanary = 0x5A5A;
    for (const auto& row : table) {
        s->SetStaticText(row.text);
        std::vector<wchar_t> mem(static_cast<size_t>(std::max(row.size, 0) + 8), kCanary);
        EXPECT_EQ(s->GetStaticText(mem.data(), row.size), 0);
        size_t firstFree = 0;
        if (row.wantText) {
            EXPECT_EQ(std::wstring(mem.data()), std::wstring(row.wantText)) << "size " << row.size;
            firstFree = std::wcslen(row.wantText) + 1;
        }
        for (size_t i = firstFree; i < mem.size(); ++i)
            EXPECT_EQ(mem[i], kCanary) << "size " << row.size << " index " << i;
    }
    EXPECT_EQ(s->GetStaticText(nullptr, 10), 0);
}

TEST_F(SkinStaticTest, RectangleReadings)
{
    CSFQTStatic* s = MakeStatic(L"", RECT{10, 20, 110, 40}, 0);
    ASSERT_NE(s, nullptr);
    EXPECT_FALSE(s->isVisibleTo(&parent));
    s->ShowWindow(1);
    EXPECT_TRUE(s->isVisibleTo(&parent));
    RECT rc{5, 6, 55, 26};
    s->MoveWindow(&rc);  // like Create
    EXPECT_EQ(s->geometry(), QRect(5, 6, 50, 20));
    RECT pos{};
    s->GetStaticCtrolPos(pos);
    EXPECT_EQ(pos.left, 5);
    EXPECT_EQ(pos.top, 6);
    EXPECT_EQ(pos.right, 54);
    EXPECT_EQ(pos.bottom, 25);
    const RECT g = s->GetGeometry();
    EXPECT_EQ(g.right, 54);
    EXPECT_EQ(g.bottom, 25);
    s->MoveWindow(1, 2, 3, 4);
    EXPECT_EQ(s->geometry(), QRect(1, 2, 3, 4));
    EXPECT_EQ(s->SetSkin(), 1);
}

// ---- Picture control --------------------------------------------------------------------

TEST_F(SkinStaticTest, PictureIsStretchedAndCaptionCentred)
{
    QTemporaryDir dir;
    const QString previous = GetSkinPath();
    QImage pic(4, 4, QImage::Format_RGB32);
    pic.fill(QColor(0, 0, 220));
    ASSERT_TRUE(pic.save(dir.filePath(QStringLiteral("pic.png"))));
    SetSkinPath(QStringToWide(dir.path() + QLatin1Char('/')));

    CSFQTPictureCtrl* p = Cast<CSFQTPictureCtrl>(SF_CreatePictureCtrl(nullptr));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Create(L"", WS_VISIBLE, RECT{20, 30, 140, 90}, &parent, 9), 1);
    EXPECT_EQ(p->geometry(), QRect(20, 30, 120, 60));
    EXPECT_EQ(p->GetHWnd(), static_cast<void*>(static_cast<QWidget*>(p)));
    p->SetImage(L"pic.png");
    SetSkinPath(QStringToWide(previous));
    ASSERT_FALSE(p->Picture().isNull());

    const QColor blue(0, 0, 220);
    QImage img = p->grab().toImage();
    for (QPoint q : {QPoint(0, 0), QPoint(119, 0), QPoint(0, 59), QPoint(119, 59), QPoint(60, 30)})
        EXPECT_EQ(img.pixelColor(q), blue) << q.x() << "," << q.y();

    // The caption's ink is centred in both directions.
    QFont f = p->font();
    f.setPixelSize(20);
    p->setFont(f);
    p->SetWindowTextW(L"III");
    img = p->grab().toImage();
    QRect ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) != blue)
                ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR(ink.center().x(), 60, 3);
    EXPECT_NEAR(ink.center().y(), 30, 4);

    RECT rc{0, 0, 9, 19};
    p->MoveWindow(&rc);  // inclusive corners
    EXPECT_EQ(p->geometry(), QRect(0, 0, 10, 20));
    p->ShowWindow(0);
    EXPECT_FALSE(p->isVisibleTo(&parent));
    p->SetImage(L"no-such.png");
    EXPECT_TRUE(p->Picture().isNull());
}

// ---- List box ---------------------------------------------------------------------------

class CListSink : public ISFListBoxEvent
{
public:
    void LISTBOX_OnLButtonDown() override { ++down; }
    void LISTBOX_OnLButtonUp() override { ++up; }
    void LISTBOX_OnMouseMove() override { ++move; }
    int down = 0, up = 0, move = 0;
};

TEST_F(SkinStaticTest, ListBoxRowsSelectionAndMouse)
{
    CListSink sink;
    CSFQTListBox* l = Cast<CSFQTListBox>(SF_CreateListBox(&sink));
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->Create(WS_VISIBLE, RECT{10, 10, 210, 160}, &parent, 3), 1);
    EXPECT_EQ(l->geometry(), QRect(10, 10, 200, 150));
    EXPECT_EQ(l->SetSkin(), 0);

    EXPECT_EQ(l->AddString(L"alpha"), 0);
    EXPECT_EQ(l->AddString(L"\U0001D11E beta"), 1);
    EXPECT_EQ(l->AddString(L"gamma"), 2);
    EXPECT_EQ(l->GetCount(), 3);
    EXPECT_EQ(l->GetCurSel(), -1);

    // GetText copies the characters only: what follows stays as it was.
    wchar_t buf[16];
    std::fill(std::begin(buf), std::end(buf), L'#');
    EXPECT_EQ(l->GetText(1, buf), 6);
    EXPECT_EQ(std::wstring(buf, 7), std::wstring(L"\U0001D11E beta#"));
    EXPECT_EQ(l->GetText(3, buf), -1);
    EXPECT_EQ(l->GetText(-1, buf), -1);
    EXPECT_EQ(buf[0], L'\U0001D11E');

    EXPECT_EQ(l->SetCurSel(5), -1);
    EXPECT_EQ(l->GetCurSel(), -1);
    EXPECT_EQ(l->SetCurSel(2), 2);
    EXPECT_EQ(l->GetCurSel(), 2);

    EXPECT_EQ(l->DeleteString(3), 3);  // out of range: nothing changes
    EXPECT_EQ(l->GetCount(), 3);
    EXPECT_EQ(l->DeleteString(0), 2);
    EXPECT_EQ(l->GetText(0, buf), 6);

    // The mouse reaches the sink but never selects a row. (Qt's own focus handling may make
    // a row current when the window activates: settle that first.)
    parent.show();
    parent.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&parent, 10000));
    l->setFocus();
    QCoreApplication::processEvents();
    l->setCurrentRow(-1);
    l->clearSelection();
    const QPoint row0 = l->visualItemRect(l->item(0)).center();
    QTest::mousePress(l->viewport(), Qt::LeftButton, {}, row0);
    QTest::mouseMove(l->viewport(), row0 + QPoint(2, 0));  // left button held
    QTest::mouseRelease(l->viewport(), Qt::LeftButton, {}, row0);
    EXPECT_EQ(sink.down, 1);
    EXPECT_EQ(sink.up, 1);
    EXPECT_EQ(sink.move, 1);
    EXPECT_EQ(l->GetCurSel(), -1);
    EXPECT_TRUE(l->selectedItems().isEmpty());

    RECT rc{0, 0, 49, 29};  // width right - left + 1
    l->MoveWindow(&rc);
    EXPECT_EQ(l->geometry(), QRect(0, 0, 50, 30));
}

// ---- Group box --------------------------------------------------------------------------

TEST_F(SkinStaticTest, GroupBoxTitleAndInertOperations)
{
    CSFQTGroupBox* g = Cast<CSFQTGroupBox>(SF_CreateGroupBox(nullptr));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Create(L"Options", WS_VISIBLE, RECT{10, 10, 110, 60}, &parent, 4), 1);
    EXPECT_EQ(g->title(), QStringLiteral("Options"));
    EXPECT_EQ(g->geometry(), QRect(10, 10, 100, 50));
    g->SetWindowTextW(L"Other");
    EXPECT_EQ(g->title(), QStringLiteral("Other"));

    wchar_t buf[8];
    std::fill(std::begin(buf), std::end(buf), L'#');
    EXPECT_EQ(g->GetWindowTextW(buf, 8), -1);
    for (wchar_t c : buf)
        EXPECT_EQ(c, L'#');

    EXPECT_TRUE(g->isVisibleTo(&parent));
    g->ShowWindow(0);  // does nothing
    EXPECT_TRUE(g->isVisibleTo(&parent));

    RECT rc{1, 2, 30, 40};
    g->MoveWindow(&rc);  // inclusive corners
    EXPECT_EQ(g->geometry(), QRect(1, 2, 30, 39));
    EXPECT_EQ(g->SetSkin(), 0);
}

}  // namespace
