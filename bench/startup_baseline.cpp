// A minimal Qt 6 window: one 1000 x 700 widget centred on the screen, with one line of text
// so that it loads fonts as the program does. Once its first frame is painted it prints the
// same lines as the program's start-up probe ("start-ns", "first-paint-ns", "rss-kb") and
// quits.
#include "app/FirstPaintReport.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                PrintFirstPaintReport();
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("baseline"));
    window.resize(1000, 700);
    QLabel label(QStringLiteral("Network video recorder selection"), &window);
    label.move(20, 20);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    FirstPaint probe;
    window.installEventFilter(&probe);
    window.show();
    return app.exec();
}
