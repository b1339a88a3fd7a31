// The file chooser entry: where it starts, what it hands back and when it refuses. Each
// modal run is driven from a timer; a watchdog rejects any modal left open (a message box,
// say) so that a fault fails the test instead of hanging it.
#include "skin/ext/SFEntryExt.h"
#include "tests/common/event_loop_util.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <cwchar>
#include <functional>
#include <memory>
#include <string>

namespace {

// What the driver saw of the dialog before it acted.
struct Seen
{
    bool ran = false;
    bool watchdogFired = false;
    QString directory;
    QStringList selected;
    QFileDialog::Options options;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptSave;
};

// Drives the next modal file dialog: records where it starts, then calls act on it (which
// accepts or rejects it). The watchdog rejects every modal still open after 10 s.
class DialogDriver
{
public:
    explicit DialogDriver(std::function<void(QFileDialog&)> act) : m_act(std::move(act))
    {
        m_poll.setInterval(10);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { Poll(); });
        m_poll.start();
        m_watchdog.setSingleShot(true);
        QObject::connect(&m_watchdog, &QTimer::timeout, [this] {
            m_seen.watchdogFired = true;
            while (QWidget* w = QApplication::activeModalWidget()) {
                if (QDialog* d = qobject_cast<QDialog*>(w))
                    d->reject();
                else
                    w->close();
            }
        });
        m_watchdog.start(10000);
    }

    const Seen& seen() const { return m_seen; }

private:
    void Poll()
    {
        QFileDialog* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!d || m_seen.ran)
            return;
        m_poll.stop();
        m_seen.ran = true;
        m_seen.directory = d->directory().absolutePath();
        m_seen.selected = d->selectedFiles();
        m_seen.options = d->options();
        m_seen.fileMode = d->fileMode();
        m_seen.acceptMode = d->acceptMode();
        m_act(*d);
    }

    std::function<void(QFileDialog&)> m_act;
    QTimer m_poll;
    QTimer m_watchdog;
    Seen m_seen;
};

// Types the path into the dialog's name field and accepts (accept() is protected on
// QFileDialog, public on QDialog).
void Choose(QFileDialog& d, const QString& path)
{
    QLineEdit* edit = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(path);
    static_cast<QDialog&>(d).accept();
}

void Cancel(QFileDialog& d) { d.reject(); }

// The names the dialog's list shows, once its folder has loaded.
QStringList ListedNames(QFileDialog& d)
{
    QListView* list = d.findChild<QListView*>(QStringLiteral("listView"));
    QStringList names;
    if (!list || !list->model())
        return names;
    QAbstractItemModel* model = list->model();
    testutil::PumpUntil([&] { return model->rowCount(list->rootIndex()) >= 1; }, 5000);
    testutil::PumpUntil([] { return false; }, 200);  // let the folder finish loading
    for (int r = 0; r < model->rowCount(list->rootIndex()); ++r)
        names << model->index(r, 0, list->rootIndex()).data().toString();
    names.sort();
    return names;
}

int OpenFile(wchar_t* buf, std::size_t size, const wchar_t* filter = nullptr)
{
    return SF_ShowFileDialog(nullptr, buf, 0, 0, 0, 1, 0, 0, 0, filter, nullptr, size);
}

int ChooseFolder(SF_FOLDER_RECORD* record)
{
    return SF_ShowFileDialog(record, nullptr, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, 0);
}

QString MakeFile(const QTemporaryDir& dir, const QString& name)
{
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    return f.fileName();
}

// First in the program: the last location starts at the application folder. Then each
// accepted choice is the next start (a file: its folder, the file selected), while a cancel,
// a choice that does not fit or a folder chosen without a record change nothing written.
TEST(FileDialog, StartsWhereTheLastAcceptedChoiceWas)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = MakeFile(dir, QStringLiteral("camera list.txt"));
    const std::wstring fileW = file.toStdWString();

    wchar_t buf[512];
    std::wmemset(buf, L'#', 512);
    {
        DialogDriver driver([&](QFileDialog& d) { Choose(d, file); });
        EXPECT_EQ(OpenFile(buf, 512), 1);
        EXPECT_FALSE(driver.seen().watchdogFired);
        EXPECT_EQ(driver.seen().directory, QCoreApplication::applicationDirPath());
    }
    EXPECT_EQ(std::wstring(buf), fileW);
    EXPECT_EQ(buf[fileW.size() + 1], L'#');  // the copy ends at its terminator

    {
        DialogDriver driver(Cancel);
        EXPECT_EQ(OpenFile(buf, 512), 0);
        EXPECT_EQ(driver.seen().directory, dir.path());
        EXPECT_EQ(driver.seen().selected, QStringList{file});
    }
    EXPECT_EQ(std::wstring(buf), fileW);

    // A buffer one character short of the path and its terminator: refused, untouched.
    QTemporaryDir other;
    const QString longer = MakeFile(other, QStringLiteral("recorders.txt"));
    wchar_t small[512];
    std::wmemset(small, L'#', 512);
    {
        DialogDriver driver([&](QFileDialog& d) { Choose(d, longer); });
        EXPECT_EQ(OpenFile(small, static_cast<std::size_t>(longer.size())), 0);
        EXPECT_TRUE(driver.seen().ran);
    }
    EXPECT_EQ(small[0], L'#');
    EXPECT_EQ(small[longer.size() - 1], L'#');

    // Still the first file's folder; a folder chosen without a record moves the start there.
    {
        DialogDriver driver([&](QFileDialog& d) { Choose(d, other.path()); });
        EXPECT_EQ(ChooseFolder(nullptr), 0);
        EXPECT_EQ(driver.seen().directory, dir.path());
    }
    {
        DialogDriver driver(Cancel);
        EXPECT_EQ(OpenFile(buf, 512), 0);
        EXPECT_EQ(driver.seen().directory, other.path());
    }
}

