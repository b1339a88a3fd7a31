// Shell file associations the freedesktop way. An association of the extension E with the
// program P is three files under the user's XDG folders (read at every call):
//   $XDG_DATA_HOME/mime/packages/<T>-<E without dot>.xml  declares the type M with glob *E
//   $XDG_DATA_HOME/applications/<T>.desktop                 opens M with the command line L
//   $XDG_CONFIG_HOME/mimeapps.list, [Default Applications]  M=<T>.desktop
// where T is the type name, M = "application/x-" + lower-case T, and L the command line
// (see TypeName, MimeType, CommandLine). Files are compared before they are written, and
// mimeapps.list is edited line by line so every other entry in it stays as it was.
#pragma once

#include <QString>

#include <functional>

namespace SFFileAssoc {

// The program file's name with a trailing ".exe" removed (only when present) and every
// space removed, followed by ".Files": "/opt/My Tool/My Tool" -> "MyTool.Files".
QString TypeName(const QString& programPath);
// "application/x-" + the type name in lower case.
QString MimeType(const QString& typeName);
// The program path in double quotes, with '"', '`', '$' and '\' escaped by a backslash and
// '%' doubled, then " %f": the Exec value of the desktop entry (before the file's own
// string escaping).
QString CommandLine(const QString& programPath);

// Roots: XDG_DATA_HOME and XDG_CONFIG_HOME when set to absolute paths, else
// ~/.local/share and ~/.config.
QString DataHome();
QString ConfigHome();

// What refreshes the desktop's databases after a change. The default runs
// update-mime-database and update-desktop-database on the data home when they are
// installed (a missing tool is no error). Returns the previous notifier; an empty function
// restores the default.
using Notifier = std::function<void()>;
Notifier SetNotifier(Notifier notifier);

// Associates ext (with its leading dot) with programPath and the icon iconPath. Returns 1
// when something was written, 0 when all was in place already, or when ext is unusable or a
// write failed (then nothing is notified). Notifies once after a successful write when
// notify is non-zero.
int Register(const QString& programPath, const QString& ext, const QString& iconPath, int notify);
// 1 when all three pieces of the association are in place, else 0.
int IsAssociated(const QString& programPath, const QString& ext);

}  // namespace SFFileAssoc
