#include "LinuxFileSystem.h"
#include "ViewerOnPath.h"
#include "about/SystemInfo.h"
#include "common/NameBytes.h"
#include "mainwindow/CommandLine.h"
#include "platform/FolderMenu.h"
#include "platform/PathJoin.h"
#include "platform/core/QtRecordFiles.h"
#include "platform/widgets/NativePlatform.h"
#include "platform/widgets/QtShell.h"
#include "support/TestMain.h"
#include "support/TestPlatform.h"
#include "support/TestTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

#include <csignal>
#include <sys/resource.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Kind = FileSystemError::Kind;

Q_DECLARE_METATYPE(FileSystemError::Kind)

namespace {

bool IsMounted(const QString& mountPoint)
{
    QFile mounts(u"/proc/self/mounts"_s);
    if (!mounts.open(QIODevice::ReadOnly))
        return false;
    const QByteArray field = ' ' + QFile::encodeName(mountPoint) + ' ';
    return mounts.readAll().contains(field);
}

// A FUSE file system mounted by a daemon of its own, in the foreground so that it is known by
// its id. A stuck file system cannot hold the suite: after the deadline a watchdog detaches the
// mount and ends the daemon, and the object does the same when it goes, failure or not.
class FuseMount
{
public:
    FuseMount(const QString& program, const QStringList& options, const QString& mountPoint)
        : m_program(program), m_options(options), m_mountPoint(mountPoint),
          m_watchdog([this] { watch(); })
    {}
    ~FuseMount()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_ending = true;
        }
        m_wake.notify_all();
        m_watchdog.join();
        unmount();
    }

    // Mounts and waits, a bounded time, for the mount to appear; false when it does not.
    bool mount()
    {
        m_daemon.setProgram(m_program);
        m_daemon.setArguments(QStringList{u"-f"_s} + m_options + QStringList{m_mountPoint});
        m_daemon.start();
        if (!m_daemon.waitForStarted(5000))
            return false;
        m_pid = pid_t(m_daemon.processId());
        for (int i = 0; i < 100 && !IsMounted(m_mountPoint); ++i) {
            if (m_daemon.waitForFinished(50))
                break; // it could not mount
        }
        return IsMounted(m_mountPoint) && QFileInfo(m_mountPoint).isWritable();
    }

    void unmount()
    {
        detach();
        m_daemon.waitForFinished(5000);
        if (m_daemon.state() != QProcess::NotRunning) {
            m_daemon.kill();
            m_daemon.waitForFinished(5000);
        }
        m_pid = 0;
    }

private:
    // Safe from the watchdog's thread: no Qt object is touched.
    void detach()
    {
        const std::string command =
            "fusermount -u -z '" + QFile::encodeName(m_mountPoint).toStdString() + "' 2>/dev/null";
        if (std::system(command.c_str()) != 0) {
            // not mounted (any more)
        }
        if (const pid_t pid = m_pid)
            ::kill(pid, SIGKILL);
    }

    void watch()
    {
        std::unique_lock lock(m_mutex);
        if (!m_wake.wait_for(lock, std::chrono::seconds(30), [this] { return m_ending; })) {
            std::fprintf(stderr, "FUSE case overran: unmounting %s\n", qPrintable(m_mountPoint));
            detach();
        }
    }

    QString m_program;
    QStringList m_options;
    QString m_mountPoint;
    QProcess m_daemon;
    std::atomic<pid_t> m_pid = 0;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_ending = false;
    std::thread m_watchdog;
};

} // namespace

