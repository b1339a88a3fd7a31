#include "skin/SFQTSkinFrame.h"

#include "skin/SFQTControlHelpers.h"

#include "skin/SFMsgMap.h"
#include "skin/SFSkinPicture.h"
#include "skin/SFSkinString.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QScreen>
#include <QTimerEvent>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

// Width and height of a piece as used for placing: a piece without area takes no room.
int PieceW(const QRect& r) { return r.width() > 0 && r.height() > 0 ? r.width() : 0; }
int PieceH(const QRect& r) { return r.width() > 0 && r.height() > 0 ? r.height() : 0; }

bool HasArea(const QRect& r) { return r.width() > 0 && r.height() > 0; }

void DrawPiece(QPainter& p, const QPixmap& sheet, const QRect& piece, int x, int y)
{
    // An empty source rectangle would make the painter copy the whole sheet.
    if (HasArea(piece))
        p.drawPixmap(QPoint(x, y), sheet, piece);
}

// Whether the painter places pixels one to one, shifted by whole pixels only: a tiled run
// then gives exactly the pixels of its pieces drawn one by one; stretched, it does not.
bool OneToOne(const QPainter& p)
{
    const QTransform& t = p.transform();
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
           t.dy() == std::floor(t.dy());
}

// The piece repeated from (x, y) along x (across) or y, a whole piece at a time, for as long
// as it starts before end: the last piece may run past end. cut is the piece cut out of the
// sheet; without it, or on a stretching painter, the pieces are drawn one by one.
void DrawRun(QPainter& p, const QPixmap& sheet, const QRect& piece, const QPixmap& cut, int x, int y, int end,
             bool across)
{
    if (!HasArea(piece))
        return;
    const int step = across ? piece.width() : piece.height();
    const int start = across ? x : y;
    if (cut.isNull() || !OneToOne(p)) {
        for (int at = start; at < end; at += step)
            DrawPiece(p, sheet, piece, across ? at : x, across ? y : at);
        return;
    }
    if (start >= end)
        return;
    const int length = ((end - start + step - 1) / step) * step;
    p.drawTiledPixmap(across ? QRect(x, y, length, piece.height()) : QRect(x, y, piece.width(), length), cut);
}

QRect PrimaryWorkArea()
{
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

// The code of a key both windows report alike (F1, the arrows left and right, Space,
// Escape); other for any other key.
UINT SharedKeyCode(int qtKey, UINT other)
{
    switch (qtKey) {
    case Qt::Key_F1:
        return VK_F1;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    default:
        return other;
    }
}

}  // namespace

// ---- DialogSkinData ----------------------------------------------------------------------

DialogSkinData::DialogSkinData(int fill)
    : requestedW(fill),
      requestedH(fill),
      baseW(fill),
      baseH(fill),
      radiusW(fill),
      radiusH(fill)
{
    if (fill == 0) {
        for (QRect& r : rects)
            r = QRect(QPoint(0, 0), QPoint(0, 0));
    }
}

void DialogSkinData::CutEdgeRuns()
{
    static const int kRunPieces[4] = {Top, LeftMiddle, RightMiddle, Bottom};
    for (int i = 0; i < 4; ++i) {
        const QRect& piece = rects[kRunPieces[i]];
        const bool inside = HasArea(piece) && framePicture.rect().contains(piece);
        edgeRuns[i] = inside ? framePicture.copy(piece) : QPixmap();
    }
}

bool CSFQTSkinFrame::PlacementRefused()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// ---- Construction ------------------------------------------------------------------------

CSFQTSkinFrame::CSFQTSkinFrame(ISFDialogEvent* pEvent, QWidget* host, int fill)
    : CSFDialog(pEvent),
      m_pHost(host),
      m_skin(fill),
      m_pTitleLabel(nullptr),
      m_bDragging(false),
      m_bNcLBtnDown(true),
      m_nHotState(StateNormal),
      m_nHotButton(BtnNone),
      m_bMaskSet(false)
{}

CSFQTSkinFrame::~CSFQTSkinFrame() = default;

