// A pane of the video window: a plain widget inset 2 pixels into its layout window that
// carries one play widget. It paints black while playing, otherwise its back colour. Mouse
// events it does not use go on to the video window.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

class CSFQTVideoWindow;
class CSFQTVideoWindowPlayWnd;

class CSFQTVideoWindowSubWnd : public QWidget
{
    Q_OBJECT

public:
    explicit CSFQTVideoWindowSubWnd(CSFQTVideoWindow* window);

    // rect is the layout window (inclusive, in the video window's coordinates); the pane
    // covers it less 2 pixels on every side and its play widget fills the inside at the
    // proportion w:h. Returns 1.
    int Create(const QString& title, const QRect& rect, QWidget* parent, int id, int proportionW,
               int proportionH);
    // A new layout window: the pane and its play widget follow.
    void MoveWindow(const QRect& rect);
    // The layout window it is placed on (used for hit tests).
    QRect GetWindowRect() const { return m_placed; }
    int GetID() const { return m_nId; }

    void SetProportion(int w, int h);
    void GetProportion(int& w, int& h) const;
    void SetBkColor(const QColor& color);
    void SetPlayState(int state);
    int IsPlaying() const { return m_bPlaying; }
    int IsMaximised() const { return m_bMaximised; }
    void SetMaximised(int maximised) { m_bMaximised = maximised; }
    CSFQTVideoWindowPlayWnd* GetPlayWnd() const { return m_pPlayWnd; }
    void SetUpdatesEnabled(int enabled);
    void SetFocus();
    // The pane's inside from (0, 0), inclusive: the play widget's whole cell.
    QRect InsideRect() const { return QRect(0, 0, width(), height()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CSFQTVideoWindow* m_pWindow;
    int m_nId;
    CSFQTVideoWindowPlayWnd* m_pPlayWnd;
    QRect m_placed;
    QColor m_bkColor;
    int m_bPlaying;
    int m_bMaximised;
};
