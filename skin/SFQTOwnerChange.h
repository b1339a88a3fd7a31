// Marks a change that an owner makes through a control's facade: such a change reports
// nothing to the owner. While a mark lives, the control's own handlers of its signals return
// at once; the signals themselves are still sent, so every other listener hears them as
// before. Where nothing but the control listens, QSignalBlocker on the sender does the same.
// Marks nest: the change ends with the outermost one.
//
//     int m_nOwnerChange = 0;  // the control's count of running marks
//
//     void CSFQTSomething::SetValue(int value)
//     {
//         const CSFQTOwnerChange change(m_nOwnerChange);
//         setValue(value);  // valueChanged reaches OnValueChanged, which reports nothing
//     }
//     void CSFQTSomething::OnValueChanged(int value)
//     {
//         if (CSFQTOwnerChange::Running(m_nOwnerChange))
//             return;
//         m_pEvent->OnValue(value);
//     }
#pragma once

class CSFQTOwnerChange
{
public:
    explicit CSFQTOwnerChange(int& count) : m_count(count) { ++m_count; }
    ~CSFQTOwnerChange() { --m_count; }
    CSFQTOwnerChange(const CSFQTOwnerChange&) = delete;
    CSFQTOwnerChange& operator=(const CSFQTOwnerChange&) = delete;

    // True while a mark on count lives.
    static bool Running(int count) { return count > 0; }
    // True for the outermost of the marks on its count.
    bool Outermost() const { return m_count == 1; }

private:
    int& m_count;
};