// A folder lands in the record's text area at character 1040, terminated; the characters
// before it are the caller's.
TEST(FileDialog, FolderGoesIntoTheRecordTextArea)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("site plans")));
    const QString folder = dir.filePath(QStringLiteral("site plans"));

    auto record = std::make_unique<SF_FOLDER_RECORD>();
    std::wmemset(record->reserved, L'r', SF_FOLDER_RECORD_TEXT_OFFSET);
    std::wmemset(record->folder, L'#', SF_FOLDER_RECORD_TEXT_CHARS);
    DialogDriver driver([&](QFileDialog& d) { Choose(d, folder); });
    EXPECT_EQ(ChooseFolder(record.get()), 1);
    EXPECT_FALSE(driver.seen().watchdogFired);

    const wchar_t* const base = reinterpret_cast<const wchar_t*>(record.get());
    EXPECT_EQ(std::wstring(base + 1040), folder.toStdWString());
    EXPECT_EQ(base[1039], L'r');
    EXPECT_EQ(record->folder[folder.size() + 1], L'#');
}

// The filter limits the list to its pattern; without one every file is listed.
TEST(FileDialog, NameFilterLimitsTheListedFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    MakeFile(dir, QStringLiteral("a.txt"));
    MakeFile(dir, QStringLiteral("b.dat"));
    const QString start = MakeFile(dir, QStringLiteral("start.txt"));

    // Make the folder the start.
    wchar_t buf[512];
    {
        DialogDriver driver([&](QFileDialog& d) { Choose(d, start); });
        ASSERT_EQ(OpenFile(buf, 512), 1);
    }

    const struct
    {
        const wchar_t* filter;
        QStringList listed;
    } cases[] = {
        {L"Text (*.txt)", {"a.txt", "start.txt"}},
        {nullptr, {"a.txt", "b.dat", "start.txt"}},
    };
    for (const auto& c : cases) {
        QStringList listed;
        DialogDriver driver([&](QFileDialog& d) {
            listed = ListedNames(d);
            Cancel(d);
        });
        EXPECT_EQ(OpenFile(buf, 512, c.filter), 0);
        EXPECT_EQ(listed, c.listed) << (c.filter ? "filtered" : "no filter");
    }
}

// Each kind of chooser runs the toolkit's own dialog (never the platform's) with its options
// and file mode: a file is picked, read-only, from existing ones; a folder is picked from a
// list of folders alone, symbolic links kept as they are.
TEST(FileDialog, EachKindRunsWithItsOptionsAndFileMode)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString start = MakeFile(dir, QStringLiteral("plan.txt"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sites")));
    wchar_t buf[512];
    {
        DialogDriver driver([&](QFileDialog& d) { Choose(d, start); });
        ASSERT_EQ(OpenFile(buf, 512), 1);  // the folder becomes the start
    }
    auto record = std::make_unique<SF_FOLDER_RECORD>();
    const struct
    {
        const char* what;
        std::function<int()> run;
        QFileDialog::Options options;
        QFileDialog::FileMode fileMode;
        QStringList listed;
    } kinds[] = {
        {"file",
         [&] { return OpenFile(buf, 512); },
         QFileDialog::DontUseNativeDialog | QFileDialog::ReadOnly,
         QFileDialog::ExistingFile,
         {"plan.txt", "sites"}},
        {"folder",
         [&] { return ChooseFolder(record.get()); },
         QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks | QFileDialog::DontUseNativeDialog,
         QFileDialog::Directory,
         {"sites"}},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.what);
        QStringList listed;
        DialogDriver driver([&](QFileDialog& d) {
            listed = ListedNames(d);
            Cancel(d);
        });
        EXPECT_EQ(kind.run(), 0);
        ASSERT_TRUE(driver.seen().ran);
        EXPECT_EQ(driver.seen().options, kind.options);
        EXPECT_EQ(driver.seen().fileMode, kind.fileMode);
        EXPECT_EQ(driver.seen().acceptMode, QFileDialog::AcceptOpen);
        EXPECT_EQ(listed, kind.listed);
    }
}

}  // namespace
