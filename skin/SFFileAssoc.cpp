#include "skin/SFFileAssoc.h"

#include "skin/SFEntry.h"
#include "skin/SFSkinString.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace SFFileAssoc {

namespace {

const char kDefaultGroup[] = "[Default Applications]";

QString ProgramFileName(const QString& programPath)
{
    QString name = programPath.mid(programPath.lastIndexOf(QLatin1Char('/')) + 1);
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

QString XdgRoot(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::homePath() + fallback;
}

// The extension as given, or empty when it cannot name a glob and a file.
QString UsableExtension(const QString& ext)
{
    QString bare = ext;
    while (bare.startsWith(QLatin1Char('.')))
        bare.remove(0, 1);
    if (bare.isEmpty() || ext.contains(QLatin1Char('/')) || ext.contains(QLatin1Char('\n')) ||
        ext.contains(QLatin1Char('\r')) || ext.contains(QChar(0)))
        return QString();
    return ext;
}

QString XmlEscaped(const QString& text) { return text.toHtmlEscaped(); }

// String escaping of a desktop-entry value.
QString DesktopEscaped(const QString& value)
{
    QString out;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char(' ') && i == 0)
            out += QLatin1String("\\s");
        else
            out += c;
    }
    return out;
}

QString DesktopUnescaped(const QString& value)
{
    QString out;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= value.size()) {
            out += c;
            continue;
        }
        const QChar n = value.at(++i);
        if (n == QLatin1Char('s'))
            out += QLatin1Char(' ');
        else if (n == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (n == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (n == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else if (n == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        else {
            out += c;
            out += n;
        }
    }
    return out;
}

struct Paths
{
    QString typeName;
    QString mime;
    QString commandLine;
    QString mimeDir;
    QString mimeFile;
    QString applicationsDir;
    QString desktopFile;
    QString configDir;
    QString mimeAppsFile;
};

Paths MakePaths(const QString& programPath, const QString& ext)
{
    Paths p;
    p.typeName = TypeName(programPath);
    p.mime = MimeType(p.typeName);
    p.commandLine = CommandLine(programPath);
    QString bare = ext;
    while (bare.startsWith(QLatin1Char('.')))
        bare.remove(0, 1);
    const QString data = DataHome();
    p.mimeDir = data + QLatin1String("/mime/packages");
    p.mimeFile = p.mimeDir + QLatin1Char('/') + p.typeName + QLatin1Char('-') + bare + QLatin1String(".xml");
    p.applicationsDir = data + QLatin1String("/applications");
    p.desktopFile = p.applicationsDir + QLatin1Char('/') + p.typeName + QLatin1String(".desktop");
    p.configDir = ConfigHome();
    p.mimeAppsFile = p.configDir + QLatin1String("/mimeapps.list");
    return p;
}

QByteArray MimePackage(const Paths& p, const QString& ext)
{
    const QString text =
        QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                      "  <mime-type type=\"") +
        XmlEscaped(p.mime) + QLatin1String("\">\n    <comment>") + XmlEscaped(p.typeName) +
        QLatin1String("</comment>\n    <glob pattern=\"*") + XmlEscaped(ext) +
        QLatin1String("\"/>\n  </mime-type>\n</mime-info>\n");
    return text.toUtf8();
}

QByteArray DesktopEntry(const Paths& p, const QString& programPath, const QString& iconPath)
{
    const QString text = QLatin1String("[Desktop Entry]\nType=Application\nName=") +
                         DesktopEscaped(ProgramFileName(programPath)) + QLatin1String("\nExec=") +
                         DesktopEscaped(p.commandLine) + QLatin1String("\nIcon=") + DesktopEscaped(iconPath) +
                         QLatin1String("\nMimeType=") + p.mime + QLatin1String(";\nNoDisplay=true\n");
    return text.toUtf8();
}

bool ReadFile(const QString& path, QByteArray* out)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *out = f.readAll();
    return true;
}

bool WriteFile(const QString& dir, const QString& path, const QByteArray& content)
{
    if (!QDir().mkpath(dir))
        return false;
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(content) != content.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

// The unescaped Exec value of the [Desktop Entry] group; false when the file or key is
// missing.
bool ReadDesktopExec(const QString& path, QString* exec)
{
    QByteArray bytes;
    if (!ReadFile(path, &bytes))
        return false;
    bool inGroup = false;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inGroup || line.startsWith(QLatin1Char('#')))
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0 || line.left(eq).trimmed() != QLatin1String("Exec"))
            continue;
        *exec = DesktopUnescaped(line.mid(eq + 1).trimmed());
        return true;
    }
    return false;
}

// Where the default-application key for mime sits in the lines of mimeapps.list.
struct MimeAppsPlace
{
    int group = -1;        // index of the [Default Applications] line, -1 when absent
    int key = -1;          // index of the mime's line in that group, -1 when absent
    int lastInGroup = -1;  // last non-blank line of the group
    bool matches = false;  // the key holds the wanted value
};

MimeAppsPlace FindDefault(const QList<QByteArray>& lines, const QString& mime, const QString& desktopName)
{
    MimeAppsPlace place;
    bool inGroup = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines.at(i)).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            // Only the first such group counts; a repeated header ends the search.
            if (inGroup)
                break;
            inGroup = place.group < 0 && line == QLatin1String(kDefaultGroup);
            if (inGroup) {
                place.group = i;
                place.lastInGroup = i;
            }
            continue;
        }
        if (!inGroup)
            continue;
        if (!line.isEmpty())
            place.lastInGroup = i;
        if (line.startsWith(QLatin1Char('#')) || place.key >= 0)
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0 || line.left(eq).trimmed() != mime)
            continue;
        place.key = i;
        const QString value = line.mid(eq + 1).trimmed();
        place.matches = value == desktopName || value == desktopName + QLatin1Char(';');
    }
    return place;
}