void CSFQTSkinFrame::ReleaseFrame()
{
    KillAllTimers();
    m_skin.framePicture = QPixmap();
    for (QPixmap& run : m_skin.edgeRuns)
        run = QPixmap();
    m_skin.backgroundPicture = QPixmap();
    m_skin.backgroundUniform = QColor();
    delete m_pTitleLabel;
    m_pTitleLabel = nullptr;
    if (m_pEvent) {
        // Closing without Cancel (a window-manager close) would otherwise leave it dangling.
        m_pEvent->m_pUIWnd = nullptr;
        m_pEvent->Dlg_Destroy();
    }
}

// ---- Shared facade operations ------------------------------------------------------------

int CSFQTSkinFrame::Create(const wchar_t* title, void* parent)
{
    if (parent)
        m_pHost->setParent(static_cast<QWidget*>(parent));
    SetTitleText(WideToQString(title));
    if (m_pEvent)
        m_pEvent->Dlg_OnInitDialog(true);
    return TRUE;
}

void CSFQTSkinFrame::MFCOK() { DoOK(); }

void CSFQTSkinFrame::MFCCancel() { DoCancel(); }

void CSFQTSkinFrame::SendDlgMessage(UINT msg, UINT /*wParam*/, LONG /*lParam*/)
{
    if (msg == WM_CLOSE)
        DoCancel();
}

int CSFQTSkinFrame::CreateDlg(void* /*parent*/) { return TRUE; }

void CSFQTSkinFrame::ShowWindow(int show)
{
    m_pHost->setWindowModality(Qt::NonModal);
    if (show)
        m_pHost->show();
    else
        m_pHost->hide();
}

void CSFQTSkinFrame::MoveWindow(RECT* rc)
{
    if (!rc)
        return;
    const QRect g = InclusiveRectToQRect(*rc);
    MoveWindow(g.x(), g.y(), g.width(), g.height());
}

void CSFQTSkinFrame::MoveWindow(int x, int y, int w, int h)
{
    m_pHost->setGeometry(x, y, w, h);
    m_skin.requestedW = w;
    m_skin.requestedH = h;
}

void CSFQTSkinFrame::Screen2Client(POINT* pt)
{
    if (!pt)
        return;
    const QPoint p = m_pHost->mapFromGlobal(QPoint(pt->x, pt->y));
    pt->x = p.x();
    pt->y = p.y();
}

void CSFQTSkinFrame::Screen2Client(RECT* rc)
{
    if (!rc)
        return;
    *rc = ScreenRectToClient(*m_pHost, *rc);
}

void CSFQTSkinFrame::GetDlgClientRect(RECT* rc)
{
    if (rc)
        *rc = WidgetClientRect(*m_pHost);
}

void CSFQTSkinFrame::GetDlgWindowRect(RECT* rc)
{
    if (rc)
        *rc = WidgetScreenRect(*m_pHost);
}

void CSFQTSkinFrame::SetDrawBackGround(int /*draw*/) {}

int CSFQTSkinFrame::DlgIsWindow() { return m_pHost->isWindow() ? TRUE : FALSE; }

int CSFQTSkinFrame::SetDlgWindowPos(void* /*after*/, int x, int y, int cx, int cy, UINT flags)
{
    const QRect g = m_pHost->geometry();
    if (flags & SWP_NOMOVE) {
        x = g.x();
        y = g.y();
    }
    if (flags & SWP_NOSIZE) {
        cx = g.width();
        cy = g.height();
    }
    m_pHost->setGeometry(x, y, cx, cy);
    m_pHost->update();
    return TRUE;
}

void CSFQTSkinFrame::SetDlgIcon(UINT /*resourceId*/) {}

int CSFQTSkinFrame::IsDlgVisible() { return m_pHost->isVisible() ? TRUE : FALSE; }

void CSFQTSkinFrame::EnableNcLBtnDown(int enable) { m_bNcLBtnDown = enable != 0; }

