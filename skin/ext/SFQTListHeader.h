// The list control's column header: a plain horizontal header whose section clicks are
// reported once the header has finished handling the release that made them. The owner may
// delete the list, and so the header, on the report; the header touches nothing of itself
// after it (the toolkit's header goes on touching itself after its own click signal).
#pragma once

#include <QHeaderView>

class CSFQTListHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit CSFQTListHeader(QWidget* parent);

Q_SIGNALS:
    // A section was clicked; sent after the release is handled.
    void SectionClickDone(int section);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_bInRelease;
    int m_nClicked;  // the section clicked by the release being handled, else -1
};