Notifier& CurrentNotifier()
{
    static Notifier s_notifier;
    return s_notifier;
}

void RunTool(const char* tool, const QString& argument)
{
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (program.isEmpty())
        return;
    QProcess process;
    process.start(program, QStringList() << argument);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(1000);
    }
}

void DefaultNotify()
{
    const QString data = DataHome();
    RunTool("update-mime-database", data + QLatin1String("/mime"));
    RunTool("update-desktop-database", data + QLatin1String("/applications"));
}

}  // namespace

QString TypeName(const QString& programPath)
{
    QString name = ProgramFileName(programPath);
    name.remove(QLatin1Char(' '));
    return name + QLatin1String(".Files");
}

QString MimeType(const QString& typeName) { return QLatin1String("application/x-") + typeName.toLower(); }

QString CommandLine(const QString& programPath)
{
    QString quoted;
    for (const QChar c : programPath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        else if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1String("\" %f");
}

QString DataHome() { return XdgRoot("XDG_DATA_HOME", QLatin1String("/.local/share")); }

QString ConfigHome() { return XdgRoot("XDG_CONFIG_HOME", QLatin1String("/.config")); }

Notifier SetNotifier(Notifier notifier)
{
    Notifier previous = CurrentNotifier();
    CurrentNotifier() = std::move(notifier);
    return previous;
}

int Register(const QString& programPath, const QString& extIn, const QString& iconPath, int notify)
{
    const QString ext = UsableExtension(extIn);
    if (ext.isEmpty() || programPath.isEmpty())
        return 0;
    const Paths p = MakePaths(programPath, ext);
    bool wrote = false;

    // The type and its glob.
    const QByteArray package = MimePackage(p, ext);
    QByteArray current;
    if (!ReadFile(p.mimeFile, &current) || current != package) {
        if (!WriteFile(p.mimeDir, p.mimeFile, package))
            return 0;
        wrote = true;
    }

    // The program that opens the type, with its icon.
    QString exec;
    if (!ReadDesktopExec(p.desktopFile, &exec) || exec != p.commandLine) {
        if (!WriteFile(p.applicationsDir, p.desktopFile, DesktopEntry(p, programPath, iconPath)))
            return 0;
        wrote = true;
    }

    // The user's default for the type: one line changed or added, the rest kept.
    const QString desktopName = p.typeName + QLatin1String(".desktop");
    QByteArray list;
    const bool listExists = ReadFile(p.mimeAppsFile, &list);
    if (!listExists && QFileInfo::exists(p.mimeAppsFile))
        return 0;  // present but unreadable: never overwrite it
    QList<QByteArray> lines = list.split('\n');
    const MimeAppsPlace place = FindDefault(lines, p.mime, desktopName);
    if (!place.matches) {
        const QByteArray entry = (p.mime + QLatin1Char('=') + desktopName).toUtf8();
        QByteArray updated;
        if (place.key >= 0) {
            lines[place.key] = entry;
            updated = lines.join('\n');
        } else if (place.group >= 0) {
            lines.insert(place.lastInGroup + 1, entry);
            updated = lines.join('\n');
        } else {
            updated = list;
            if (!updated.isEmpty()) {
                if (!updated.endsWith('\n'))
                    updated += '\n';
                updated += '\n';
            }
            updated += QByteArray(kDefaultGroup) + '\n' + entry + '\n';
        }
        if (!WriteFile(p.configDir, p.mimeAppsFile, updated))
            return 0;
        wrote = true;
    }

    if (wrote && notify) {
        const Notifier& notifier = CurrentNotifier();
        if (notifier)
            notifier();
        else
            DefaultNotify();
    }
    return wrote ? 1 : 0;
}

int IsAssociated(const QString& programPath, const QString& extIn)
{
    const QString ext = UsableExtension(extIn);
    if (ext.isEmpty() || programPath.isEmpty())
        return 0;
    const Paths p = MakePaths(programPath, ext);

    QByteArray package;
    if (!ReadFile(p.mimeFile, &package) || package != MimePackage(p, ext))
        return 0;
    QString exec;
    if (!ReadDesktopExec(p.desktopFile, &exec) || exec != p.commandLine)
        return 0;
    QByteArray list;
    if (!ReadFile(p.mimeAppsFile, &list))
        return 0;
    return FindDefault(list.split('\n'), p.mime, p.typeName + QLatin1String(".desktop")).matches ? 1 : 0;
}

}  // namespace SFFileAssoc

int SF_RegisterFileAssociation(const wchar_t* ext, const wchar_t* iconPath, int notify)
{
    if (!ext || !QCoreApplication::instance())
        return 0;
    return SFFileAssoc::Register(QCoreApplication::applicationFilePath(), WideToQString(ext),
                                 WideToQString(iconPath), notify);
}

int SF_IsFileAssociated(const wchar_t* ext)
{
    if (!ext || !QCoreApplication::instance())
        return 0;
    return SFFileAssoc::IsAssociated(QCoreApplication::applicationFilePath(), WideToQString(ext));
}