UINT CSFQTSkinFrame::SetDlgTimer(UINT id, UINT ms)
{
    const auto it = m_timers.find(id);
    if (it != m_timers.end())
        return static_cast<UINT>(it->second);
    const int qtId = m_pHost->startTimer(static_cast<int>(ms));
    if (qtId == 0)
        return 0;
    m_timers[id] = qtId;
    return static_cast<UINT>(qtId);
}

int CSFQTSkinFrame::KillDlgTimer(UINT id)
{
    const auto it = m_timers.find(id);
    if (it == m_timers.end())
        return FALSE;
    m_pHost->killTimer(it->second);
    m_timers.erase(it);
    return TRUE;
}

void CSFQTSkinFrame::SetSizeRoundCorner(const wchar_t* pair)
{
    const std::pair<int, int> r = ParseIntPairW(pair ? std::wstring(pair) : std::wstring());
    m_skin.radiusW = r.first;
    m_skin.radiusH = r.second;
}

void CSFQTSkinFrame::MacShowFullScreen(bool on)
{
    if (on)
        m_pHost->showFullScreen();
    else
        m_pHost->showNormal();
}

void CSFQTSkinFrame::MacShowMinimize(bool on)
{
    if (on)
        m_pHost->showMinimized();
    else
        m_pHost->showNormal();
}

// ---- Skin --------------------------------------------------------------------------------

void CSFQTSkinFrame::ReadSkin(const DialogStyle& style)
{
    const bool fixedSize = !style[57].empty();
    if (fixedSize) {
        const std::pair<int, int> size = ParseIntPairW(style[57]);
        m_skin.requestedW = size.first;
        m_skin.requestedH = size.second;
        SetDlgWindowPos(nullptr, 0, 0, size.first, size.second, SWP_NOMOVE);
        CenterWindow(nullptr);
    }

    const std::pair<int, int> radii = ParseIntPairW(style[56]);
    m_skin.radiusW = radii.first;
    m_skin.radiusH = radii.second;
    m_skin.backgroundColor = HexStringToQColor(style[3]);

    m_skin.backgroundPicture = CSFSkinPicture::FromNameOrNone(style[1]).Pixmap();
    m_skin.backgroundUniform = UniformColor(m_skin.backgroundPicture);
    m_skin.framePicture = CSFSkinPicture::FromNameOrNone(style[0]).Pixmap();

    if (fixedSize) {
        m_skin.baseW = m_skin.requestedW;
        m_skin.baseH = m_skin.requestedH;
    } else {
        m_skin.baseW = m_skin.framePicture.width();
        m_skin.baseH = m_skin.framePicture.height();
    }

    // Border pieces in composition order; the right edge is written lower part first.
    static const int kPieceFields[12] = {4, 6, 8, 10, 12, 14, 26, 24, 22, 16, 18, 20};
    for (int i = 0; i < 12; ++i)
        m_skin.rects[DialogSkinData::TopLeft + i] = StringToRect(style[kPieceFields[i]]);
    for (int i = 0; i < 12; ++i)
        m_skin.rects[DialogSkinData::FirstCell + i] = StringToRect(style[28 + i]);
    for (int i = 0; i < 4; ++i)
        m_skin.rects[DialogSkinData::FirstButton + i] = StringToRect(style[41 + i]);
    m_skin.rects[DialogSkinData::Caption] = StringToRect(style[54]);
    m_skin.CutEdgeRuns();
}

// ---- Composition and mask ----------------------------------------------------------------

QColor CSFQTSkinFrame::UniformColor(const QPixmap& picture)
{
    if (picture.isNull())
        return QColor();
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] != first)
                return QColor();
        }
    }
    return QColor::fromRgba(first);
}

