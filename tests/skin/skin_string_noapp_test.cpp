// The process-wide helpers before any application object exists.
#include "skin/SFSkinString.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(SkinStringsWithoutApplication, ScreenIsAllZero)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    QRect r(1, 2, 3, 4);
    GetScreenRect(&r);
    int x1, y1, x2, y2;
    r.getCoords(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 0);
    EXPECT_EQ(y1, 0);
    EXPECT_EQ(x2, 0);
    EXPECT_EQ(y2, 0);
}

TEST(SkinStringsWithoutApplication, FolderIsEmptyAndStyleSheetOnlyStored)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    EXPECT_TRUE(GetAppDirPath().empty());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.path() + QStringLiteral("/Style.css");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("QWidget { color: red; }");
    }
    LoadStyleSheet(path.toStdWString());  // must not touch a missing application
    EXPECT_EQ(GetStyleSheetPath(), path);
    EXPECT_TRUE(GetSkinPath().isEmpty());
}

}  // namespace
