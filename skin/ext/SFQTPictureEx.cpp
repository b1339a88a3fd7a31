#include "skin/ext/SFQTPictureEx.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

#include <QMovie>
#include <QSizePolicy>

CSFQTPictureEx::CSFQTPictureEx(ISFPictureExEvent* pEvent)
    : QLabel(nullptr),
      CSFPictureEx(pEvent),
      m_pMovie(new QMovie(this))
{
    setAlignment(Qt::AlignCenter);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setAutoFillBackground(true);
}

CSFQTPictureEx::~CSFQTPictureEx()
{
    // The label lets go of the movie before it goes.
    setMovie(nullptr);
    delete m_pMovie;
}

BOOL CSFQTPictureEx::Create(const wchar_t* /*text*/, DWORD style, const RECT& rc, void* parentUI, UINT /*id*/)
{
    setGeometry(InclusiveRectToQRect(rc));
    setParent(static_cast<QWidget*>(parentUI));
    if (style & WS_VISIBLE)
        show();
    return TRUE;
}

void CSFQTPictureEx::SetCursor() {}

BOOL CSFQTPictureEx::SetSkin() { return FALSE; }

void CSFQTPictureEx::ShowWindow(int show)
{
    if (show) {
        this->show();
        m_pMovie->start();
    } else {
        hide();
        m_pMovie->stop();
    }
}

void CSFQTPictureEx::MoveWindow(RECT* rc)
{
    if (!rc)
        return;
    setGeometry(OnePastRectToQRect(*rc));
}

void CSFQTPictureEx::MoveWindow(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}

BOOL CSFQTPictureEx::Draw() { return FALSE; }

BOOL CSFQTPictureEx::Load(const wchar_t* file, int /*unused*/)
{
    m_pMovie->stop();
    setMovie(m_pMovie);
    m_pMovie->setFileName(SkinFilePath(file));
    // A file that does not load shows nothing, not the last frame of the one before.
    if (!m_pMovie->isValid())
        setMovie(nullptr);
    m_pMovie->start();
    return TRUE;
}

BOOL CSFQTPictureEx::SetAnimation(int on)
{
    if (!m_pMovie->isValid())
        return FALSE;
    if (on)
        m_pMovie->start();
    else
        m_pMovie->stop();
    return TRUE;
}
