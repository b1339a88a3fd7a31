// Tells a control whether it still exists after it called out to its owner. An owner may
// delete the control from inside a notification (closing a panel from a click is ordinary
// owner code); after such a call the control touches nothing of itself:
//
//     const CSFQTDeleteGuard guard(this);
//     m_pSink->OnSomething(...);
//     if (guard.IsDeleted())
//         return;
#pragma once

#include <QObject>
#include <QPointer>

class CSFQTDeleteGuard
{
public:
    explicit CSFQTDeleteGuard(QObject* self) : m_self(self) {}

    // True once the object handed to the constructor has been destroyed.
    bool IsDeleted() const { return m_self.isNull(); }

private:
    QPointer<QObject> m_self;
};
