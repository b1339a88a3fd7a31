// The drop-down list: a combo box behind the CSFComboBox facade. Its closed face is painted
// from one skin picture, a sheet of state cells (normal, hover, list open below, list open
// above, disabled), each scaled into the whole control with the current item's text on top;
// the drop-down list gets a fixed style sheet.
//
// Only the user's choice of another item reaches the sink (SelectChanged). Changes made
// through the facade (AddString, DeleteString, SetCurSel, Clear, ResetContent) are silent:
// the control's own handler of the current-index signal reports nothing while they run, so
// other listeners of the widget's signals still hear every change.
#pragma once

#include "skin/SFInterface.h"

#include <QComboBox>
#include <QMetaObject>
#include <QPixmap>
#include <QRect>

class QEnterEvent;
class QEvent;
class QFocusEvent;
class QMouseEvent;
class QPaintEvent;
class QWheelEvent;

class CSFQTComboBox : public QComboBox, public CSFComboBox
{
    Q_OBJECT

public:
    // Paint states.
    enum
    {
        StateNormal = 0,
        StateHover = 1,
        StatePressed = 2,
        StateDisabled = 3
    };

    // Skin parts, one per cell field [1]..[7] of ImageComboBoxStyle.
    enum
    {
        PartNormal = 0,
        PartHover = 1,
        PartOpenBelow = 2,
        PartOpenAbove = 3,
        PartDisabled = 4,
        PartCount = 7
    };

    // Height of one row of the drop-down list, fixed by each item's icon.
    static const int ItemHeight = 25;

    struct SkinPart
    {
        bool loaded = false;
        bool stretch = false;
        // Picture area from (x, y) to (x + w, y + h) inclusive: (w + 1) x (h + 1) pixels.
        QRect source = QRect(QPoint(0, 0), QPoint(0, 0));
    };

    explicit CSFQTComboBox(ISFComboBoxEvent* pEvent);
    ~CSFQTComboBox() override;

    // Reads rc Win32-style (right and bottom exclusive); shown iff style has WS_VISIBLE.
    int Create(DWORD style, const RECT& rc, void* parentUI, UINT id) override;
    void SetCursor() override;
    // Loads the cell sheet and the cells; 0 when skin is NULL or the plain look is set.
    int SetSkin(ImageComboBoxStyle* skin) override;
    void ShowWindow(int show) override;
    // Corners inclusive.
    void MoveWindow(RECT* rc) override;
    void MoveWindow(int x, int y, int w, int h) override;
    // Returns the new item's index.
    int AddString(const wchar_t* text) override;
    // -1 when index is out of range, else the new count.
    int DeleteString(UINT index) override;
    // -1 when index is out of range; else copies the item's text and its terminating 0 into
    // buf (which must hold them) and returns the text's length. A NULL buf only gives the
    // length, so a caller can size its buffer first.
    int GetLBText(int index, wchar_t* buf) const override;
    int GetCurSel() const override;
    // -1 when index is out of range, else the new current index.
    int SetCurSel(int index) override;
    int GetCount() const override;
    void EnableWindow(int enable) override;
    // 1: the toolkit's own look from now on (SetSkin refused); 0: the skinned look again.
    void SetOriginStyle(int style) override;
    void Clear() override;
    void ResetContent() override;

    // The loaded cell of a part (0 <= part < PartCount).
    const SkinPart& GetSkinPart(int part) const { return m_parts[part]; }

    void showPopup() override;
    void hidePopup() override;

    // The fixed style sheet of the drop-down list.
    static const char* ListStyleSheet();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private slots:
    void OnSelectChanged(int sel);

private:
    void SetState(int state);
    bool ListActive() const;
    bool ListFitsBelow() const;

    SkinPart m_parts[PartCount];
    int m_nState;
    QPixmap m_skin;
    int m_bListOpen;
    int m_nOriginStyle;
    int m_nOwnerChange;  // running CSFQTOwnerChange marks: the owner's own change
};