void CSFQTSkinFrame::PaintFramePicture(QPainter& p, const DialogSkinData& skin, int w, int h)
{
    if (w <= 0 || h <= 0)
        return;

    if (skin.backgroundUniform.isValid())
        p.fillRect(QRect(0, 0, w, h), skin.backgroundUniform);
    else if (!skin.backgroundPicture.isNull())
        p.drawPixmap(QRect(0, 0, w, h), skin.backgroundPicture);
    else
        p.fillRect(QRect(0, 0, w, h), skin.backgroundColor);

    const QPixmap& sheet = skin.framePicture;
    if (sheet.isNull())
        return;
    const QRect* r = skin.rects;
    const QRect& tl = r[DialogSkinData::TopLeft];
    const QRect& top = r[DialogSkinData::Top];
    const QRect& tr = r[DialogSkinData::TopRight];
    const QRect& lu = r[DialogSkinData::LeftUpper];
    const QRect& lm = r[DialogSkinData::LeftMiddle];
    const QRect& ll = r[DialogSkinData::LeftLower];
    const QRect& ru = r[DialogSkinData::RightUpper];
    const QRect& rm = r[DialogSkinData::RightMiddle];
    const QRect& rl = r[DialogSkinData::RightLower];
    const QRect& bl = r[DialogSkinData::BottomLeft];
    const QRect& bottom = r[DialogSkinData::Bottom];
    const QRect& br = r[DialogSkinData::BottomRight];

    const QPixmap* runs = skin.edgeRuns;

    // Top row.
    DrawPiece(p, sheet, tl, 0, 0);
    DrawRun(p, sheet, top, runs[0], PieceW(tl), 0, w - PieceW(tr), true);
    DrawPiece(p, sheet, tr, w - PieceW(tr), 0);

    // Left edge.
    DrawPiece(p, sheet, lu, 0, PieceH(tl));
    DrawRun(p, sheet, lm, runs[1], 0, PieceH(tl) + PieceH(lu), h - PieceH(ll) - PieceH(bl), false);
    DrawPiece(p, sheet, ll, 0, h - PieceH(bl) - PieceH(ll));

    // Right edge.
    DrawPiece(p, sheet, ru, w - PieceW(ru), PieceH(tl));
    DrawRun(p, sheet, rm, runs[2], w - PieceW(rm), PieceH(tl) + PieceH(ru), h - PieceH(rl) - PieceH(bl),
            false);
    DrawPiece(p, sheet, rl, w - PieceW(rl), h - PieceH(bl) - PieceH(rl));

    // Bottom row.
    DrawPiece(p, sheet, bl, 0, h - PieceH(bl));
    DrawRun(p, sheet, bottom, runs[3], PieceW(bl), h - bottom.height(), w - PieceW(br), true);
    DrawPiece(p, sheet, br, w - PieceW(br), h - PieceH(br));
}

QBitmap CSFQTSkinFrame::RoundMask(int w, int h, int rx, int ry)
{
    QBitmap bm(std::max(w, 0), std::max(h, 0));
    if (bm.isNull())
        return bm;
    bm.clear();
    rx = std::max(rx, 0);
    ry = std::max(ry, 0);

    QPainterPath path;
    path.moveTo(rx, 0);
    path.arcTo(0, 0, 2 * rx, 2 * ry, 90, 90);
    path.lineTo(0, h - ry);
    path.arcTo(0, h - 2 * ry, 2 * rx, 2 * ry, 180, 90);
    path.lineTo(w - rx, h);
    path.arcTo(w - 2 * rx, h - 2 * ry, 2 * rx, 2 * ry, 270, 90);
    path.lineTo(w, ry);
    path.arcTo(w - 2 * rx, 0, 2 * rx, 2 * ry, 0, 90);
    path.lineTo(rx, 0);

    QPainter p(&bm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::color1);
    p.setBrush(Qt::color1);
    p.drawPath(path);
    return bm;
}

void CSFQTSkinFrame::UpdateRoundMask()
{
    const int rx = std::max(m_skin.radiusW, 0);
    const int ry = std::max(m_skin.radiusH, 0);
    if (rx == 0 && ry == 0) {
        // Square corners show the whole window, which is what no mask shows too.
        if (m_bMaskSet) {
            m_pHost->clearMask();
            m_bMaskSet = false;
        }
        return;
    }
    m_pHost->setMask(RoundMask(m_pHost->width(), m_pHost->height(), rx, ry));
    m_bMaskSet = true;
}

