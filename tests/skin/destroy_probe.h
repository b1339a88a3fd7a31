// Whether a destroy entry deletes a control: a stand-in for a Qt implementation (a widget
// first, the facade second) is handed to it and watched.
#pragma once

#include <QPointer>
#include <QWidget>

// A stand-in for a Qt implementation: a widget first, the facade second.
template <class Facade>
struct FakeControl : QWidget, Facade
{
    explicit FakeControl(QWidget* parent = nullptr) : QWidget(parent), Facade(nullptr) {}
};

template <class Facade>
bool DestroyDeletes(void (*destroy)(Facade*))
{
    QPointer<QWidget> widget = new FakeControl<Facade>();
    Facade* facade = static_cast<FakeControl<Facade>*>(widget.data());
    destroy(facade);
    const bool deleted = widget.isNull();
    delete widget.data();
    return deleted;
}
