// The plain form-made main window and the byte-to-bits text.
#include "app/Brevicor.h"

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

TEST(DesignerWindow, FormBuildsTheEmptyMainWindow)
{
    Brevicor w;
    EXPECT_EQ(w.objectName(), QStringLiteral("BrevicorClass"));
    EXPECT_EQ(w.size(), QSize(600, 400));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Brevicor"));
    ASSERT_NE(w.menuBar(), nullptr);
    EXPECT_EQ(w.menuBar()->objectName(), QStringLiteral("menuBar"));
    ASSERT_NE(w.centralWidget(), nullptr);
    EXPECT_EQ(w.centralWidget()->objectName(), QStringLiteral("centralWidget"));
    ASSERT_NE(w.statusBar(), nullptr);
    EXPECT_EQ(w.statusBar()->objectName(), QStringLiteral("statusBar"));
    QToolBar* bar = w.findChild<QToolBar*>(QStringLiteral("mainToolBar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(w.toolBarArea(bar), Qt::TopToolBarArea);

    // A name given before the form is set up is kept.
    QMainWindow named;
    named.setObjectName(QStringLiteral("kept"));
    Ui::BrevicorClass form;
    form.setupUi(&named);
    EXPECT_EQ(named.objectName(), QStringLiteral("kept"));
}

TEST(DesignerWindow, ByteToBinaryTextPutsTheLowestBitFirst)
{
    const struct
    {
        unsigned char value;
        const char* text;
    } cases[] = {{0, "00000000"}, {1, "10000000"}, {6, "01100000"}, {128, "00000001"}, {255, "11111111"}};
    for (const auto& c : cases)
        EXPECT_EQ(ByteToBinaryText(c.value), c.text) << int(c.value);
}

}  // namespace