bool CSFQTSkinFrame::FollowResize(const QSize& size, const QSize& oldSize)
{
    if (m_skin.framePicture.isNull())
        return false;
    const int w = size.width();
    // The first resize comes from no size at all: the title buttons stay where the skin put them.
    const int dw = oldSize.width() >= 0 ? w - oldSize.width() : 0;

    QRect& caption = m_skin.rects[DialogSkinData::Caption];
    caption = QRect(0, 0, w, caption.height());

    for (int b = BtnClose; b <= BtnExtra; ++b) {
        QRect& r = m_skin.ButtonRect(b);
        if (!r.isValid())
            continue;
        r.translate(r.left() < 0 ? w : dw, 0);
    }
    return true;
}

// ---- Title label -------------------------------------------------------------------------

void CSFQTSkinFrame::PlaceTitleLabel(const QString& text, int align, int y, const QColor& color)
{
    if (!m_pTitleLabel) {
        m_pTitleLabel = new QLabel(text, m_pHost);
        // Set on the label itself so that an application style sheet cannot recolour it.
        m_pTitleLabel->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }")
                                         .arg(color.name(QColor::HexArgb)));
        m_pTitleLabel->show();
    }
    m_pTitleLabel->setText(text);
    const QFontMetrics fm = m_pHost->fontMetrics();
    const int tw = fm.horizontalAdvance(text);
    const int th = fm.height();
    int x = 15;
    if (align == 1)
        x = (m_pHost->width() - 1 - tw) / 2;
    else if (align == 2)
        x = m_pHost->width() - 1 - tw;
    m_pTitleLabel->setGeometry(x, y, tw + 2, th + 2);
}

// ---- Painting and title buttons ----------------------------------------------------------

int CSFQTSkinFrame::HitTest(const QPoint& pt) const
{
    for (int b = BtnClose; b <= BtnExtra; ++b) {
        if (m_skin.ButtonRect(b).contains(pt))
            return b;
    }
    return BtnNone;
}

void CSFQTSkinFrame::PaintWindowPicture(QPainter& p, int w, int h) const
{
    PaintFramePicture(p, m_skin, w, h);
}

const CSFQTSkinFrame::PictureTriple* CSFQTSkinFrame::TitlePictures() const { return nullptr; }

void CSFQTSkinFrame::RecomposeFrame(int w, int h)
{
    m_frameSize = QSize(w, h);
    m_pHost->update();
    if (m_pTitleLabel)
        SetTitleText(m_pTitleLabel->text());
    UpdateRoundMask();
    if (m_pEvent)
        m_pEvent->OnDlgSize(0, w, h);
}

void CSFQTSkinFrame::PaintFrame(QPainter& painter, const PictureTriple* pictures) const
{
    const QSize hostSize = m_pHost->size();
    if (hostSize == m_frameSize) {
        PaintWindowPicture(painter, m_frameSize.width(), m_frameSize.height());
    } else if (!m_frameSize.isEmpty() && !hostSize.isEmpty()) {
        // A size the frame did not follow: the picture of the followed size, stretched.
        painter.save();
        painter.scale(qreal(hostSize.width()) / m_frameSize.width(),
                      qreal(hostSize.height()) / m_frameSize.height());
        PaintWindowPicture(painter, m_frameSize.width(), m_frameSize.height());
        painter.restore();
    }
    for (int b = BtnClose; b <= BtnExtra; ++b) {
        const QRect& r = m_skin.ButtonRect(b);
        const int state = b == m_nHotButton ? m_nHotState : StateNormal;
        if (pictures && !pictures[b - 1][0].isNull()) {
            // A missing picture of a state falls back to the normal one.
            const QPixmap& pic =
                pictures[b - 1][state].isNull() ? pictures[b - 1][0] : pictures[b - 1][state];
            if (HasArea(r))
                painter.drawPixmap(r, pic);
            continue;
        }
        if (!r.isValid())
            continue;
        const QRect& cell = m_skin.Cell(b, state);
        if (!m_skin.framePicture.isNull() && HasArea(cell))
            painter.drawPixmap(r, m_skin.framePicture, cell);
    }
}

void CSFQTSkinFrame::RepaintButton(int button)
{
    if (button >= BtnClose && button <= BtnExtra && m_skin.ButtonRect(button).isValid())
        m_pHost->update(m_skin.ButtonRect(button));
}

