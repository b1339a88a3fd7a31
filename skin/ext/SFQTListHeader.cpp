#include "skin/ext/SFQTListHeader.h"

CSFQTListHeader::CSFQTListHeader(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent),
      m_bInRelease(false),
      m_nClicked(-1)
{
    connect(this, &QHeaderView::sectionClicked, this, [this](int section) {
        if (m_bInRelease)
            m_nClicked = section;
        else
            Q_EMIT SectionClickDone(section);
    });
}

void CSFQTListHeader::mouseReleaseEvent(QMouseEvent* event)
{
    m_bInRelease = true;
    m_nClicked = -1;
    QHeaderView::mouseReleaseEvent(event);
    m_bInRelease = false;
    const int clicked = m_nClicked;
    m_nClicked = -1;
    if (clicked >= 0)
        Q_EMIT SectionClickDone(clicked);  // last: the header may be gone after it
}
