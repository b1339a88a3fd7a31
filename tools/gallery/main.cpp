// gallery: every extended control of the skin framework on one window, skinned with the
// generated pictures, so a person can look at them.
//
//   gallery [--out FILE.png]   show the window; with --out, save a picture of it and quit
#include "skin/SFEntry.h"
#include "tools/gallery/GallerySection.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kMargin = 12;
constexpr int kTitleHeight = 22;
constexpr int kRowWidth = 1560;

int usage()
{
    std::fprintf(stderr, "usage: gallery [--out FILE.png]\n");
    return 2;
}

// Lays the sections out in rows, left to right, and returns the window size they need.
QSize buildSections(QWidget* window)
{
    int x = kMargin, y = kMargin, rowHeight = 0, width = 0;
    for (const GallerySection& section : gallerySections()) {
        const QSize need(section.size.width(), section.size.height() + kTitleHeight);
        if (x > kMargin && x + need.width() > kRowWidth) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        auto* title = new QLabel(section.title, window);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        title->setGeometry(x, y, need.width(), kTitleHeight);
        auto* area = new QWidget(window);
        area->setGeometry(x, y + kTitleHeight, section.size.width(), section.size.height());
        section.build(area);
        x += need.width() + kMargin;
        rowHeight = std::max(rowHeight, need.height());
        width = std::max(width, x);
    }
    return QSize(std::max(width, 320), y + rowHeight + kMargin);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QString out;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--out") && i + 1 < args.size())
            out = args[++i];
        else
            return usage();
    }

    SF_InitApplication(&app);
    SF_SetSkinPath(QStringLiteral(TESSALY_EXT_SKIN_DIR).toStdWString());

    QWidget window;
    window.setWindowTitle(QStringLiteral("Tessaly control gallery"));
    window.setStyleSheet(QStringLiteral("QWidget#gallery { background: #f4f5f7; }"));
    window.setObjectName(QStringLiteral("gallery"));
    window.resize(buildSections(&window));
    window.show();

    if (out.isEmpty())
        return app.exec();

    // Let the controls settle (timers, first paints) before the picture is taken.
    int result = 1;
    QTimer::singleShot(500, &app, [&] {
        result = window.grab().save(out, "PNG") ? 0 : 1;
        if (result != 0)
            std::fprintf(stderr, "gallery: cannot write %s\n", qPrintable(out));
        app.quit();
    });
    app.exec();
    return result;
}
