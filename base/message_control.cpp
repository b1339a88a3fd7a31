#include "base/message_control.h"

namespace VesperonBase {

CSFMessageControl::CSFMessageControl(const boost::weak_ptr<CDelegate>& delegate) : m_pDelegate(delegate) {}

CSFMessageControl::~CSFMessageControl() = default;

void CSFMessageControl::ScheduleDelayedWork() {}

}  // namespace VesperonBase