void CSFQTSkinFrame::SetHot(int button, int state)
{
    if (m_nHotButton != button)
        RepaintButton(m_nHotButton);
    m_nHotButton = button;
    m_nHotState = state;
    RepaintButton(button);
}

void CSFQTSkinFrame::ClearHot(bool repaint)
{
    if (repaint)
        RepaintButton(m_nHotButton);
    m_nHotButton = BtnNone;
    m_nHotState = StateNormal;
}

// ---- Mouse -------------------------------------------------------------------------------

void CSFQTSkinFrame::FramePress(QMouseEvent* e, bool maximised)
{
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint pos = e->position().toPoint();
    if (m_skin.rects[DialogSkinData::Caption].contains(pos) && !maximised) {
        m_bDragging = true;
        m_dragOffset = e->globalPosition().toPoint() - m_pHost->pos();
    }
    const int hit = HitTest(pos);
    if (hit != BtnNone) {
        m_bDragging = false;
        SetHot(hit, StatePressed);
    } else {
        ClearHot(true);
    }
    // Where the window may not place itself, the compositor moves it instead.
    if (m_bDragging && PlacementRefused() && m_pHost->windowHandle() &&
        m_pHost->windowHandle()->startSystemMove())
        m_bDragging = false;
}

void CSFQTSkinFrame::FrameMove(QMouseEvent* e, bool held, bool maximised)
{
    if (held && m_bDragging && !maximised) {
        QPoint p = e->globalPosition().toPoint() - m_dragOffset;
        const QRect work = PrimaryWorkArea();
        if (!work.isNull() && p.y() < work.top())
            p.setY(work.top());
        m_pHost->move(p);
    }
    const int hit = HitTest(e->position().toPoint());
    if (hit != BtnNone)
        SetHot(hit, StateHover);
    else
        ClearHot(true);
}

CSFQTSkinFrame::TitleAction CSFQTSkinFrame::FrameRelease(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return ActNone;
    if (m_bDragging) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            bool moved = false;
            const QPoint p = ReleasePosition(e->globalPosition().toPoint() - m_dragOffset, screen->geometry(),
                                             screen->availableGeometry(), m_pHost->width(), &moved);
            if (moved)
                m_pHost->move(p);
        }
        m_bDragging = false;
    }

    const int hit = HitTest(e->position().toPoint());
    if (hit == BtnNone) {
        ClearHot(true);
        return ActNone;
    }
    SetHot(hit, StateHover);

    const Qt::WindowStates st = m_pHost->windowState();
    const bool plain = !(st & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    const bool maximised = (st & Qt::WindowMaximized) != 0;
    switch (hit) {
    case BtnClose:
        return ActClose;
    case BtnMaximize:
        if (plain)
            return ActMaximize;
        return maximised ? ActNormal : ActNone;
    case BtnMinimize:
        if (plain) {
            m_pHost->setWindowState(Qt::WindowMinimized);
            return ActMinimize;
        }
        return maximised ? ActNormal : ActNone;
    default:
        return ActNone;
    }
}

QPoint CSFQTSkinFrame::ReleasePosition(QPoint p, const QRect& screen, const QRect& work, int width,
                                       bool* moved)
{
    // Work-area rules as the frame always had them (inclusive right and bottom, the work
    // area's top added where a panel's size would be expected).
    bool corrected = false;
    if (p.y() < work.top())
        p.setY(work.top());
    if (work.bottom() < screen.bottom() && work.top() + p.y() > work.bottom()) {
        p.setY(work.bottom() - work.top());
        corrected = true;
    }
    if (work.left() > screen.left() && p.x() + width - work.top() < work.left()) {
        p.setX(work.left() + work.top() - width);
        corrected = true;
    }
    if (work.right() < screen.right() && work.top() + p.x() > work.right()) {
        p.setX(work.right() - work.top());
        corrected = true;
    }
    if (moved)
        *moved = corrected;
    return p;
}

// ---- Timers, keys, centring, events ------------------------------------------------------

