#include "skin/SFQTProgressCtrl.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

namespace {

// A style-sheet address: the text between double quotes, with any quote or backslash in it
// escaped.
QString QuotedUrl(const QString& path)
{
    QString escaped = path;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1String("url(\"") + escaped + QLatin1String("\")");
}

}  // namespace

CSFQTProgressCtrl::CSFQTProgressCtrl(ISFProgressCtrlEvent* pEvent)
    : QProgressBar(nullptr),
      CSFProgressCtrl(pEvent)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    setTextVisible(true);
    setAutoFillBackground(true);
}

CSFQTProgressCtrl::~CSFQTProgressCtrl() = default;

int CSFQTProgressCtrl::Create(DWORD style, const RECT& rc, void* parentUI, UINT id)
{
    m_nID = id;
    setParent(static_cast<QWidget*>(parentUI));
    setGeometry(OnePastRectToQRect(rc));
    setVisible((style & WS_VISIBLE) != 0);
    return 1;
}

void CSFQTProgressCtrl::SetCursor() {}

int CSFQTProgressCtrl::SetSkin(ImageProgressCtrlStyle* skin)
{
    if (!skin)
        return 0;
    setStyleSheet(StyleSheetFor(*skin));
    return 1;
}

QString CSFQTProgressCtrl::StyleSheetFor(const ImageProgressCtrlStyle& skin)
{
    return QLatin1String("QProgressBar { border: 1px solid grey;border-radius: 5px;background-image: ") +
           QuotedUrl(SkinFilePath(skin[1])) + QLatin1String(";} QProgressBar::chunk {background-image: ") +
           QuotedUrl(SkinFilePath(skin[0])) + QLatin1String(";}");
}

void CSFQTProgressCtrl::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTProgressCtrl::MoveWindow(RECT* rc)
{
    if (rc)
        setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTProgressCtrl::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

int CSFQTProgressCtrl::ModifyStyleEx(DWORD /*remove*/, DWORD /*add*/, UINT /*flags*/) { return 1; }

int CSFQTProgressCtrl::GetPos() { return value(); }

void CSFQTProgressCtrl::GetRange(int& min, int& max)
{
    min = minimum();
    max = maximum();
}

void CSFQTProgressCtrl::SetPos(int pos) { setValue(pos); }

void CSFQTProgressCtrl::SetRange(int min, int max) { setRange(min, max); }

int CSFQTProgressCtrl::SetStep(int /*step*/) { return 0; }

int CSFQTProgressCtrl::StepIt() { return 0; }

void CSFQTProgressCtrl::SetTextVisible(int visible) { setTextVisible(visible != 0); }

UINT CSFQTProgressCtrl::GetCtrlID() const { return m_nID; }
