// Driving and seeing Qt widgets in the tests of the areas with a QApplication (skin, app).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPoint>
#include <QPointF>
#include <QRegion>
#include <QTest>
#include <QWheelEvent>
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

// One mouse event at pos (w's coordinates) sent straight to w, with no modifier: the button
// stays held after a press or a move and is let go by the release.
inline void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent ev(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

// One wheel turn of delta (120 a notch, up when positive) at at (w's coordinates), sent
// straight to w with no button or modifier. Returns whether w accepted it.
inline bool SendWheel(QWidget* w, const QPointF& at, int delta)
{
    QWheelEvent ev(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &ev);
    return ev.isAccepted();
}

// The pointer coming onto w at at (w's coordinates), and leaving it, sent straight to w.
inline void SendEnter(QWidget* w, const QPointF& at)
{
    QEnterEvent ev(at, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &ev);
}
inline void SendLeave(QWidget* w)
{
    QEvent ev(QEvent::Leave);
    QApplication::sendEvent(w, &ev);
}

// The widget painted alone (no window background) onto an image of its size filled with fill.
inline QImage Render(QWidget* w, QRgb fill)
{
    QImage img(w->size(), QImage::Format_ARGB32);
    img.fill(fill);
    w->render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
    return img;
}

}  // namespace testutil
