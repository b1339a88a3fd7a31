// A minimal Qt 6 window: one 1000 x 700 widget centred on the screen. Once its first frame
// is painted it prints the same two lines as the program's start-up probe
// ("first-paint-ns <CLOCK_REALTIME ns>", "rss-kb <resident KiB>") and quits.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    // Files under /proc report no size: read until the end instead of asking atEnd().
    for (const QByteArray& line : status.readAll().split('\n'))
    {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen)
        {
            m_seen = true;
            QTimer::singleShot(0, [] {
                timespec now;
                clock_gettime(CLOCK_REALTIME, &now);
                std::printf("first-paint-ns %lld\nrss-kb %ld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, ResidentKiB());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("baseline"));
    window.resize(1000, 700);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    FirstPaint probe;
    window.installEventFilter(&probe);
    window.show();
    return app.exec();
}
