#include "skin/SFQTListBox.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

#include <QListWidgetItem>

#include <algorithm>
#include <string>

CSFQTListBox::CSFQTListBox(ISFListBoxEvent* pEvent) : QListWidget(nullptr), CSFListBox(pEvent) {}

CSFQTListBox::~CSFQTListBox() = default;

int CSFQTListBox::Create(DWORD style, const RECT& rc, void* parentUI, UINT /*id*/)
{
    setParent(static_cast<QWidget*>(parentUI));
    setGeometry(OnePastRectToQRect(rc));
    setVisible((style & WS_VISIBLE) != 0);
    return 1;
}

void CSFQTListBox::SetCursor() {}

int CSFQTListBox::SetSkin() { return 0; }

void CSFQTListBox::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTListBox::MoveWindow(RECT* rc)
{
    if (!rc)
        return;
    const QRect g = InclusiveRectToQRect(*rc);
    MoveWindow(g.x(), g.y(), g.width(), g.height());
}

void CSFQTListBox::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

int CSFQTListBox::GetCount() { return count(); }

int CSFQTListBox::GetText(int index, wchar_t* buf)
{
    if (!buf || index < 0 || index >= count())
        return -1;
    const std::wstring wide = QStringToWide(item(index)->text());
    std::copy(wide.begin(), wide.end(), buf);
    return static_cast<int>(wide.size());
}

int CSFQTListBox::GetCurSel() { return currentRow(); }

int CSFQTListBox::SetCurSel(int index)
{
    if (index < 0 || index >= count())
        return -1;
    setCurrentRow(index);
    return currentRow();
}

int CSFQTListBox::AddString(const wchar_t* text)
{
    addItem(WideToQString(text));
    return count() - 1;
}

int CSFQTListBox::DeleteString(UINT index)
{
    if (index < static_cast<UINT>(count()))
        delete takeItem(static_cast<int>(index));
    return count();
}

void CSFQTListBox::mousePressEvent(QMouseEvent* /*event*/)
{
    if (m_pEvent)
        m_pEvent->LISTBOX_OnLButtonDown();
}

void CSFQTListBox::mouseReleaseEvent(QMouseEvent* /*event*/)
{
    if (m_pEvent)
        m_pEvent->LISTBOX_OnLButtonUp();
}

void CSFQTListBox::mouseMoveEvent(QMouseEvent* /*event*/)
{
    if (m_pEvent)
        m_pEvent->LISTBOX_OnMouseMove();
}
