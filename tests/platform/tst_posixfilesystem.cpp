#include "platform/PosixFileSystem.h"
#include "platform/QtShell.h"
#include "support/TestTree.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestPosixFileSystem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void renameNeverReplacesAnything()
    {
        TestTree tree;
        tree.makeFolders({u"src/child"_s, u"emptyDir"_s, u"fullDir/x"_s});
        tree.makeFile(u"file"_s);
        QVERIFY(QFile::link(tree.path(u"emptyDir"_s), tree.path(u"link"_s)));
        PosixFileSystem fs;
        for (const QString& target : {u"emptyDir"_s, u"fullDir"_s, u"file"_s, u"link"_s}) {
            const auto error = fs.renameNoReplace(tree.path(u"src"_s), tree.path(target));
            QVERIFY2(error, qPrintable(target));
            QCOMPARE(error->kind, FileSystemError::Kind::TargetExists);
            QVERIFY(tree.isFolder(u"src/child"_s));
        }
        QVERIFY(!fs.renameNoReplace(tree.path(u"src"_s), tree.path(u"dest"_s)));
        QVERIFY(tree.isFolder(u"dest/child"_s));

        const auto missing = fs.renameNoReplace(tree.path(u"src"_s), tree.path(u"other"_s));
        QVERIFY(missing);
        QCOMPARE(missing->kind, FileSystemError::Kind::SourceMissing);
        QVERIFY(!missing->systemText.isEmpty());
        const auto intoItself =
            fs.renameNoReplace(tree.path(u"dest"_s), tree.path(u"dest/child/inside"_s));
        QVERIFY(intoItself);
        QCOMPARE(intoItself->kind, FileSystemError::Kind::IntoOwnSubfolder);
        QVERIFY(fs.renameNoReplace(tree.path(u"dest"_s), tree.path(u"a"_s) + QChar(u'\0')));
    }

    // The way for file systems without an atomic no-replace rename.
    void claimingTheTargetFirstNeverReplacesEither()
    {
        TestTree tree;
        tree.makeFolders({u"src/child"_s, u"emptyDir"_s});
        tree.makeFile(u"file"_s);
        QVERIFY(QFile::link(tree.path(u"src"_s), tree.path(u"srcLink"_s)));
        const auto native = [&tree](const QString& relative) {
            return QFile::encodeName(tree.path(relative));
        };
        for (const QString& target : {u"emptyDir"_s, u"file"_s}) {
            const auto error =
                PosixFileSystem::renameByClaimingTarget(native(u"src"_s), native(target));
            QVERIFY(error);
            QCOMPARE(error->kind, FileSystemError::Kind::TargetExists);
        }
        QCOMPARE(tree.entries(u"emptyDir"_s), QStringList());
        QVERIFY(!PosixFileSystem::renameByClaimingTarget(native(u"src"_s), native(u"moved"_s)));
        QVERIFY(tree.isFolder(u"moved/child"_s));
        QVERIFY(!tree.isFolder(u"src"_s));
        // A link is moved as itself.
        QVERIFY(
            !PosixFileSystem::renameByClaimingTarget(native(u"srcLink"_s), native(u"movedLink"_s)));
        QVERIFY(QFileInfo(tree.path(u"movedLink"_s)).isSymLink());
        QVERIFY(!QFileInfo::exists(tree.path(u"srcLink"_s)) &&
                !QFileInfo(tree.path(u"srcLink"_s)).isSymLink());
        // A failed rename leaves no placeholder behind.
        QVERIFY(PosixFileSystem::renameByClaimingTarget(native(u"gone"_s), native(u"new"_s)));
        QVERIFY(!QFileInfo::exists(tree.path(u"new"_s)));
    }

    void localPathsOpenAsLocalFiles()
    {
        QCOMPARE(LocalPathUrl(u"//tmp"_s), QUrl(u"file:///tmp"_s));
        QCOMPARE(LocalPathUrl(u"/a b/目录"_s).toLocalFile(), u"/a b/目录"_s);
    }

    void errorKinds()
    {
        using Kind = FileSystemError::Kind;
        QCOMPARE(PosixFileSystem::errorFromErrno(EACCES).kind, Kind::PermissionDenied);
        QCOMPARE(PosixFileSystem::errorFromErrno(EROFS).kind, Kind::ReadOnly);
        QCOMPARE(PosixFileSystem::errorFromErrno(EBUSY).kind, Kind::Busy);
        QCOMPARE(PosixFileSystem::errorFromErrno(EXDEV).kind, Kind::CrossDevice);
        QCOMPARE(PosixFileSystem::errorFromErrno(ENOSPC).kind, Kind::NoSpace);
        const FileSystemError other = PosixFileSystem::errorFromErrno(EIO);
        QCOMPARE(other.kind, Kind::Other);
        QVERIFY(!other.systemText.isEmpty());
    }

    void lookupAndListing()
    {
        TestTree tree;
        tree.makeFolders({u"p/b"_s, u"p/a"_s, u"p/.hidden"_s});
        tree.makeFile(u"p/file"_s);
        QVERIFY(QFile::link(tree.path(u"p/a"_s), tree.path(u"p/link"_s)));
        // A name that is not UTF-8 has no text that would name it again: it is not listed.
        QVERIFY(::mkdir((QFile::encodeName(tree.path(u"p"_s)) + "/bad\xff").constData(), 0755) ==
                0);
        PosixFileSystem fs;

        const auto folder = fs.lookupFolder(tree.path(u"p/a"_s));
        QVERIFY(folder);
        QCOMPARE(folder->name, u"a"_s);
        QCOMPARE(folder->parent, tree.path(u"p"_s));
        const auto root = fs.lookupFolder(u"/"_s);
        QVERIFY(root && root->name.isEmpty() && root->parent.isNull());
        const auto belowRoot = fs.lookupFolder(u"/tmp"_s);
        QVERIFY(belowRoot);
        QCOMPARE(belowRoot->parent, u"/"_s);
        QVERIFY(!fs.lookupFolder(tree.path(u"p/file"_s)));
        QVERIFY(!fs.lookupFolder(tree.path(u"p/none"_s)));
        QCOMPARE(fs.lookupFolder(tree.path(u"p/link"_s))->name, u"link"_s);

        auto names = fs.subfolderNames(tree.path(u"p"_s));
        QVERIFY(names);
        names->sort();
        QCOMPARE(*names, (QStringList{u"a"_s, u"b"_s, u"link"_s}));
        QVERIFY(!fs.subfolderNames(tree.path(u"p/none"_s)));
        QVERIFY(!fs.subfolderNames(tree.path(u"p/file"_s)));

        QVERIFY(fs.isSameEntry(tree.path(u"p/a"_s), tree.path(u"p//a"_s)));
        QVERIFY(!fs.isSameEntry(tree.path(u"p/a"_s), tree.path(u"p/link"_s)));
        QVERIFY(!fs.isSameEntry(tree.path(u"p/a"_s), tree.path(u"p/A"_s)));

        const QList<Volume> volumes = fs.volumes();
        QVERIFY(!volumes.isEmpty());
        QCOMPARE(volumes.first().rootPath, u"/"_s);
        QVERIFY(!fs.volumeRootOf(tree.root()).isEmpty());
        QCOMPARE(fs.currentDirectory(), QDir::currentPath());
    }
};

QTEST_GUILESS_MAIN(TestPosixFileSystem)
#include "tst_posixfilesystem.moc"
