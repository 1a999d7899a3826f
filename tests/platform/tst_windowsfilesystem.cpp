#include "WindowsFileSystem.h"
#include "WindowsRegistry.h"
#include "about/SystemInfo.h"
#include "platform/FolderMenu.h"
#include "platform/PathJoin.h"
#include "platform/core/RegistryViewer.h"
#include "support/TestMain.h"
#include "support/TestPlatform.h"
#include "support/TestTree.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <windows.h>

using namespace Qt::StringLiterals;
using Kind = FileSystemError::Kind;

Q_DECLARE_METATYPE(FileSystemError::Kind)

class TestWindowsFileSystem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The rename by handle against every kind of target: nothing is ever replaced, and a case
    // variant of the folder's own name is the folder itself.
    void renameNeverReplacesAnything_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<std::optional<Kind>>("kind");
        QTest::newRow("file") << u"file"_s << std::optional(Kind::TargetExists);
        QTest::newRow("empty folder") << u"emptyDir"_s << std::optional(Kind::TargetIsFolder);
        QTest::newRow("full folder") << u"fullDir"_s << std::optional(Kind::TargetIsFolder);
        QTest::newRow("case variant") << u"SRC"_s << std::optional(Kind::TargetIsSameFolder);
        QTest::newRow("free") << u"dest"_s << std::optional<Kind>();
    }
    void renameNeverReplacesAnything()
    {
        QFETCH(QString, target);
        QFETCH(std::optional<Kind>, kind);
        TestTree tree;
        tree.makeFolders({u"src/child"_s, u"emptyDir"_s, u"fullDir/x"_s});
        tree.makeFile(u"file"_s);
        WindowsFileSystem fs;
        const auto error = RenameFolderAt(fs, tree.path(u"src"_s), target);
        QCOMPARE(error ? std::optional(error->kind) : std::nullopt, kind);
        QVERIFY(tree.isFolder((kind ? u"src"_s : target) + u"/child"_s));
        QCOMPARE(tree.entries(u"fullDir"_s), QStringList{u"x"_s});
        QVERIFY(QFileInfo(tree.path(u"file"_s)).isFile());
    }

    void aFolderReplacedSinceTheListingIsLeftAlone()
    {
        TestTree tree;
        tree.makeFolders({u"p/c"_s});
        WindowsFileSystem fs;
        const FolderInfo listed = LookUpFolder(fs, tree.path(u"p/c"_s));
        QVERIFY(QDir().rename(tree.path(u"p/c"_s), tree.path(u"p/away"_s)));
        tree.makeFolders({u"p/c"_s});
        const auto error = fs.folderRenamer()->rename(
            ListedFolder{listed.parent, listed.parentId, listed.name, listed.id}, u"c2"_s);
        QCOMPARE(error->kind, Kind::MovedOrReplaced);
        QCOMPARE(tree.entries(u"p"_s), (QStringList{u"away"_s, u"c"_s}));
    }

    void namesWindowsCannotHold_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<std::optional<Kind>>("problem");
        QTest::newRow("plain") << u"新 名.txt"_s << std::optional<Kind>();
        QTest::newRow("dots inside") << u"a.b.c"_s << std::optional<Kind>();
        QTest::newRow("CONSOLE") << u"CONSOLE"_s << std::optional<Kind>();
        QTest::newRow("COM0") << u"COM0"_s << std::optional<Kind>();
        for (const QString& bad : {u""_s,
                                   u"."_s,
                                   u".."_s,
                                   u"a<b"_s,
                                   u"a>b"_s,
                                   u"a:b"_s,
                                   u"a\"b"_s,
                                   u"a/b"_s,
                                   u"a\\b"_s,
                                   u"a|b"_s,
                                   u"a?b"_s,
                                   u"a*b"_s,
                                   u"tab\tname"_s,
                                   u"ends with space "_s,
                                   u"ends with dot."_s,
                                   u"CON"_s,
                                   u"con"_s,
                                   u"Prn"_s,
                                   u"AUX"_s,
                                   u"nul.txt"_s,
                                   u"COM1"_s,
                                   u"com9.log"_s,
                                   u"LPT1"_s,
                                   u"lpt9"_s,
                                   u"COM¹"_s,
                                   u"lpt³.txt"_s,
                                   u"CONIN$"_s,
                                   u"conout$"_s})
            QTest::newRow(qPrintable(u"invalid: "_s + bad))
                << bad << std::optional(Kind::InvalidName);
        QTest::newRow("255 units") << QString(255, u'n') << std::optional<Kind>();
        QTest::newRow("256 units") << QString(256, u'n') << std::optional(Kind::NameTooLong);
    }
    void namesWindowsCannotHold()
    {
        QFETCH(QString, name);
        QFETCH(std::optional<Kind>, problem);
        QCOMPARE(WindowsFolderNameProblem(name), problem);
    }

    void errorKinds_data()
    {
        QTest::addColumn<quint32>("error");
        QTest::addColumn<Kind>("kind");
        QTest::newRow("not found") << quint32(ERROR_FILE_NOT_FOUND) << Kind::SourceMissing;
        QTest::newRow("path not found") << quint32(ERROR_PATH_NOT_FOUND) << Kind::SourceMissing;
        QTest::newRow("access denied") << quint32(ERROR_ACCESS_DENIED) << Kind::PermissionDenied;
        QTest::newRow("in use") << quint32(ERROR_SHARING_VIOLATION) << Kind::Busy;
        QTest::newRow("exists") << quint32(ERROR_ALREADY_EXISTS) << Kind::TargetExists;
        QTest::newRow("too long") << quint32(ERROR_FILENAME_EXCED_RANGE) << Kind::NameTooLong;
        QTest::newRow("other drive") << quint32(ERROR_NOT_SAME_DEVICE) << Kind::CrossDevice;
        QTest::newRow("write protected") << quint32(ERROR_WRITE_PROTECT) << Kind::ReadOnly;
        QTest::newRow("invalid name") << quint32(ERROR_INVALID_NAME) << Kind::InvalidName;
        QTest::newRow("disk full") << quint32(ERROR_DISK_FULL) << Kind::NoSpace;
        QTest::newRow("the rest") << quint32(ERROR_GEN_FAILURE) << Kind::Other;
    }
    void errorKinds()
    {
        QFETCH(quint32, error);
        QFETCH(Kind, kind);
        QCOMPARE(ErrorKindFromWin32(error), kind);
        // Never a bare number: the system's own words.
        QVERIFY(!WindowsFileSystem::errorFromLastError(error).systemText.startsWith(u"系统错误"_s));
    }

    void aFolderOpenElsewhereIsInUse()
    {
        TestTree tree;
        tree.makeFolders({u"open"_s});
        WindowsFileSystem fs;
        const FolderInfo listed = LookUpFolder(fs, tree.path(u"open"_s));
        // Opened as Explorer or a console holds a folder: sharing neither writes nor deletes.
        const HANDLE held = ::CreateFileW(tree.path(u"open"_s).toStdWString().c_str(), GENERIC_READ,
                                          FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                          FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        QVERIFY(held != INVALID_HANDLE_VALUE);
        const auto error = fs.folderRenamer()->rename(
            ListedFolder{listed.parent, listed.parentId, listed.name, listed.id}, u"moved"_s);
        ::CloseHandle(held);
        QVERIFY(error);
        QCOMPARE(error->kind, Kind::Busy);
        QVERIFY(tree.isFolder(u"open"_s));
    }

    // Beyond MAX_PATH: listed, looked up and renamed; what the user sees keeps its normal form.
    // "bad." beside "bad", "sp " beside "sp": each is listed and renamed as itself.
    void aTrailingDotOrSpaceIsPartOfTheName_data()
    {
        QTest::addColumn<QString>("odd");
        QTest::addColumn<QString>("plain");
        QTest::newRow("dot") << u"bad."_s << u"bad"_s;
        QTest::newRow("space") << u"sp "_s << u"sp"_s;
    }
    void aTrailingDotOrSpaceIsPartOfTheName()
    {
        QFETCH(QString, odd);
        QFETCH(QString, plain);
        TestTree tree;
        tree.makeFolders({plain});
        QVERIFY(
            ::CreateDirectoryW(ExtendedLengthPath(tree.path(odd)).toStdWString().c_str(), nullptr));
        WindowsFileSystem fs;
        const FolderInfo listed = LookUpFolder(fs, tree.path(odd));
        QCOMPARE(listed.name, odd);
        QVERIFY(listed.id != LookUpFolder(fs, tree.path(plain)).id);
        QCOMPARE(RenameFolderAt(fs, tree.path(odd), u"renamed"_s), std::nullopt);
        QStringList left{u"renamed"_s, plain};
        left.sort();
        QCOMPARE(tree.entries(), left);
    }

    // A batch file's %~s1 hands over the 8.3 short name: the row gets the folder's own name.
    void aShortNameBecomesTheLongName()
    {
        TestTree tree;
        tree.makeFolders({u"一个很长的文件夹名称 2024"_s});
        const std::wstring full = tree.path(u"一个很长的文件夹名称 2024"_s).toStdWString();
        // So does a path written with "/", as Qt writes paths.
        WindowsFileSystem slashedFs;
        const FolderInfo slashed =
            LookUpFolder(slashedFs, QDir::fromNativeSeparators(QString::fromStdWString(full)));
        QCOMPARE(slashed.name, u"一个很长的文件夹名称 2024"_s);
        std::wstring shortPath(MAX_PATH, L'\0');
        shortPath.resize(::GetShortPathNameW(full.c_str(), shortPath.data(), MAX_PATH));
        if (!QString::fromStdWString(shortPath).contains(u'~'))
            QSKIP("this volume keeps no short names");
        WindowsFileSystem fs;
        const FolderInfo found = LookUpFolder(fs, QString::fromStdWString(shortPath));
        QCOMPARE(found.name, u"一个很长的文件夹名称 2024"_s);
        QCOMPARE(JoinPath(found.parent, found.name), tree.path(u"一个很长的文件夹名称 2024"_s));
    }

    void pathsLongerThanMaxPath()
    {
        TestTree tree;
        QString relative;
        for (int i = 0; i < 4; ++i)
            relative += (relative.isEmpty() ? QString() : u"/"_s) + QString(80, QChar(u'd' + i));
        const QString deep = tree.path(relative);
        QVERIFY(deep.size() > MAX_PATH);
        WindowsFileSystem fs;
        QVERIFY(CreateDirectoryW(
            ExtendedLengthPath(tree.path(relative.section(u'/', 0, 0))).toStdWString().c_str(),
            nullptr));
        for (int depth = 1; depth < 4; ++depth) {
            const QString path = tree.path(relative.section(u'/', 0, depth));
            QVERIFY(CreateDirectoryW(ExtendedLengthPath(path).toStdWString().c_str(), nullptr));
        }
        QVERIFY(CreateDirectoryW(
            ExtendedLengthPath(JoinPath(deep, u"leaf"_s)).toStdWString().c_str(), nullptr));
        QVERIFY(fs.folderExists(JoinPath(deep, u"leaf"_s)));
        QCOMPARE(fs.subfolderNames(deep), QStringList{u"leaf"_s});
        const FolderInfo leaf = LookUpFolder(fs, JoinPath(deep, u"leaf"_s));
        QCOMPARE(leaf.parent, deep);
        QVERIFY(!RenameFolderAt(fs, JoinPath(deep, u"leaf"_s), u"renamed"_s));
        QVERIFY(fs.folderExists(JoinPath(deep, u"renamed"_s)));
        QVERIFY(!fs.folderExists(JoinPath(deep, u"leaf"_s)));
    }

    void drives()
    {
        WindowsFileSystem fs;
        const QList<Volume> volumes = fs.volumes();
        QVERIFY(!volumes.isEmpty());
        QCOMPARE(volumes.first().rootPath, u"C:\\"_s);
        QVERIFY(volumes.first().displayName.startsWith(u"c:"_s));
        QCOMPARE(fs.volumeRootOf(u"C:\\windows"_s), u"C:\\"_s);
        QCOMPARE(fs.volumeRootOf(u"c:/windows"_s), u"C:\\"_s);
        QCOMPARE(DriveDisplayName(u"C:\\"_s, u"System"_s, {}), u"c: [System]"_s);
        QCOMPARE(DriveDisplayName(u"E:\\"_s, {}, {}), u"e:"_s);
        QCOMPARE(DriveDisplayName(u"Z:\\"_s, {}, u"\\\\server\\share"_s),
                 u"z: [\\\\server\\share]"_s);
    }

    void roots_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("rootLength");
        QTest::newRow("drive") << u"C:\\a"_s << 3;
        QTest::newRow("drive only") << u"c:\\"_s << 3;
        QTest::newRow("network") << u"\\\\server\\share\\a"_s << 15;
        QTest::newRow("relative") << u"a\\b"_s << 0;
        QTest::newRow("drive-relative") << u"C:a"_s << 0;
    }
    void roots()
    {
        QFETCH(QString, path);
        QFETCH(int, rootLength);
        QCOMPARE(RootLength(path), rootLength);
    }

    // The About box's two places, on real keys written into the registry and removed again.
    void getKeyValueOnTheRealRegistry()
    {
        const std::wstring key = L"SOFTWARE\\FolderBatchRenameTest";
        HKEY created = nullptr;
        QCOMPARE(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                   nullptr, &created, nullptr),
                 LONG(ERROR_SUCCESS));
        const std::wstring path = L"C:\\工具\\查看器.exe";
        ::RegSetValueExW(created, L"PATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                         DWORD((path.size() + 1) * sizeof(wchar_t)));
        const DWORD number = 42;
        ::RegSetValueExW(created, L"N", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                         sizeof number);
        ::RegCloseKey(created);

        WindowsRegistry registry;
        QString out;
        QVERIFY(GetKeyValue(registry, Registry::LocalMachine, u"SOFTWARE\\FolderBatchRenameTest"_s,
                            u"PATH"_s, out));
        QCOMPARE(out, u"C:\\工具\\查看器.exe"_s);
        QVERIFY(GetKeyValue(registry, Registry::LocalMachine, u"SOFTWARE\\FolderBatchRenameTest"_s,
                            u"N"_s, out));
        QCOMPARE(out, u"42"_s);
        QVERIFY(!GetKeyValue(registry, Registry::LocalMachine, u"SOFTWARE\\FolderBatchRenameTest"_s,
                             u"missing"_s, out));
        QVERIFY(out.isEmpty());
        QCOMPARE(::RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str()), LONG(ERROR_SUCCESS));
        QVERIFY(!GetKeyValue(registry, Registry::LocalMachine, u"SOFTWARE\\FolderBatchRenameTest"_s,
                             u"PATH"_s, out));
    }

    // Explorer's right-click entry for this user, written where a test keeps its keys, read back
    // as Explorer reads it, and removed whole.
    void folderMenuEntryIsWrittenAndRemoved()
    {
        const QString classes = u"Software\\FolderBatchRenameTest\\Classes"_s;
        FolderMenu menu(u"C:/程序 目录/folder-batch-rename.exe"_s, classes);
        QCOMPARE(menu.state(), FolderMenu::State::Absent);
        QVERIFY(menu.add());
        QCOMPARE(menu.state(), FolderMenu::State::Present);
        WindowsRegistry registry;
        const QString onFolders = classes + u"\\Directory\\shell\\FolderBatchRename"_s;
        const QString onBackground =
            classes + u"\\Directory\\Background\\shell\\FolderBatchRename"_s;
        const auto value = [&](const QString& key, const QString& name) {
            QString out;
            GetKeyValue(registry, Registry::CurrentUser, key, name, out);
            return out;
        };
        QCOMPARE(value(onFolders, QString()), u"批量修改文件夹名称"_s);
        QCOMPARE(value(onFolders, u"Icon"_s), u"\"C:\\程序 目录\\folder-batch-rename.exe\",0"_s);
        QCOMPARE(value(onFolders + u"\\command"_s, QString()),
                 u"\"C:\\程序 目录\\folder-batch-rename.exe\" --gather -- \"%1\""_s);
        QCOMPARE(value(onBackground + u"\\command"_s, QString()),
                 u"\"C:\\程序 目录\\folder-batch-rename.exe\" --subfolders -- \"%V\""_s);
        QVERIFY(menu.remove());
        QCOMPARE(menu.state(), FolderMenu::State::Absent);
        QVERIFY(value(onBackground, QString()).isEmpty());
        QCOMPARE(::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\FolderBatchRenameTest"),
                 LONG(ERROR_SUCCESS));
    }

    // The viewer from the real registry: place 1 where Windows (or wine) records it, otherwise
    // place 2 with a viewer the test puts there.
    void startSysInfoFindsTheViewer()
    {
        TestTree tree;
        tree.makeFile(u"MSINFO32.EXE"_s);
        const std::wstring key = SystemInfoPlaces::viewerFolderKey.toStdWString();
        HKEY created = nullptr;
        QCOMPARE(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                   nullptr, &created, nullptr),
                 LONG(ERROR_SUCCESS));
        const std::wstring folder = tree.root().toStdWString();
        ::RegSetValueExW(created, L"MSINFO", 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(folder.c_str()),
                         DWORD((folder.size() + 1) * sizeof(wchar_t)));
        ::RegCloseKey(created);

        TestPlatform test;
        WindowsRegistry registry;
        WindowsFileSystem fs;
        QString placeOne;
        GetKeyValue(registry, Registry::LocalMachine, SystemInfoPlaces::viewerPathKey,
                    SystemInfoPlaces::viewerPathValue, placeOne);
        RegistryViewer viewer(registry, fs);
        StartSysInfo(viewer, test.shell, test.messageBoxes);
        ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
        const QString expected =
            placeOne.isEmpty() ? JoinPath(tree.root(), u"MSINFO32.EXE"_s) : placeOne;
        QCOMPARE(test.shell.startedPrograms, QStringList{expected});
        QVERIFY(test.messageBoxes.shown.isEmpty());
    }
};

FBR_TEST_GUILESS_MAIN(TestWindowsFileSystem)
#include "tst_windowsfilesystem.moc"
