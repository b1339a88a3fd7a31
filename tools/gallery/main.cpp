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
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kMargin = 12;
constexpr int kTitleHeight = 22;
// The window fits a 1280 x 1024 screen with room for a title bar and a task bar; the sections
// sit in a scroll area, in rows no wider than the window beside its vertical scroll bar.
constexpr int kWindowWidth = 1280;
constexpr int kWindowHeight = 960;

int usage()
{
    std::fprintf(stderr, "usage: gallery [--out FILE.png]\n");
    return 2;
}

// Lays the sections out in rows of at most rowWidth, left to right, and returns the size they
// need.
QSize buildSections(QWidget* content, int rowWidth)
{
    int x = kMargin, y = kMargin, rowHeight = 0, width = 0;
    for (const GallerySection& section : gallerySections()) {
        const QSize need(section.size.width(), section.size.height() + kTitleHeight);
        if (x > kMargin && x + need.width() > rowWidth) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        auto* title = new QLabel(section.title, content);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        title->setGeometry(x, y, need.width(), kTitleHeight);
        auto* area = new QWidget(content);
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
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(&window);
    scroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll);

    const int scrollBar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("gallery"));
    const QSize need = buildSections(content, kWindowWidth - scrollBar);
    content->resize(need);
    scroll->setWidget(content);
    window.resize(std::min(need.width() + scrollBar, kWindowWidth), std::min(need.height(), kWindowHeight));
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
