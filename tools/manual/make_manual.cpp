// Turns one HTML source of the operation manual into a paginated A4 PDF.
//
//   make_manual [--title TEXT] <source.html> <output.pdf>
//
// The source is UTF-8 HTML in the subset QTextDocument reads; pages get 20 mm margins and a
// page number at the bottom. Exits 0 on success, 1 on a bad command line, 2 when the source
// cannot be read, 3 when the PDF cannot be written.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QStringList>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    QString title;
    if (args.size() >= 2 && args.first() == QLatin1String("--title")) {
        title = args.at(1);
        args = args.mid(2);
    }
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_manual [--title TEXT] <source.html> <output.pdf>\n");
        return 1;
    }

    QFile source(args.at(0));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_manual: cannot read %s\n", qPrintable(args.at(0)));
        return 2;
    }
    const QString html = QString::fromUtf8(source.readAll());

    // Written beside the target first, so that a failed run never leaves half a manual.
    const QString target = args.at(1);
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    {
        QPdfWriter writer(partial);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setTitle(title.isEmpty() ? QFileInfo(target).completeBaseName() : title);
        writer.setCreator(QStringLiteral("Tessaly manual tool"));

        QTextDocument doc;
        doc.setHtml(html);
        // Not paginated here: print() lays the text out on the writer's pages with its own
        // margins and numbers every page.
        doc.print(&writer);
    }
    QFile written(partial);
    if (!written.exists() || written.size() < 100) {
        std::fprintf(stderr, "make_manual: cannot write %s\n", qPrintable(target));
        QFile::remove(partial);
        return 3;
    }
    QFile::remove(target);
    if (!QFile::rename(partial, target)) {
        std::fprintf(stderr, "make_manual: cannot write %s\n", qPrintable(target));
        QFile::remove(partial);
        return 3;
    }
    return 0;
}
