#include "skin/SFQTMenu.h"

#include "skin/SFSkinString.h"

#include <QAction>
#include <QMouseEvent>
#include <QVariant>

CSFQTMenu::CSFQTMenu(ISFMenuEvent* pEvent) : QMenu(nullptr), CSFMenu(pEvent) {}

CSFQTMenu::~CSFQTMenu() = default;

int CSFQTMenu::Create(DWORD /*style*/, const RECT& /*rc*/, void* parentUI, UINT /*id*/)
{
    // The one-argument setParent would turn the pop-up into a plain child widget.
    setParent(static_cast<QWidget*>(parentUI), windowFlags());
    return 1;
}

int CSFQTMenu::SetSkin() { return 0; }

void* CSFQTMenu::AddMenu(const wchar_t* title) { return static_cast<void*>(addMenu(WideToQString(title))); }

void CSFQTMenu::Popup(int x, int y) { popup(QPoint(x, y)); }

void* CSFQTMenu::AddAction(const wchar_t* text, int id)
{
    QAction* action = addAction(WideToQString(text));
    action->setData(QVariant(id));
    return static_cast<void*>(action);
}

void CSFQTMenu::AddSeparator() { addSeparator(); }

void CSFQTMenu::Clear() { clear(); }

void CSFQTMenu::mouseReleaseEvent(QMouseEvent* event)
{
    // The sink hears only left-button choices made with the mouse on this menu's own
    // entries; the default handling then triggers the entry and closes the menu.
    if (event->button() == Qt::LeftButton && m_pEvent) {
        QAction* action = actionAt(event->position().toPoint());
        if (action)
            m_pEvent->Menu_OnAction(action->data().toInt());
    }
    QMenu::mouseReleaseEvent(event);
}
