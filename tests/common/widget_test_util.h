// Driving Qt widgets in the tests of the areas with a QApplication (skin, app).
#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QTest>
#include <QWidget>

#include <type_traits>

namespace testutil {

// A left click with no modifier at pos (w's own coordinates), made by QTest: a press and a
// release handed to w as if they came from the window system. QTest reads (0, 0) as the centre.
inline void Click(QWidget* w, const QPoint& pos)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, pos);
}

// The same click at w's centre.
inline void Click(QWidget* w) { Click(w, w->rect().center()); }

// The same click at the centre of the Qt widget behind a facade (its implementation is both);
// a facade with no widget behind it fails the test.
template <class Facade, class = std::enable_if_t<!std::is_convertible<Facade*, QWidget*>::value>>
void Click(Facade* facade)
{
    QWidget* w = dynamic_cast<QWidget*>(facade);
    ASSERT_NE(w, nullptr);
    Click(w);
}

}  // namespace testutil
