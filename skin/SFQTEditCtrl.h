// The single-line text field: a frameless line edit behind the CSFEditCtrl facade.
//
// Events to the sink (none when the sink is NULL), each with the whole current text:
//   EDIT_OnTextChange      on every change of the text, typed or set by SetWindowTextW;
//   EDIT_OnEnterPressed    when the user confirms the text: Return with acceptable input,
//                          or leaving the field with acceptable input;
//   EDIT_OnEditingFinished right after each confirmation.
// A confirmation is derived from the Return key and the field's own focus-out, not from the
// toolkit's "editing finished" signal, whose count per Return and whose firing on an
// unchanged field differ between toolkit versions. Each Return gives exactly one
// EnterPressed + EditingFinished pair and drops the focus; each focus loss with acceptable
// input gives exactly one pair.
#pragma once

#include "skin/SFInterface.h"

#include <QBrush>
#include <QLineEdit>
#include <QString>

class QFocusEvent;
class QPaintEvent;
class QValidator;

class CSFQTEditCtrl : public QLineEdit, public CSFEditCtrl
{
    Q_OBJECT

public:
    explicit CSFQTEditCtrl(ISFEditCtrlEvent* pEvent);
    ~CSFQTEditCtrl() override;

    // Reads rc Win32-style (right and bottom exclusive); shown iff style has WS_VISIBLE;
    // password masks the characters. Returns 1.
    int Create(DWORD style, const RECT& rc, void* parentUI, UINT id, bool password) override;
    void SetCursor() override;
    // The skin picture tiles the text area (palette role Base). Returns 1, also when the
    // file is missing (the background brush is then empty). The field paints the picture
    // itself as well: a style-sheet style (any application style sheet) ignores the palette.
    // Until the first call the field is filled with the palette's Base.
    int SetSkin(const wchar_t* picture) override;
    void ShowWindow(int show) override;
    // Corners inclusive.
    void MoveWindow(RECT* rc) override;
    void MoveWindow(int x, int y, int w, int h) override;
    // Copies at most size - 1 characters and a terminating 0 into buf; writes nothing when
    // buf is NULL or size <= 0. Returns the length of the whole text in any case.
    int GetWindowTextW(wchar_t* buf, int size) const override;
    void SetWindowTextW(const wchar_t* text) override;
    void EnableWindow(int enable) override;
    // Enables the field, then makes it read-only iff readOnly is non-zero.
    void SetReadOnly(int readOnly) override;
    // Corners inclusive.
    void GetEditCtrolPos(RECT& rc) override;
    // Letters and digits only.
    void SetRegExp() override;
    // A number of at least two digits without a leading 0.
    void InputNumberOnly() override;

protected:
    void focusOutEvent(QFocusEvent* event) override;
    // Tiles the skin picture from the top-left corner, then draws the text on it.
    void paintEvent(QPaintEvent* event) override;

private slots:
    void OnTextChange(const QString& text);
    void OnKeyPressed();
    // The two halves of a confirmation: EDIT_OnEnterPressed (held back while a Return
    // confirmation is under way), then EDIT_OnEditingFinished.
    void editingFinishe();
    void OnEditingFinished();

private:
    void SetPatternValidator(const QString& pattern);

    // Non-zero while a Return confirmation drops the focus, so that focus-out does not
    // confirm the same input a second time.
    int m_nEnterSuppress;
    QValidator* m_pValidator;
    // What SetSkin loaded: a tiled picture, or no brush.
    QBrush m_skinBrush;
};
