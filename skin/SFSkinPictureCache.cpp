#include "skin/SFSkinPictureCache.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

// What makes a kept picture stale: a file of the folder made, written, renamed or removed,
// its permissions changed, or the folder itself moved or removed.
constexpr uint32_t kWatchMask = IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_MOVED_FROM |
                                IN_MOVED_TO | IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

// The name ends in ".png", in any case.
bool HasPngSuffix(const QString& filePath)
{
    const qsizetype n = filePath.size();
    return n > 4 && filePath.at(n - 4) == QLatin1Char('.') &&
           QStringView(filePath).right(3).compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
}

QPixmap DecodePicture(const QString& filePath)
{
    // Skin pictures are PNG files: read one straight with the built-in reader, so that no
    // image plugin is loaded only to be asked whether it knows the file.
    if (HasPngSuffix(filePath)) {
        QFile file(filePath);
        if (!file.open(QIODevice::ReadOnly))
            return QPixmap();  // as QPixmap::load: a named file that does not open gives nothing
        QImageReader png(&file, "png");
        png.setAutoDetectImageFormat(false);
        const QImage image = png.read();
        if (!image.isNull())
            return QPixmap::fromImage(image);
    }
    // Anything else, and a PNG name over other content, is read the way QPixmap::load reads it.
    QPixmap picture;
    if (!picture.load(filePath))
        return QPixmap();
    return picture;
}

}  // namespace

CSFSkinPictureCache& CSFSkinPictureCache::Instance()
{
    static CSFSkinPictureCache cache;
    return cache;
}

CSFSkinPictureCache::~CSFSkinPictureCache()
{
    if (m_notifyFd >= 0)
        ::close(m_notifyFd);
}

QPixmap CSFSkinPictureCache::Load(const QString& filePath)
{
    ForgetChanged();
    const auto found = m_pictures.constFind(filePath);
    if (found != m_pictures.constEnd())
        return found.value();

    const qsizetype slash = filePath.lastIndexOf(QLatin1Char('/'));
    // Watched before it is read, so that a change while it is read is not missed.
    const bool keep = QCoreApplication::instance() && filePath.startsWith(QLatin1Char('/')) && slash > 0 &&
                      Watch(filePath.left(slash));
    const QPixmap picture = DecodePicture(filePath);
    if (keep) {
        if (!m_bClearOnExit) {
            qAddPostRoutine([] { Instance().Clear(); });
            m_bClearOnExit = true;
        }
        m_pictures.insert(filePath, picture);
    }
    return picture;
}

void CSFSkinPictureCache::Clear()
{
    m_pictures.clear();
    if (m_notifyFd >= 0)
        ::close(m_notifyFd);
    m_notifyFd = -1;
    m_folders.clear();
    m_watches.clear();
    m_bClearOnExit = false;
}

bool CSFSkinPictureCache::Watch(const QString& folder)
{
    if (m_watches.contains(folder))
        return true;
    if (m_notifyFd < 0) {
        m_notifyFd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_notifyFd < 0)
            return false;
    }
    const int watch = inotify_add_watch(m_notifyFd, QFile::encodeName(folder).constData(), kWatchMask);
    if (watch < 0)
        return false;
    // Two spellings of one folder (through a link) share one watch.
    m_watches.insert(folder, watch);
    m_folders[watch].append(folder);
    return true;
}

void CSFSkinPictureCache::ForgetFolder(const QString& folder)
{
    const QString prefix = folder + QLatin1Char('/');
    for (auto it = m_pictures.begin(); it != m_pictures.end();) {
        if (it.key().startsWith(prefix) && it.key().indexOf(QLatin1Char('/'), prefix.size()) < 0)
            it = m_pictures.erase(it);
        else
            ++it;
    }
}

void CSFSkinPictureCache::ForgetChanged()
{
    if (m_notifyFd < 0)
        return;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(m_notifyFd, buffer, sizeof(buffer));
        if (got <= 0)
            return;  // nothing more to read
        for (const char* p = buffer; p < buffer + got;) {
            const inotify_event* event = reinterpret_cast<const inotify_event*>(p);
            p += sizeof(inotify_event) + event->len;
            if (event->mask & IN_Q_OVERFLOW) {
                m_pictures.clear();  // changes were lost: nothing kept can be trusted
                continue;
            }
            const auto folders = m_folders.constFind(event->wd);
            if (folders == m_folders.constEnd())
                continue;
            if (event->mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED)) {
                // The folder went (or moved away from its path): its pictures and watch go too.
                const QStringList gone = folders.value();
                for (const QString& folder : gone) {
                    ForgetFolder(folder);
                    m_watches.remove(folder);
                }
                m_folders.remove(event->wd);
                if (!(event->mask & IN_IGNORED))
                    inotify_rm_watch(m_notifyFd, event->wd);
                continue;
            }
            if (event->len == 0)
                continue;
            const QString name = QFile::decodeName(event->name);
            for (const QString& folder : folders.value())
                m_pictures.remove(folder + QLatin1Char('/') + name);
        }
    }
}
