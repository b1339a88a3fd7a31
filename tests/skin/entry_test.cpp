// Entry layer: start-up and paths, style sheets, the sized 8-bit conversion, destroy entries
// and the hooks.
#include "base/sf_paths.h"
#include "skin/SFEntry.h"
#include "tests/skin/destroy_probe.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include <cstring>
#include <string>

namespace {

// Runs first in the program: nothing has called SF_InitApplication yet.
TEST(EntryStartUp, ServicesWaitForTheApplicationObject)
{
    EXPECT_TRUE(SF_GetAppDirPath().empty());
    QRect rc(1, 2, 3, 4);
    SF_GetScreenRect(&rc);
    EXPECT_EQ(rc, QRect(QPoint(0, 0), QPoint(0, 0)));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString css = dir.filePath(QStringLiteral("Style.css"));
    QFile f(css);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("QWidget { color: red; }");
    f.close();
    SF_LoadStyleSheet(css.toStdWString());
    EXPECT_TRUE(qApp->styleSheet().isEmpty());

    SF_Initialize();
    SF_InitApplication(qApp);
    const QString appDir = QCoreApplication::applicationDirPath();
    EXPECT_EQ(QDir::currentPath(), appDir);
    EXPECT_EQ(SF_GetAppDirPath(), appDir.toStdWString());
    EXPECT_NE(SF_GetAppDirPath().back(), L'/');
    SF_GetScreenRect(&rc);
    ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
    EXPECT_EQ(rc, QGuiApplication::primaryScreen()->geometry());
    EXPECT_FALSE(rc.isEmpty());
    EXPECT_TRUE(SF_GetEmptyPath().empty());
}

// The working directory follows the application folder as the framework reports it, so a
// test can point the program at a folder of its own.
TEST(EntryStartUp, WorkingDirectoryIsTheReportedApplicationFolder)
{
    const QString before = QDir::currentPath();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = QFileInfo(dir.path()).canonicalFilePath();
    ASSERT_NE(folder, QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath());

    SF_SOFT_BASE::SFBaseSetAppDirPathOverride(folder.toStdWString());
    SF_InitApplication(qApp);
    EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(), folder);
    EXPECT_EQ(SF_GetAppDirPath(), folder.toStdWString());

    // Without the override: the program's own folder again.
    SF_SOFT_BASE::SFBaseSetAppDirPathOverride(std::wstring());
    SF_InitApplication(qApp);
    EXPECT_EQ(QDir::currentPath(), QCoreApplication::applicationDirPath());
    QDir::setCurrent(before);
}

TEST(EntryStartUp, StyleSheetIsDecodedAsUtf8AndAMissingFileKeepsTheOldOne)
{
    SF_InitApplication(qApp);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray sheet = "QLabel { font-family: \"\xE5\xAE\x8B\xE4\xBD\x93\"; }";  // a CJK family name
    const QString css = dir.filePath(QStringLiteral("Style.css"));
    QFile f(css);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(sheet);
    f.close();

    SF_LoadStyleSheet(css.toStdWString());
    EXPECT_EQ(qApp->styleSheet(), QString::fromUtf8(sheet));
    SF_LoadStyleSheet(dir.filePath(QStringLiteral("missing.css")).toStdWString());
    EXPECT_EQ(qApp->styleSheet(), QString::fromUtf8(sheet));
    qApp->setStyleSheet(QString());
}

TEST(EntryText, Utf8ToLocal8BitNeverWritesPastTheBuffer)
{
    const char* cjk = "\xE4\xB8\xAD\xE6\x96\x87";  // two characters, six bytes
    const struct
    {
        const char* text;
        std::size_t size;
        int result;
        const char* out;
    } cases[] = {
        {"abc", 4, 1, "abc"},  // text and NUL exactly fill the buffer
        {"abcd", 4, 0, ""},    // one byte short: empty text, failure
        {cjk, 7, 1, cjk},     {cjk, 6, 0, ""}, {"", 1, 1, ""},
    };
    for (const auto& c : cases) {
        char buf[16];
        std::memset(buf, '#', sizeof(buf));
        EXPECT_EQ(SF_Utf8ToLocal8Bit(c.text, buf, c.size), c.result) << c.text << " in " << c.size;
        EXPECT_STREQ(buf, c.out);
        for (std::size_t i = c.size; i < sizeof(buf); ++i)
            EXPECT_EQ(buf[i], '#') << "byte " << i << " written for a buffer of " << c.size;
    }
}

TEST(EntryDestroy, TopLevelKindsAreDeletedChildKindsAreLeftToTheirParent)
{
    EXPECT_TRUE(DestroyDeletes<CSFDialog>(SF_DestroyDialog));
    EXPECT_TRUE(DestroyDeletes<CSFDialog>(SF_DestroyMainWindow));
    EXPECT_TRUE(DestroyDeletes<CSFButton>(SF_DestroyButton));
    EXPECT_TRUE(DestroyDeletes<CSFMenu>(SF_DestroyMenu));
    EXPECT_TRUE(DestroyDeletes<CSFFrameWnd>(SF_DestroyFrameWnd));
    EXPECT_TRUE(DestroyDeletes<CSFChildWnd>(SF_DestroyChildWnd));
    EXPECT_FALSE(DestroyDeletes<CSFView>(SF_DestroyView));
    EXPECT_FALSE(DestroyDeletes<CSFStatic>(SF_DestroyStatic));
    EXPECT_FALSE(DestroyDeletes<CSFEditCtrl>(SF_DestroyEditCtrl));

    // A view left alone goes with its parent.
    QWidget* parent = new QWidget;
    QPointer<QWidget> view = new FakeControl<CSFView>(parent);
    SF_DestroyView(static_cast<FakeControl<CSFView>*>(view.data()));
    EXPECT_FALSE(view.isNull());
    delete parent;
    EXPECT_TRUE(view.isNull());

    SF_DestroyDialog(nullptr);
    SF_DestroyMainWindow(nullptr);
    SF_DestroyButton(nullptr);
    SF_DestroyMenu(nullptr);
    SF_DestroyFrameWnd(nullptr);
    SF_DestroyChildWnd(nullptr);
    SF_DestroyView(nullptr);
}

void Record(void* a, void* b)
{
    static_cast<int*>(a)[0] += 1;
    static_cast<int*>(b)[0] += 10;
}

TEST(EntryHooks, HooksDoNothingAndTheAdapterRunsTheFunction)
{
    SF_InstallHooks();
    SF_RemoveHooks();
    EXPECT_EQ(SF_FilterKeyMessage(nullptr), 0);
    EXPECT_EQ(SF_FilterMouseMessage(nullptr), 0);

    int x = 0, y = 0;
    SF_THREAD_START start{nullptr, &Record, &x, &y};
    EXPECT_EQ(SF_ThreadStartAdapter(&start), 0u);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 10);
    EXPECT_EQ(SF_ThreadStartAdapter(nullptr), 0u);
}

}  // namespace
