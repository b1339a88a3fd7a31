#include "skin/SFSkinPictureCache.h"

#include "base/xml_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <string>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

// The largest picture file that is read: the skin's largest picture is under 10 KB, so this
// only stops what no skin holds.
constexpr std::size_t kMaxPictureSize = 16u * 1024u * 1024u;

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
    // Read as the data files are: a FIFO, a folder or a huge file in the skin folder must not
    // hold the start up or fill the memory. Such a file is a missing picture, with one line
    // on standard error; a file that is not there is missing without a word.
    const std::string path = QFile::encodeName(filePath).toStdString();
    std::string bytes;
    std::string reason;
    const VesperonBase::XmlFileStatus status =
        VesperonBase::ReadRegularFile(path, bytes, kMaxPictureSize, &reason);
    if (status != VesperonBase::XmlFileStatus::kLoaded) {
        if (status != VesperonBase::XmlFileStatus::kMissing)
            std::fprintf(stderr, "Tessaly: skin picture \"%s\" not loaded: %s\n", path.c_str(),
                         reason.c_str());
        return QPixmap();
    }
    QByteArray data = QByteArray::fromStdString(bytes);
    // Skin pictures are PNG files: read one straight with the built-in reader, so that no
    // image plugin is loaded only to be asked whether it knows the file.
    if (HasPngSuffix(filePath)) {
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader png(&buffer, "png");
        png.setAutoDetectImageFormat(false);
        const QImage image = png.read();
        if (!image.isNull())
            return QPixmap::fromImage(image);
    }
    // Anything else, and a PNG name over other content, is decoded by its content.
    QPixmap picture;
    if (!picture.loadFromData(data))
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
