#include "skin/SFQTToggleHelpers.h"

#include "skin/SFMsgMap.h"
#include "skin/SFSkinPicture.h"
#include "skin/SFSkinString.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

void SFLoadStatePictures(const SFWideStringRecord<8>& names, QPixmap* pictures)
{
    if (!pictures)
        return;
    for (int i = 0; i < 8; ++i) {
        if (!names[i].empty())
            pictures[i] = LoadSkinPicture(SkinFilePath(names[i]));
    }
}

QPixmap ExpandPixmapFromCentre(const QPixmap& picture, const QSize& size)
{
    if (picture.isNull() || size.isEmpty())
        return picture;

    const int pw = picture.width();
    const int ph = picture.height();
    const int hw = pw / 2;
    const int hh = ph / 2;
    const int rw = pw - hw;  // width of the right quadrants
    const int rh = ph - hh;  // height of the bottom quadrants
    const int W = size.width();
    const int H = size.height();
    const int xr = W - rw;  // left edge of the right quadrants
    const int yb = H - rh;  // top edge of the bottom quadrants

    QPixmap out(size);
    out.fill(Qt::transparent);
    QPainter p(&out);
    // Pixels are copied as they are, alpha included.
    p.setCompositionMode(QPainter::CompositionMode_Source);
    auto blit = [&](int x, int y, int sx, int sy, int sw, int sh) {
        // A zero source extent would mean "to the end of the picture" to QPainter.
        if (sw > 0 && sh > 0)
            p.drawPixmap(x, y, picture, sx, sy, sw, sh);
    };

    blit(0, 0, 0, 0, hw, hh);
    blit(xr, 0, hw, 0, rw, hh);
    blit(0, yb, 0, hh, hw, rh);
    blit(xr, yb, hw, hh, rw, rh);

    for (int x = hw; x <= xr; ++x)
        blit(x, 0, hw, 0, 1, hh);
    for (int x = hw; x < xr; ++x)
        blit(x, yb, hw, hh, 1, rh);
    for (int y = hh; y < yb; ++y) {
        blit(0, y, 0, hh, hw, 1);
        blit(xr, y, hw, hh, rw, 1);
    }

    const QRect centre(QPoint(hw, hh), QPoint(xr - 1, yb - 1));
    if (centre.width() > 0 && centre.height() > 0)
        p.fillRect(centre, picture.toImage().pixelColor(hw, hh));
    p.end();
    return out;
}

void FitStatePictures(QPixmap* pictures, int count, const QSize& size)
{
    if (!pictures || count < 2 || size.isEmpty())
        return;
    const QPixmap& ref = pictures[1];
    if (ref.width() >= size.width() && ref.height() >= size.height()) {
        if (ref.size() == size)
            return;
        for (int i = 0; i < count; ++i)
            if (!pictures[i].isNull())
                pictures[i] = pictures[i].copy(0, 0, size.width(), size.height());
        return;
    }
    for (int i = 0; i < count; ++i)
        if (!pictures[i].isNull())
            pictures[i] = ExpandPixmapFromCentre(pictures[i], size);
}

void SFSendCommandToParent(QObject* sender, UINT id)
{
    if (!sender || !QCoreApplication::instance())
        return;
    QObject* parent = sender->parent();
    if (!parent)
        return;
    CSFCustomEvent ev(static_cast<int>(SF_MSG_COMMAND), 0, 0, static_cast<LPARAM>(id));
    QCoreApplication::sendEvent(parent, &ev);
}

namespace {

// Made when first asked for: a picture may not be made before the application object.
const QPixmap& NullPicture()
{
    static const QPixmap s_null;
    return s_null;
}

bool IsStateIndex(int index) { return index >= 0 && index < 8; }

}  // namespace

const QPixmap& SFStatePicture(const QPixmap* pictures, int index)
{
    return pictures && IsStateIndex(index) ? pictures[index] : NullPicture();
}

const QPixmap& SFStatePicture(const CSFSkinPicture* pictures, int index)
{
    return pictures && IsStateIndex(index) ? pictures[index].Pixmap() : NullPicture();
}