UINT CSFQTSkinFrame::TimerUserId(int qtId) const
{
    for (const auto& entry : m_timers) {
        if (entry.second == qtId)
            return entry.first;
    }
    return 0;
}

void CSFQTSkinFrame::KillAllTimers()
{
    for (const auto& entry : m_timers)
        m_pHost->killTimer(entry.second);
    m_timers.clear();
}

UINT CSFQTSkinFrame::ModifierCode(Qt::KeyboardModifiers mods)
{
    UINT code = 0;
    if (mods & Qt::ControlModifier)
        code = VK_CONTROL;
    else if (mods & Qt::ShiftModifier)
        code = VK_SHIFT;
    if (mods & Qt::AltModifier)
        code |= VK_MENU;
    return code;
}

UINT CSFQTSkinFrame::DialogKeyCode(int qtKey)
{
    return qtKey == Qt::Key_Return ? VK_RETURN : SharedKeyCode(qtKey, 0);
}

UINT CSFQTSkinFrame::MainWindowKeyCode(int qtKey)
{
    return qtKey == Qt::Key_F4 ? VK_F4 : SharedKeyCode(qtKey, static_cast<UINT>(qtKey));
}

QSize CSFQTSkinFrame::PlacementSize(const DialogSkinData& skin, const QSize& current, const QRect& workArea)
{
    int w = skin.requestedW;
    int h = skin.requestedH;
    if (w <= 0 || h <= 0) {
        // Nothing requested yet: the window is placed with the size it has.
        w = current.width();
        h = current.height();
    }
    if (w > workArea.width())
        w = std::max(workArea.width(), skin.baseW);
    if (h > workArea.height())
        h = std::max(workArea.height(), skin.baseH);
    return QSize(w, h);
}

QPoint CSFQTSkinFrame::CenteredPosition(const QSize& size, const QRect& area)
{
    if (size.width() <= area.width() && size.height() <= area.height())
        return QPoint(area.left() + (area.width() - size.width()) / 2,
                      area.top() + (area.height() - size.height()) / 2);
    return area.topLeft();
}

int CSFQTSkinFrame::DispatchFrameEvent(QEvent* e)
{
    if (!m_pEvent || !e || e->type() != CSFCustomEvent::EventType())
        return 0;
    SF_DispatchCustomEvent(m_pEvent, e);
    const CSFCustomEvent* ce = static_cast<const CSFCustomEvent*>(e);
    if (static_cast<UINT>(ce->nMsg) == WM_COMMAND && ce->nCode == 0) {
        if (ce->lParam == 1)
            return 1;
        if (ce->lParam == 2)
            return 2;
    }
    return 0;
}

QString CSFQTSkinFrame::FirstDroppedFile(const QDropEvent* e)
{
    const QMimeData* data = e ? e->mimeData() : nullptr;
    if (!data || !data->hasUrls())
        return QString();
    const QList<QUrl> urls = data->urls();
    return urls.isEmpty() ? QString() : urls.first().toLocalFile();
}

// ---- The work of CSFQTSkinWindow's shared handlers ---------------------------------------

void CSFQTSkinFrame::PaintHost() const
{
    QPainter painter(m_pHost);
    PaintFrame(painter, TitlePictures());
}

void CSFQTSkinFrame::FrameResized(const QResizeEvent* e)
{
    if (FollowResize(e->size(), e->oldSize()))
        RecomposeFrame(e->size().width(), e->size().height());
}

void CSFQTSkinFrame::FrameTimer(const QTimerEvent* e)
{
    if (m_pEvent)
        m_pEvent->OnDlgTimer(TimerUserId(e->timerId()));
}

void CSFQTSkinFrame::AcceptUrlDrag(QDragEnterEvent* e)
{
    if (e->mimeData() && e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

bool CSFQTSkinFrame::ReportDroppedFile(const QDropEvent* e)
{
    const QString path = FirstDroppedFile(e);
    if (path.isEmpty())
        return false;
    if (m_pEvent)
        m_pEvent->OnDlgFileDrop(QStringToWide(path).c_str());
    return true;
}