class TestLinuxFileSystem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A folder or a link to one, at the path as given; the probe, for a name in a parent, agrees.
    void folderExistsAnswersForThePathAsGiven_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exists");
        QTest::newRow("folder") << QString() << u"dir"_s << true;
        QTest::newRow("Chinese name") << QString() << u"目录 二"_s << true;
        QTest::newRow("link to a folder") << QString() << u"link"_s << true;
        QTest::newRow("doubled separator") << u"dir/"_s << u"sub"_s << true;
        QTest::newRow("missing") << QString() << u"missing"_s << false;
        QTest::newRow("file") << QString() << u"file"_s << false;
        QTest::newRow("link to a file") << QString() << u"filelink"_s << false;
        QTest::newRow("dangling link") << QString() << u"dangling"_s << false;
        QTest::newRow("in a missing folder") << u"missing"_s << u"sub"_s << false;
        QTest::newRow("NUL") << QString() << u"dir\0x"_s << false;
        QTest::newRow("too long") << QString() << QString(5000, u'a') << false;
        QTest::newRow("other case") << QString() << u"DIR"_s << false; // case told apart here
    }
    void folderExistsAnswersForThePathAsGiven()
    {
        QFETCH(QString, parent);
        QFETCH(QString, name);
        QFETCH(bool, exists);
        TestTree tree;
        tree.makeFolders({u"dir/sub"_s, u"目录 二"_s});
        tree.makeFile(u"file"_s);
        QVERIFY(QFile::link(tree.path(u"dir"_s), tree.path(u"link"_s)));
        QVERIFY(QFile::link(tree.path(u"file"_s), tree.path(u"filelink"_s)));
        QVERIFY(QFile::link(tree.path(u"gone"_s), tree.path(u"dangling"_s)));
        LinuxFileSystem fs;
        QCOMPARE(fs.folderExists(tree.path(parent) + u'/' + name), exists);
        const NameHolder holder = fs.folderProbe()->holderOf(tree.path(parent), name);
        QCOMPARE(holder == NameHolder::Folder, exists);
    }

    void folderExistsForOddPaths()
    {
        LinuxFileSystem fs;
        QVERIFY(fs.folderExists(u"/tmp/"_s));
        QVERIFY(fs.folderExists(u"//tmp"_s));
        QVERIFY(!fs.folderExists(QString()));
    }

    // Another process keeps exchanging listed folders with unlisted ones while they are
    // renamed: a rename reported done renamed the listed folder, and no unlisted folder keeps
    // a new name.
    void aFolderSwappedInDuringTheRenameIsNotRenamed()
    {
        TestTree tree;
        constexpr int count = 300;
        for (int i = 0; i < count; ++i)
            tree.makeFolders({u"c"_s + QString::number(i), u"d"_s + QString::number(i)});
        LinuxFileSystem fs;
        std::vector<FolderInfo> listed;
        for (int i = 0; i < count; ++i)
            listed.push_back(LookUpFolder(fs, tree.path(u"c"_s + QString::number(i))));
        const QByteArray root = QFile::encodeName(tree.root());
        std::atomic<bool> done{false};
        std::thread racer([&] {
            for (unsigned i = 0; !done; ++i) {
                const QByteArray c = root + "/c" + QByteArray::number(i % count);
                const QByteArray d = root + "/d" + QByteArray::number(i % count);
                ::renameat2(AT_FDCWD, c.constData(), AT_FDCWD, d.constData(), RENAME_EXCHANGE);
            }
        });
        const std::unique_ptr<FolderRenamer> renamer = fs.folderRenamer();
        QList<FileId> renamed;
        for (const FolderInfo& folder : listed) {
            if (!renamer->rename(
                    ListedFolder{folder.parent, folder.parentId, folder.name, folder.id},
                    folder.name + u"_x"_s))
                renamed.append(folder.id);
        }
        done = true;
        racer.join();
        QStringList bearers;
        for (const QString& name : tree.entries()) {
            if (name.endsWith(u"_x"_s))
                bearers.append(name);
        }
        QCOMPARE(bearers.size(), renamed.size());
        for (const QString& name : std::as_const(bearers))
            QVERIFY2(renamed.contains(LookUpFolder(fs, tree.path(name)).id), qPrintable(name));
        QCOMPARE(tree.entries().size(), 2 * count);
    }

    void renameNeverReplacesAnything_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<Kind>("kind");
        QTest::newRow("empty folder") << u"emptyDir"_s << Kind::TargetIsFolder;
        QTest::newRow("full folder") << u"fullDir"_s << Kind::TargetIsFolder;
        QTest::newRow("link to a folder") << u"link"_s << Kind::TargetIsFolder;
        QTest::newRow("file") << u"file"_s << Kind::TargetExists;
        QTest::newRow("dangling link") << u"dangling"_s << Kind::TargetExists;
    }
    void renameNeverReplacesAnything()
    {
        QFETCH(QString, target);
        QFETCH(Kind, kind);
        TestTree tree;
        tree.makeFolders({u"src/child"_s, u"emptyDir"_s, u"fullDir/x"_s});
        tree.makeFile(u"file"_s);
        QVERIFY(QFile::link(tree.path(u"emptyDir"_s), tree.path(u"link"_s)));
        QVERIFY(QFile::link(tree.path(u"none"_s), tree.path(u"dangling"_s)));
        LinuxFileSystem fs;
        const auto error = RenameFolderAt(fs, tree.path(u"src"_s), target);
        QVERIFY(error);
        QCOMPARE(error->kind, kind);
        QVERIFY(tree.isFolder(u"src/child"_s));
        QCOMPARE(tree.entries(u"emptyDir"_s), QStringList());
    }

    // One renamer, one parent kept open: a folder that is not the listed one is refused.
    void renameActsOnTheListedFolderOnly()
    {
        TestTree tree;
        tree.makeFolders({u"p/a"_s, u"p/b"_s, u"p/c"_s, u"q/a"_s});
        LinuxFileSystem fs;
        const FolderInfo a = LookUpFolder(fs, tree.path(u"p/a"_s));
        const FolderInfo b = LookUpFolder(fs, tree.path(u"p/b"_s));
        const FolderInfo c = LookUpFolder(fs, tree.path(u"p/c"_s));
        const FolderInfo otherA = LookUpFolder(fs, tree.path(u"q/a"_s));
        auto renamer = fs.folderRenamer();
        const auto rename = [&](const FolderInfo& f, const QString& newName) {
            return renamer->rename(ListedFolder{f.parent, f.parentId, f.name, f.id}, newName);
        };
        QVERIFY(!rename(a, u"a2"_s));
        QCOMPARE(rename(a, u"a3"_s)->kind, Kind::SourceMissing);
        // b's entry now holds another folder.
        QVERIFY(QDir().rename(tree.path(u"p/b"_s), tree.path(u"p/b-moved"_s)));
        QVERIFY(QDir().mkdir(tree.path(u"p/b"_s)));
        QCOMPARE(rename(b, u"b2"_s)->kind, Kind::MovedOrReplaced);
        QVERIFY(tree.isFolder(u"p/b"_s));
        // A folder listed in another parent, with a parent that is not its own.
        const FolderInfo wrongParent{otherA.name, a.parent, otherA.id, otherA.parentId};
        QCOMPARE(rename(wrongParent, u"x"_s)->kind, Kind::MovedOrReplaced);
        QVERIFY(!rename(c, u"c2"_s));
        QCOMPARE(tree.entries(u"p"_s), (QStringList{u"a2"_s, u"b"_s, u"b-moved"_s, u"c2"_s}));
        QCOMPARE(tree.entries(u"q"_s), QStringList{u"a"_s});
    }

    // The way for file systems without an atomic no-replace rename.
    void claimingTheTargetFirstNeverReplacesEither()
    {
        TestTree tree;
        tree.makeFolders({u"src/child"_s, u"emptyDir"_s});
        tree.makeFile(u"file"_s);
        QVERIFY(QFile::link(tree.path(u"src"_s), tree.path(u"srcLink"_s)));
        LinuxFileSystem fs;
        const FileId src = LookUpFolder(fs, tree.path(u"src"_s)).id;
        const int dir = ::open(QFile::encodeName(tree.root()).constData(), O_PATH | O_DIRECTORY);
        QVERIFY(dir >= 0);
        const auto claim = [dir](const char* from, const char* to, bool isFolder, FileId id,
                                 std::function<void()> meanwhile = {}) {
            return LinuxFileSystem::renameByClaimingTarget(dir, from, to, isFolder, id, meanwhile);
        };
        QCOMPARE(claim("src", "emptyDir", true, src)->kind, Kind::TargetIsFolder);
        QCOMPARE(claim("src", "file", true, src)->kind, Kind::TargetExists);
        QCOMPARE(tree.entries(u"emptyDir"_s), QStringList());
        QVERIFY(!claim("src", "moved", true, src));
        QVERIFY(tree.isFolder(u"moved/child"_s));
        QVERIFY(!tree.isFolder(u"src"_s));
        // A link is moved as itself.
        QVERIFY(!claim("srcLink", "movedLink", false, {}));
        QVERIFY(QFileInfo(tree.path(u"movedLink"_s)).isSymLink());
        QVERIFY(!QFileInfo(tree.path(u"srcLink"_s)).isSymLink());
        // A rename onto the placeholder that fails takes the placeholder away again.
        QCOMPARE(claim("gone", "new", true, {})->kind, Kind::SourceMissing);
        QVERIFY(!QFileInfo::exists(tree.path(u"new"_s)));
        // Another program's folder put where the placeholder was is neither replaced nor
        // removed, whether the rename would succeed or fail.
        for (const char* from : {"moved", "gone"}) {
            const auto replacePlaceholder = [&] {
                QVERIFY(QDir(tree.root()).rmdir(u"theirs"_s));
                QVERIFY(QDir(tree.root()).mkdir(u"theirs"_s));
            };
            QCOMPARE(claim(from, "theirs", true, src, replacePlaceholder)->kind,
                     Kind::TargetIsFolder);
            QVERIFY(tree.isFolder(u"theirs"_s));
            QVERIFY(QDir(tree.root()).rmdir(u"theirs"_s));
        }
        // A placeholder that cannot be removed again is said so.
        const auto fillPlaceholder = [&] {
            tree.makeFile(u"full/inside"_s);
        };
        QCOMPARE(claim("moved", "full", true, src, fillPlaceholder)->kind, Kind::PlaceholderLeft);
        QVERIFY(tree.isFolder(u"moved/child"_s));
        ::close(dir);
    }

    // A file system with neither the no-replace rename nor the swap (bindfs): a folder that
    // another program puts where the placeholder was, right before the rename, may be
    // replaced, and that is never said to be a plain success.
    void aFolderPutInThePlaceholdersPlaceIsNeverAPlainSuccess()
    {
        if (QStandardPaths::findExecutable(u"bindfs"_s).isEmpty())
            QSKIP("needs bindfs (scripts/install-deps.sh --test)");
        TestTree tree;
        tree.makeFolders({u"source/a"_s, u"source/b"_s, u"mnt"_s});
        const QString mountPoint = tree.path(u"mnt"_s);
        FuseMount bound(u"bindfs"_s, {tree.path(u"source"_s)}, mountPoint);
        if (!bound.mount())
            QSKIP("FUSE cannot mount here");
        LinuxFileSystem fs;
        const FileId a = LookUpFolder(fs, mountPoint + u"/a"_s).id;
        const FileId b = LookUpFolder(fs, mountPoint + u"/b"_s).id;
        const int dir = ::open(QFile::encodeName(mountPoint).constData(), O_PATH | O_DIRECTORY);
        const auto replacePlaceholder = [&] {
            QDir(mountPoint).rmdir(u"b2"_s);
            QDir(mountPoint).mkdir(u"b2"_s);
        };
        const auto plain = LinuxFileSystem::renameByClaimingTarget(dir, "a", "a2", true, a);
        const auto raced =
            LinuxFileSystem::renameByClaimingTarget(dir, "b", "b2", true, b, replacePlaceholder);
        ::close(dir);
        const QStringList left = QDir(mountPoint).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        bound.unmount();
        QVERIFY(!plain);
        QCOMPARE(raced.value_or(FileSystemError{}).kind, Kind::MayHaveReplacedFolder);
        QCOMPARE(left, (QStringList{u"a2"_s, u"b2"_s}));
    }

    // A disk that fills up: the record says it could not take the lines, and a record that
    // cannot be rewritten whole stays as it was.
    void aFullDiskIsNoticedByTheRecord()
    {
        QTemporaryDir folder;
        QtRecordFiles files(folder.path());
        std::unique_ptr<RecordFiles::Appender> record = files.create(u"r.txt"_s, "first\n");
        QVERIFY(record);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit before = limit;
        limit.rlim_cur = 4096;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        const QByteArray tooMuch(100 * 101, 'x');
        const bool appended = record->append(tooMuch);
        record.reset();
        const bool rewritten = files.replace(u"r.txt"_s, tooMuch);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &before), 0);
        QVERIFY(!appended);
        QVERIFY(!rewritten);
        QCOMPARE(files.read(u"r.txt"_s).value_or(QByteArray()).first(6), "first\n");
    }

    // A record file that is a link to a file elsewhere is neither read nor written through.
    void aLinkedRecordIsLeftAlone()
    {
        TestTree tree;
        tree.makeFolders({u"records"_s});
        QFile elsewhere(tree.path(u"elsewhere.txt"_s));
        QVERIFY(elsewhere.open(QIODevice::WriteOnly) && elsewhere.write("mine\n") == 5);
        elsewhere.close();
        QVERIFY(QFile::link(elsewhere.fileName(), tree.path(u"records/batch-1.txt"_s)));
        QtRecordFiles files(tree.path(u"records"_s));
        QVERIFY(!files.read(u"batch-1.txt"_s));
        QVERIFY(!files.replace(u"batch-1.txt"_s, "rewritten\n"));
        QVERIFY(elsewhere.open(QIODevice::ReadOnly));
        QCOMPARE(elsewhere.readAll(), "mine\n");
    }

    // Dolphin's right-click entry for this user: a service menu it may run, starting this very
    // program whatever its path holds.
    void folderMenuEntryIsWrittenAndRemoved()
    {
        TestTree tree;
        FolderMenu menu(u"/opt/a \"b\" $c/folder-batch-rename"_s, tree.root());
        QCOMPARE(menu.state(), FolderMenu::State::Absent);
        QVERIFY(menu.add());
        QCOMPARE(menu.state(), FolderMenu::State::Present);
        QFile entry(tree.path(u"kio/servicemenus/folder-batch-rename.desktop"_s));
        QVERIFY(entry.permissions() & QFile::ExeOwner);
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains(R"(Exec="/opt/a \\"b\\" \\$c/folder-batch-rename" %F)"));
        QVERIFY(menu.remove());
        QCOMPARE(menu.state(), FolderMenu::State::Absent);
    }

    void localPathsOpenAsLocalFiles()
    {
        QCOMPARE(LocalPathUrl(u"//tmp"_s), QUrl(u"file:///tmp"_s));
        QCOMPARE(LocalPathUrl(u"/a b/目录"_s).toLocalFile(), u"/a b/目录"_s);
    }

    // What a row says for the errors a user meets, and where the rename falls back to the
    // placeholder because the file system has no RENAME_NOREPLACE.
    void errorKinds_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("fallback");
        const std::initializer_list<std::tuple<int, Kind, bool>> table = {
            {ENOENT, Kind::SourceMissing, false},    // moved away meanwhile
            {EACCES, Kind::PermissionDenied, false}, // another user's folder
            {EROFS, Kind::ReadOnly, false},          // a CD, a read-only mount
            {EBUSY, Kind::Busy, false},              // a mount point
            {EXDEV, Kind::CrossDevice, false},       // overlayfs
            {ENOSPC, Kind::NoSpace, false},
            {ENOTCONN, Kind::NotConnected, false},  // a network share gone
            {EINVAL, Kind::IntoOwnSubfolder, true}, // or no RENAME_NOREPLACE (FAT, FUSE)
            {ENOSYS, Kind::Unsupported, true},
            {EOPNOTSUPP, Kind::Unsupported, true},
            {EBADMSG, Kind::Other, false},
        };
        for (const auto& [error, kind, fallback] : table)
            QTest::newRow(::strerrorname_np(error)) << error << kind << fallback;
    }
    void errorKinds()
    {
        QFETCH(int, error);
        QFETCH(Kind, kind);
        QFETCH(bool, fallback);
        QCOMPARE(ErrorKindFromErrno(error), kind);
        QCOMPARE(RenameNeedsFallback(error), fallback);
        // Words of its own even for an error without them, never the system's English.
        QCOMPARE(LinuxFileSystem::errorFromErrno(error).systemText,
                 u"系统错误（%1）"_s.arg(QLatin1StringView(::strerrorname_np(error))));
    }

    void folderNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<std::optional<Kind>>("problem");
        QTest::newRow("plain") << u"新 名.txt"_s << std::optional<Kind>();
        QTest::newRow("empty") << QString() << std::optional(Kind::InvalidName);
        QTest::newRow("dot") << u"."_s << std::optional(Kind::InvalidName);
        QTest::newRow("dot dot") << u".."_s << std::optional(Kind::InvalidName);
        QTest::newRow("three dots") << u"..."_s << std::optional<Kind>();
        QTest::newRow("slash") << u"a/b"_s << std::optional(Kind::InvalidName);
        QTest::newRow("NUL") << u"a\0b"_s << std::optional(Kind::InvalidName);
        QTest::newRow("255 bytes") << QString(85, u'目') << std::optional<Kind>();
        QTest::newRow("256 bytes") << QString(85, u'目') + u'x' << std::optional(Kind::NameTooLong);
        QTest::newRow("256 ASCII") << QString(256, u'n') << std::optional(Kind::NameTooLong);
    }
    void folderNames()
    {
        QFETCH(QString, name);
        QFETCH(std::optional<Kind>, problem);
        QCOMPARE(LinuxFolderNameProblem(name), problem);
    }

    void volumesFromTheMountTable()
    {
        const QList<MountEntry> mounts = {
            {u"/"_s, "/dev/sda1", "ext4", u"/"_s},
            {u"/proc"_s, "proc", "proc", u"/proc"_s},
            {u"/home"_s, "/dev/sda2", "ext4", u"Home"_s},
            {u"/srv/again"_s, "/dev/sda2", "ext4", u"again"_s}, // the same device, bound again
            {u"/mnt/a"_s, "/dev/sdb1", "vfat", u"/mnt/a"_s},
            {u"/mnt/ab"_s, "tmpfs", "tmpfs", u"/mnt/ab"_s},
            {u"/tmp"_s, "tmpfs", "tmpfs", u"/tmp"_s}, // tmpfs names no one device
            {u"/run/user/0"_s, "tmpfs", "tmpfs", u"/run/user/0"_s},
            {u"/run/media/u/STICK"_s, "/dev/sdc1", "exfat", u"STICK"_s},
        };
        QStringList shown;
        for (const Volume& volume : VolumesFromMounts(mounts, "/dev/sda1"))
            shown.append(volume.displayName);
        QCOMPARE(shown, (QStringList{u"/"_s, u"/home [Home]"_s, u"/mnt/a"_s, u"/mnt/ab"_s,
                                     u"/tmp"_s, u"/run/media/u/STICK [STICK]"_s}));
    }

    void theVolumeHoldingAPath_data()
    {
        QTest::addColumn<QString>("mountRoot");
        QTest::addColumn<QString>("volume");
        QTest::newRow("the root") << u"/"_s << u"/"_s;
        QTest::newRow("a volume itself") << u"/mnt/a"_s << u"/mnt/a"_s;
        QTest::newRow("below a volume") << u"/mnt/a/sub"_s << u"/mnt/a"_s;
        QTest::newRow("a longer name beside it") << u"/mnt/ab"_s << u"/"_s;
        QTest::newRow("the innermost") << u"/mnt/a/inner/x"_s << u"/mnt/a/inner"_s;
    }
    void theVolumeHoldingAPath()
    {
        QFETCH(QString, mountRoot);
        QFETCH(QString, volume);
        const QList<Volume> volumes = {
            {u"/"_s, u"/"_s}, {u"/mnt/a"_s, u"/mnt/a"_s}, {u"/mnt/a/inner"_s, u"/mnt/a/inner"_s}};
        QCOMPARE(VolumeRootHolding(mountRoot, volumes), volume);
    }

    void lookupAndListing()
    {
        TestTree tree;
        tree.makeFolders({u"p/b"_s, u"p/a"_s, u"p/.hidden"_s});
        tree.makeFile(u"p/file"_s);
        QVERIFY(QFile::link(tree.path(u"p/a"_s), tree.path(u"p/link"_s)));
        QVERIFY(QFile::link(tree.path(u"p"_s), tree.path(u"pLink"_s)));
        // A name that is not UTF-8 is listed and found as itself, not as its look-alike.
        for (const char* name : {"/bad\xff", "/bad\xef\xbf\xbd"})
            QCOMPARE(::mkdir((QFile::encodeName(tree.path(u"p"_s)) + name).constData(), 0755), 0);
        const QString bad = NameFromBytes("bad\xff");
        LinuxFileSystem fs;

        // One finder for all, as an addition uses it: consecutive paths share their parent.
        const std::unique_ptr<FolderFinder> finder = fs.folderFinder();
        std::vector<FolderLookup> found;
        for (const QString& path :
             {tree.path(u"p/a"_s), u"/"_s, u"/tmp"_s, tree.path(u"p/file"_s),
              tree.path(u"p/none"_s), tree.path(u"p/link"_s), tree.path(u"pLink/a"_s)})
            found.push_back(finder->lookUp(path));
        const FolderInfo& a = *found[0].folder;
        QCOMPARE(a.name, u"a"_s);
        QCOMPARE(a.parent, tree.path(u"p"_s));
        QVERIFY(found[1].folder->name.isEmpty() && found[1].folder->parent.isNull());
        QCOMPARE(found[2].folder->parent, u"/"_s);
        QVERIFY(!found[3].folder);
        QCOMPARE(found[3].error.kind, Kind::NotADirectory);
        QVERIFY(!found[4].folder);
        QCOMPARE(found[4].error.kind, Kind::SourceMissing);
        // A listed link stands for itself; a linked parent for the folder it leads to.
        const FolderInfo& link = *found[5].folder;
        QCOMPARE(link.name, u"link"_s);
        QVERIFY(!(link.id == a.id));
        QCOMPARE(link.parentId, a.parentId);
        const FolderInfo& throughLink = *found[6].folder;
        QCOMPARE(throughLink.parent, tree.path(u"pLink"_s));
        QCOMPARE(throughLink.id, a.id);
        QCOMPARE(throughLink.parentId, a.parentId);

        auto names = fs.subfolderNames(tree.path(u"p"_s));
        QVERIFY(names);
        names->sort();
        QCOMPARE(*names, (QStringList{u"a"_s, u"b"_s, bad, u"bad\uFFFD"_s, u"link"_s}));
        const FolderLookup badOne = finder->lookUp(JoinPath(tree.path(u"p"_s), bad));
        QCOMPARE(badOne.folder->name, bad);
        QVERIFY(!(badOne.folder->id == finder->lookUp(tree.path(u"p/bad\uFFFD"_s)).folder->id));
        QCOMPARE(LocalPathOfUrl(QUrl(u"file:///p/bad%FF"_s)), u"/p/"_s + bad); // dropped
        QCOMPARE(FolderArguments({u"bad"_s + bad.back()}, tree.path(u"p"_s)),
                 QStringList{JoinPath(tree.path(u"p"_s), bad)});
        QVERIFY(!fs.subfolderNames(tree.path(u"p/none"_s)));
        QVERIFY(!fs.subfolderNames(tree.path(u"p/file"_s)));

        const QList<Volume> volumes = fs.volumes();
        QVERIFY(!volumes.isEmpty());
        QCOMPARE(volumes.first().rootPath, u"/"_s);
        QVERIFY(!fs.volumeRootOf(tree.root()).isEmpty());
        QCOMPARE(fs.currentDirectory(), QDir::currentPath());
    }

    // Linux keeps no registry: the About box's viewer is found on the search path.
    void viewerIsFoundOnThePath()
    {
        QVERIFY(ViewerOnPath({u"no-such-viewer-here"_s, u"sh"_s}).program().endsWith(u"/sh"_s));
        QVERIFY(ViewerOnPath({u"no-such-viewer-here"_s}).program().isEmpty());
    }

    // Far below PATH_MAX: every operation reaches the folder through open descriptors.
    void pathsLongerThanPathMax()
    {
        TestTree tree;
        const QString component(200, u'd');
        QString deep = tree.root();
        int dir = ::open(QFile::encodeName(deep).constData(), O_PATH | O_DIRECTORY);
        for (int depth = 0; deep.size() <= PATH_MAX + 400; ++depth) {
            QCOMPARE(::mkdirat(dir, QFile::encodeName(component).constData(), 0755), 0);
            const int next =
                ::openat(dir, QFile::encodeName(component).constData(), O_PATH | O_DIRECTORY);
            ::close(dir);
            dir = next;
            deep += u'/' + component;
        }
        QCOMPARE(::mkdirat(dir, "leaf", 0755), 0);
        ::close(dir);
        const QString leaf = deep + u"/leaf"_s;
        QVERIFY(leaf.size() > PATH_MAX);

        LinuxFileSystem fs;
        QVERIFY(fs.folderExists(leaf));
        QVERIFY(!fs.folderExists(deep + u"/none"_s));
        QCOMPARE(fs.subfolderNames(deep), QStringList{u"leaf"_s});
        QCOMPARE(LookUpFolder(fs, leaf).parent, deep);
        QVERIFY(!RenameFolderAt(fs, leaf, u"renamed"_s));
        QVERIFY(fs.folderExists(deep + u"/renamed"_s));
        // Qt's own removal stops at PATH_MAX.
        QCOMPARE(QProcess::execute(u"rm"_s, {u"-rf"_s, tree.path(component)}), 0);
    }

    // A FAT stick through FUSE numbers its folders anew at each mount: the listed folder can
    // no longer be told from another, and the row says that rather than "moved or replaced".
    void aFileSystemThatRenumbersFoldersSaysSo()
    {
        const QString mkfs =
            QStandardPaths::findExecutable(u"mkfs.vfat"_s, {u"/usr/sbin"_s, u"/sbin"_s});
        if (mkfs.isEmpty() || QStandardPaths::findExecutable(u"fusefat"_s).isEmpty())
            QSKIP("needs fusefat and mkfs.vfat (scripts/install-deps.sh --test)");
        TestTree tree;
        tree.makeFolders({u"mnt"_s});
        const QString image = tree.path(u"stick.img"_s);
        const QString mountPoint = tree.path(u"mnt"_s);
        QCOMPARE(QProcess::execute(mkfs, {u"-C"_s, image, u"32768"_s}), 0);
        FuseMount stick(u"fusefat"_s, {u"-o"_s, u"rw+"_s, image}, mountPoint);
        if (!stick.mount())
            QSKIP("FUSE cannot mount here");
        QVERIFY(QDir(mountPoint).mkdir(u"a"_s) && QDir(mountPoint).mkdir(u"c"_s));
        LinuxFileSystem fs;
        const FolderInfo listed = LookUpFolder(fs, mountPoint + u"/a"_s);
        stick.unmount();
        QVERIFY(stick.mount());
        QVERIFY(fs.folderExists(mountPoint + u"/c"_s)); // c now gets the number a had
        const auto renamer = fs.folderRenamer();
        const auto renameTo = [&](const FolderInfo& folder, const QString& name) {
            return renamer->rename(
                ListedFolder{folder.parent, folder.parentId, folder.name, folder.id}, name);
        };
        const auto error = renameTo(listed, u"b"_s);
        QStringList left = QDir(mountPoint).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        // It has neither no-replace rename nor one onto an empty folder: the plain rename is
        // safe there, and a change of letter case alone is no change.
        const auto renamed = renameTo(LookUpFolder(fs, mountPoint + u"/c"_s), u"d"_s);
        const std::optional<FolderInfo> d = fs.folderFinder()->lookUp(mountPoint + u"/d"_s).folder;
        const auto caseOnly = d ? renameTo(*d, u"D"_s) : std::nullopt;
        const bool previewIgnoresCase = fs.folderProbe()->ignoresCase(mountPoint);
        const QStringList renamedLeft =
            QDir(mountPoint).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        stick.unmount();
        QVERIFY(error);
        QCOMPARE(error->kind, FileSystemError::Kind::NumbersNotKept);
        QCOMPARE(left, (QStringList{u"a"_s, u"c"_s}));
        QVERIFY(!renamed);
        QCOMPARE(caseOnly.value_or(FileSystemError{}).kind,
                 FileSystemError::Kind::TargetIsSameFolder);
        QCOMPARE(renamedLeft, (QStringList{u"a"_s, u"d"_s}));
        QVERIFY(previewIgnoresCase);
    }
};

FBR_TEST_GUILESS_MAIN(TestLinuxFileSystem)
#include "tst_linuxfilesystem.moc"
