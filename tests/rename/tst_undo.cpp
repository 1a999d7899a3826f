#include "collect/AddDirectories.h"
#include "common/NameBytes.h"
#include "mainwindow/DirectoryListView.h"
#include "mainwindow/Form1.h"
#include "platform/PathJoin.h"
#include "rename/BatchHistory.h"
#include "rename/FormHistory.h"
#include "rename/RecordStore.h"
#include "rename/RenameRecord.h"
#include "rows/DirectoryListModel.h"
#include "support/OtherWindow.h"
#include "support/TestMain.h"
#include "support/TestPlatform.h"
#include "support/TestTree.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Rows for the folders (relative to the tree) with their new names, as a preview leaves them.
void addRows(Form1& window, TestPlatform& test, const TestTree& tree,
             const QList<std::pair<QString, QString>>& renames)
{
    for (const auto& [folder, newName] : renames) {
        QCOMPARE(AddDirectories(window.rows(), test.fileSystem, {tree.path(folder)}, test.passes)
                     .appended,
                 1);
        Propose(window.rows(), window.rows().count() - 1, newName);
    }
}

QAction& action(Form1& window, const QString& name)
{
    return *FindChild<QAction>(window, name);
}

// The newest batch's record as it is on the disk now; read without asking a lock, as a
// pass's worker may not.
std::optional<BatchRecordContent> NewestRecord(QtRecordFiles& files)
{
    QStringList names = files.list(u".txt"_s).filter(QRegularExpression(u"^batch-"_s));
    std::sort(names.begin(), names.end());
    return names.isEmpty() ? std::nullopt
                           : RenameRecord::read(files.read(names.last()).value_or(QByteArray()));
}

// Record files on a disk that fills up: so many lines go on record, then no more; and, when
// told, no new record can be made.
struct FillingFiles : QtRecordFiles
{
    using QtRecordFiles::QtRecordFiles;
    struct Filling : Appender
    {
        std::unique_ptr<Appender> file;
        int& appendsLeft;
        Filling(std::unique_ptr<Appender> appender, int& left)
            : file(std::move(appender)), appendsLeft(left)
        {}
        bool append(const QByteArray& text) override
        {
            return appendsLeft-- > 0 && file->append(text);
        }
    };
    int appendsLeft = 1 << 30;
    bool full = false;
    std::unique_ptr<Appender> create(const QString& name, const QByteArray& text) override
    {
        std::unique_ptr<Appender> file = full ? nullptr : QtRecordFiles::create(name, text);
        return file ? std::make_unique<Filling>(std::move(file), appendsLeft) : nullptr;
    }
};

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { VerifyNoWindowLeftOpen(); }

    // Plain renames, a chain made in list order, a name freed and taken within the batch: the
    // undo unwinds them newest first.
    void undoGivesTheOldNamesBack_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("newNames");
        QTest::newRow("plain") << QStringList{u"a"_s, u"b"_s} << QStringList{u"a1"_s, u"b1"_s};
        QTest::newRow("chain") << QStringList{u"b"_s, u"a"_s} << QStringList{u"c"_s, u"b"_s};
        QTest::newRow("through a third name")
            << QStringList{u"a"_s, u"b"_s} << QStringList{u"t"_s, u"a"_s};
        QTest::newRow("a folder and its subfolder")
            << QStringList{u"a"_s, u"a/sub"_s} << QStringList{u"a2"_s, u"sub2"_s};
        QTest::newRow("percent alone") << QStringList{u"a"_s} << QStringList{u"a%41"_s};
        if (OnWindows())
            return;
        // Names Linux allows, which the record must carry whole.
        QTest::newRow("tab, line end and percent")
            << QStringList{u"a"_s, u"b"_s} << QStringList{u"a\t1%09"_s, u"b\n2\r"_s};
        QTest::newRow("bytes that are not UTF-8")
            << QStringList{u"a"_s, u"b"_s} << QStringList{NameFromBytes("a\xff"), u"b\uFFFD"_s};
    }
    void undoGivesTheOldNamesBack()
    {
        QFETCH(QStringList, folders);
        QFETCH(QStringList, newNames);
        TestTree tree;
        tree.makeFolders({u"a/sub"_s, u"b"_s});
        for (const QString& folder : {u"a"_s, u"a/sub"_s, u"b"_s})
            tree.makeFile(folder + u"/marker-"_s + QString(folder).replace(u'/', u'-'));
        TestPlatform test;
        Form1 window(test.platform);
        QVERIFY(!action(window, u"menu撤销修改"_s).isEnabled());
        QList<std::pair<QString, QString>> renames;
        for (int i = 0; i < folders.size(); ++i)
            renames.append({folders[i], newNames[i]});
        addRows(window, test, tree, renames);
        action(window, u"menu确认修改"_s).trigger();
        for (int i = 0; i < folders.size(); ++i)
            QCOMPARE(window.rows().row(i).verdictText(), u"修改成功"_s);
        QVERIFY(action(window, u"menu撤销修改"_s).isEnabled());

        test.messageBoxes.shown.clear();
        action(window, u"menu撤销修改"_s).trigger();
        // Which batch, and how many folders: "上次" alone is not clear after the history's undo.
        QCOMPARE(test.messageBoxes.shown[0].text.section(u'\n', 0, 0),
                 u"你确定要撤销上次的修改吗？"_s);
        QVERIFY(
            test.messageBoxes.shown[0].text.endsWith(u"的修改，%1 个目录。"_s.arg(folders.size())));
        QCOMPARE(test.messageBoxes.shown[1].text,
                 u"已恢复 %1 个目录的原名。\n恢复成功 %1 个，恢复出错 0 个，未恢复 0 个。"_s.arg(
                     folders.size()));
        for (const QString& folder : {u"a"_s, u"a/sub"_s, u"b"_s})
            QVERIFY(QFile::exists(
                tree.path(folder + u"/marker-"_s + QString(folder).replace(u'/', u'-'))));
        QCOMPARE(tree.entries(), (QStringList{u"a"_s, u"b"_s}));
        for (int i = 0; i < folders.size(); ++i) {
            const DirectoryRow& row = window.rows().row(i);
            QCOMPARE(row.verdictText(), u"已撤销"_s);
            QCOMPARE(row.key, tree.path(folders[i]));
            QCOMPARE(row.name(), folders[i].section(u'/', -1));
        }
        QVERIFY(!action(window, u"menu撤销修改"_s).isEnabled());
        // Nor after a restart: the undo's own record is never taken for the last batch.
        Form1 restarted(test.platform);
        QVERIFY(!action(restarted, u"menu撤销修改"_s).isEnabled());
    }

    // What changed since the batch: that folder's row errs, the others are undone, also when
    // their rows are gone from the list.
    void whatChangedSinceIsLeftAsItIs()
    {
        TestTree tree;
        tree.makeFolders({u"again"_s, u"gone"_s, u"taken"_s, u"fine"_s, u"unlisted"_s});
        TestPlatform test;
        Form1 window(test.platform);
        addRows(window, test, tree,
                {{u"again"_s, u"again2"_s},
                 {u"gone"_s, u"gone2"_s},
                 {u"taken"_s, u"taken2"_s},
                 {u"fine"_s, u"fine2"_s},
                 {u"unlisted"_s, u"unlisted2"_s}});
        action(window, u"menu确认修改"_s).trigger();
        QVERIFY(QDir().rename(tree.path(u"again2"_s), tree.path(u"again3"_s)));
        QVERIFY(QDir(tree.path(u"gone2"_s)).removeRecursively());
        tree.makeFolders({u"taken"_s});
        window.rows().removeMarked({false, false, false, false, true});

        test.messageBoxes.shown.clear();
        action(window, u"menu撤销修改"_s).trigger();
        QCOMPARE(
            test.messageBoxes.shown[1].text,
            u"已恢复 2 个目录的原名。\n恢复成功 2 个，恢复出错 3 个，未恢复 0 个。\n有 3 个目录无法恢复原名（可能已被改名、移动或删除，或原名已被占用），原因见列表。"_s);
        QCOMPARE(tree.entries(),
                 (QStringList{u"again3"_s, u"fine"_s, u"taken"_s, u"taken2"_s, u"unlisted"_s}));
        for (int i : {0, 1, 2})
            QVERIFY(window.rows().row(i).verdictText().startsWith(u"撤销出错:"_s));
        QCOMPARE(window.rows().row(3).verdictText(), u"已撤销"_s);
        // The selected row's status says why.
        window.listView().setCurrentIndex(window.rows().index(1, 0));
        QVERIFY(FindChild<QLabel>(window, u"StatusBar1Panel2"_s)
                    ->text()
                    .endsWith(window.rows().row(1).verdictText()));
        // What could not be undone can be tried again once the way is clear.
        QVERIFY(action(window, u"menu撤销修改"_s).isEnabled());
        QVERIFY(QDir(tree.path(u"taken"_s)).removeRecursively());
        action(window, u"menu撤销修改"_s).trigger();
        QVERIFY(tree.isFolder(u"taken"_s) && !tree.isFolder(u"taken2"_s));
    }

    // Each rename is on record, with the paths it has then, before it happens: also for a folder
    // below one renamed just before it.
    void eachRenameIsOnRecordBeforeItHappens()
    {
        TestTree tree;
        tree.makeFolders({u"a/b/c"_s, u"d"_s, u"e"_s});
        TestPlatform test;
        Form1 window(test.platform);
        addRows(window, test, tree,
                {{u"a"_s, u"a2"_s},
                 {u"a/b"_s, u"b2"_s},
                 {u"a/b/c"_s, u"c2"_s},
                 {u"d"_s, u"d2"_s},
                 {u"e"_s, u"d2"_s}});
        QStringList onRecord;
        QStringList notOnRecord;
        test.fileSystem.beforeEachCall = [&](const QString& path) {
            const auto record = NewestRecord(test.recordFiles);
            const bool found = record && std::any_of(record->entries.begin(), record->entries.end(),
                                                     [&](const RecordEntry& entry) {
                                                         return entry.oldPath() == path;
                                                     });
            (found ? onRecord : notOnRecord).append(path);
        };
        action(window, u"menu确认修改"_s).trigger();
        QCOMPARE(notOnRecord, QStringList());
        QCOMPARE(onRecord,
                 (QStringList{tree.path(u"a"_s), tree.path(u"a2/b"_s), tree.path(u"a2/b2/c"_s),
                              tree.path(u"d"_s), tree.path(u"e"_s)}));
        // At the end each entry has its outcome, and the record its end.
        const auto record = NewestRecord(test.recordFiles);
        QVERIFY(record && record->ended && !record->cancelled);
        QStringList states;
        for (const RecordEntry& entry : record->entries)
            states << RenameRecord::stateWord(entry.state);
        QCOMPARE(states, (QStringList{4, u"修改成功"_s} << u"修改出错"_s));
    }

    // A batch whose every rename failed has nothing to undo: the undo stays off.
    void aBatchThatRenamedNothingIsNotOffered()
    {
        TestTree tree;
        tree.makeFolders({u"a"_s, u"b"_s});
        TestPlatform test;
        Form1 window(test.platform);
        addRows(window, test, tree, {{u"a"_s, u"b"_s}});
        action(window, u"menu确认修改"_s).trigger();
        QCOMPARE(window.rows().row(0).verdictText(), u"目录已经存在"_s);
        QCoreApplication::processEvents();
        QVERIFY(!action(window, u"menu撤销修改"_s).isEnabled());
    }

    // A batch that went on without its record is the last batch, and it cannot be undone: the
    // undo no longer offers the one before it.
    void aBatchWithoutItsRecordEndsTheUndo()
    {
        TestTree tree;
        tree.makeFolders({u"a"_s, u"b"_s});
        TestPlatform test;
        FillingFiles files(test.recordFiles.folder());
        Platform platform{test.fileSystem, test.shell,  test.messageBoxes, test.viewer,
                          files,           test.passes, test.settings};
        Form1 window(platform);
        addRows(window, test, tree, {{u"a"_s, u"a1"_s}, {u"b"_s, u"b1"_s}});
        action(window, u"menu确认修改"_s).trigger();
        QTRY_VERIFY(action(window, u"menu撤销修改"_s).isEnabled());
        files.full = true;
        Propose(window.rows(), 1, u"b2"_s);
        action(window, u"menu确认修改"_s).trigger();
        QVERIFY(tree.isFolder(u"b2"_s));
        QCoreApplication::processEvents();
        QVERIFY(!action(window, u"menu撤销修改"_s).isEnabled());
    }

    // A batch cut off between a rename and its outcome, read back by a fresh program.
    void aBatchCutOffIsUndoneFromItsRecord()
    {
        TestTree tree;
        tree.makeFolders({u"a1"_s, u"b1"_s, u"c"_s, u"d1"_s, u"older1"_s});
        TestPlatform test;
        const FolderInfo a = LookUpFolder(test.fileSystem, tree.path(u"a1"_s));
        const FolderInfo b = LookUpFolder(test.fileSystem, tree.path(u"b1"_s));
        const FolderInfo c = LookUpFolder(test.fileSystem, tree.path(u"c"_s));
        const FolderInfo older = LookUpFolder(test.fileSystem, tree.path(u"older1"_s));
        using State = RecordEntry::State;
        const auto idText = [](FileId id) {
            return u"%1:%2:%3"_s.arg(id.volume).arg(id.object).arg(id.birth);
        };
        {
            // An older batch's record in the record's earlier form, left by a program that ended.
            RecordStore olderProgram(test.recordFiles);
            QVERIFY(olderProgram.begin(
                RenameRecord::utf8Text({u"Morvel文件夹名称批量修改 修改记录 2"_s,
                                        u"修改成功\t%1\t%2\t%3\t%4"_s.arg(
                                            tree.path(u"older"_s), tree.path(u"older1"_s),
                                            idText(older.parentId), idText(older.id))}),
                false));
            QTest::qWait(5); // a later name
        }
        const auto onRecord = [](std::vector<RecordEntry> entries) {
            QString parent;
            return RenameRecord::lines(entries, parent);
        };
        const QString root = tree.root();
        const RecordEntry renamed{State::Renamed, root, u"a"_s, u"a1"_s, a.parentId, a.id};
        RecordEntry happened{State::Pending, root, u"b"_s, u"b1"_s, b.parentId, b.id};
        RecordEntry notYet{State::Pending, root, u"c"_s, u"c1"_s, c.parentId, c.id};
        {
            // Left by a program that was killed.
            RecordStore killed(test.recordFiles);
            const std::unique_ptr<HeldRecord> record = killed.begin(
                RenameRecord::utf8Text(RenameRecord::beginning(u"在名称后添加“1”"_s)), false);
            QVERIFY(record);
            for (RecordEntry entry : {renamed, happened, notYet}) {
                if (entry.state == State::Renamed) {
                    entry.state = State::Pending;
                    QVERIFY(record->append(RenameRecord::utf8Text(onRecord({entry}))));
                    entry.state = State::Renamed;
                }
                QVERIFY(record->append(RenameRecord::utf8Text(onRecord({entry}))));
            }
            // Another folder than the listed one took the name of a rename that may not have
            // happened; a line that cannot be read; a torn last line.
            QVERIFY(record->append(RenameRecord::utf8Text(
                onRecord({{State::Pending, root, u"d"_s, u"d1"_s, c.parentId, c.id}}) +
                QStringList{u"修改成功\tgarbage"_s, onRecord({notYet}).last().left(5)})));
        }
        // A folder on record twice: its last line counts.
        QCOMPARE(NewestRecord(test.recordFiles)->entries.front().state, State::Renamed);

        Form1 window(test.platform);
        QVERIFY(action(window, u"menu撤销修改"_s).isEnabled());
        action(window, u"menu撤销修改"_s).trigger();
        QCOMPARE(tree.entries(), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d1"_s, u"older1"_s}));
        QVERIFY(test.messageBoxes.shown.last().text.endsWith(
            u"修改记录中有 1 行无法读取，这些行上的目录没有撤销。"_s));
        QVERIFY(!action(window, u"menu撤销修改"_s).isEnabled());
        // The undo's own record holds the two renames it made, and none it found had not
        // happened.
        const QStringList undos = test.recordFiles.list(u".txt"_s).filter(u"undo-"_s);
        QCOMPARE(undos.size(), 1);
        const auto undoRecord =
            RenameRecord::read(test.recordFiles.read(undos[0]).value_or(QByteArray()));
        QStringList undid;
        for (const RecordEntry& entry : undoRecord->entries)
            undid << entry.newName + RenameRecord::stateWord(entry.state);
        QCOMPARE(undid, (QStringList{u"b修改成功"_s, u"a修改成功"_s}));
        // After a restart, the older batch is offered, not the one undone.
        Form1 restarted(test.platform);
        QVERIFY(action(restarted, u"menu撤销修改"_s).isEnabled());
        // Kept with nothing more to undo: the header, the rule, the parent, a line per folder.
        const QDir records(test.recordFiles.folder());
        const QStringList retired = records.entryList({u"*.done.txt"_s});
        QCOMPARE(retired.size(), 1);
        QFile record(records.filePath(retired[0]));
        QVERIFY(record.open(QIODevice::ReadOnly));
        QCOMPARE(record.readAll().count('\n'), 7);
    }

    void aDamagedOrForeignRecordIsIgnored_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QStringList();
        QTest::newRow("foreign") << QStringList{u"something else"_s};
        const QStringList start = RenameRecord::beginning(QString()) << u"目录\t/\t1:2"_s;
        QTest::newRow("cut short") << start + QStringList{u"修改成功\ta"_s};
        QTest::newRow("bad identity") << start + QStringList{u"修改成功\ta\tb\tx:1"_s};
        QTest::newRow("unknown state") << start + QStringList{u"改了\ta\tb\t1:1"_s};
        QTest::newRow("no parent")
            << RenameRecord::beginning(QString()) + QStringList{u"修改成功\ta\tb\t1:1"_s};
        // Crafted names that would reach outside the parent the record lists.
        QTest::newRow("a parent's name") << start + QStringList{u"修改成功\t..\tb\t1:1"_s};
        QTest::newRow("a path") << start + QStringList{u"修改成功\ta\t../../evil\t1:1"_s};
        QTest::newRow("a subfolder") << start + QStringList{u"修改成功\tc/a\tc/b\t1:1"_s};
        QTest::newRow("a move, in the earlier form")
            << QStringList{u"Morvel文件夹名称批量修改 修改记录 2"_s,
                           u"修改成功\t%1\t%2\t1:1\t1:2"_s.arg(
                               JoinPath(JoinPath(fileSystemRoot(), u"a"_s), u"x"_s),
                               JoinPath(JoinPath(fileSystemRoot(), u"b"_s), u"x"_s))};
    }
    void aDamagedOrForeignRecordIsIgnored()
    {
        QFETCH(QStringList, lines);
        TestPlatform test;
        QVERIFY(RecordStore(test.recordFiles).begin(RenameRecord::utf8Text(lines), false));
        Form1 window(test.platform);
        QVERIFY(!action(window, u"menu撤销修改"_s).isEnabled());
        action(window, u"menu撤销修改"_s).trigger();
        QVERIFY(test.messageBoxes.shown.isEmpty());
    }

    // A record that cannot be written: asked once; No renames nothing, Yes renames without undo.
    void aRecordThatCannotBeWritten()
    {
        TestTree tree;
        tree.makeFolders({u"a"_s});
        tree.makeFile(u"notAFolder"_s);
        TestPlatform test;
        QtRecordFiles unwritable(tree.path(u"notAFolder/records"_s));
        Platform platform{test.fileSystem, test.shell,  test.messageBoxes, test.viewer,
                          unwritable,      test.passes, test.settings};
        Form1 window(platform);
        addRows(window, test, tree, {{u"a"_s, u"b"_s}});
        int questions = 0;
        for (const bool goOn : {false, true}) {
            test.messageBoxes.shown.clear();
            test.messageBoxes.answerYesTimes = goOn ? -1 : 1; // yes to the first question only
            action(window, u"menu确认修改"_s).trigger();
            questions =
                int(std::count_if(test.messageBoxes.shown.cbegin(), test.messageBoxes.shown.cend(),
                                  [](const auto& shown) { return shown.kind == u"ask"; }));
            QCOMPARE(questions, 2);
            QCOMPARE(test.messageBoxes.shown[1].text,
                     u"无法保存修改记录，这次修改之后将不能撤销。仍然继续修改吗？"_s);
            QCOMPARE(tree.isFolder(u"b"_s), goOn);
        }
        QVERIFY(!action(window, u"menu撤销修改"_s).isEnabled());
    }

    // Two windows (each a process of its own, as the launcher and Send To start them) share the
    // records folder: each undoes its own batch, in either order; once a window has closed, a
    // new one offers its batch, not one that another window still holds.
    void eachWindowUndoesItsOwnBatch_data()
    {
        QTest::addColumn<bool>("secondClosesFirst");
        QTest::newRow("both undo") << false;
        QTest::newRow("the second closes, a new window undoes its batch") << true;
    }
    void eachWindowUndoesItsOwnBatch()
    {
        QFETCH(bool, secondClosesFirst);
        TestTree tree;
        tree.makeFolders({u"a"_s, u"b"_s});
        TestPlatform test;
        Form1 windowA(test.platform);
        auto windowB = std::make_unique<OtherWindow>(test);
        addRows(windowA, test, tree, {{u"a"_s, u"a1"_s}});
        addRows(windowB->window, test, tree, {{u"b"_s, u"b1"_s}});
        action(windowB->window, u"menu确认修改"_s).trigger();
        action(windowA, u"menu确认修改"_s).trigger(); // the newest record, held by A
        if (secondClosesFirst) {
            windowB.reset();
            windowB = std::make_unique<OtherWindow>(test);
            QVERIFY(action(windowB->window, u"menu撤销修改"_s).isEnabled());
        }
        action(windowB->window, u"menu撤销修改"_s).trigger();
        QCOMPARE(tree.entries(), (QStringList{u"a1"_s, u"b"_s}));
        action(windowA, u"menu撤销修改"_s).trigger();
        QCOMPARE(tree.entries(), (QStringList{u"a"_s, u"b"_s}));
    }

    // Batches undone from the history, each by a program started afresh: "a>a1" renames a to
    // a1; "undo a>a1" undoes the newest batch that did that (an undo's record too), "refused
    // a>a1" finds it cannot be undone yet; "damaged" leaves a record that cannot be read.
    void theHistoryUndoesAnyBatchInItsTurn_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("folders"); // at the end
        QTest::newRow("older first")
            << QStringList{u"a>a1"_s, u"b>b1"_s, u"undo a>a1"_s, u"undo b>b1"_s}
            << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("newer first")
            << QStringList{u"a>a1"_s, u"b>b1"_s, u"undo b>b1"_s, u"undo a>a1"_s}
            << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("a folder renamed again")
            << QStringList{u"a>a1"_s, u"a1>a2"_s, u"refused a>a1"_s, u"undo a1>a2"_s,
                           u"undo a>a1"_s}
            << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("an undo undone") << QStringList{u"a>a1"_s, u"undo a>a1"_s, u"undo a1>a"_s}
                                        << QStringList{u"a1"_s, u"b"_s};
        // The redo renamed the folder again: the first batch waits for it.
        QTest::newRow("a redo") << QStringList{u"a>a1"_s, u"a1>a2"_s, u"undo a1>a2"_s,
                                               u"undo a2>a1"_s, u"refused a>a1"_s}
                                << QStringList{u"a2"_s, u"b"_s};
        QTest::newRow("a damaged record between")
            << QStringList{u"a>a1"_s, u"damaged"_s, u"b>b1"_s, u"undo a>a1"_s, u"undo b>b1"_s}
            << QStringList{u"a"_s, u"b"_s};
    }
    void theHistoryUndoesAnyBatchInItsTurn()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, folders);
        TestTree tree;
        tree.makeFolders({u"a"_s, u"b"_s});
        TestPlatform test;
        for (const QString& step : steps) {
            OtherWindow program(test); // started afresh for each step
            const QString target = step.section(u' ', 1);
            if (step == u"damaged"_s) {
                QTest::qWait(5);
                QFile file(test.recordFiles.folder() + u"/batch-"_s +
                           QDateTime::currentDateTimeUtc().toString(u"yyyyMMdd-HHmmss-zzz"_s) +
                           u"-1-0001.txt"_s);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("not a record\n");
                QTest::qWait(5);
            } else if (!step.contains(u' ')) {
                addRows(program.window, test, tree,
                        {{step.section(u'>', 0, 0), step.section(u'>', 1)}});
                action(program.window, u"menu确认修改"_s).trigger();
            } else {
                bool answered = false;
                WhenDialogShown(
                    [&](QWidget* dialog) {
                        auto& history = *static_cast<FormHistory*>(dialog);
                        int position = 0;
                        const auto did = [&](const BatchInHistory& batch) {
                            if (!batch.content || batch.content->entries.empty())
                                return false;
                            const RecordEntry& first = batch.content->entries[0];
                            return first.oldName + u'>' + first.newName == target;
                        };
                        while (position < history.history().size() &&
                               !did(history.history()[position]))
                            ++position;
                        QVERIFY(position < history.history().size());
                        history.select(position);
                        QPushButton* undo = FindChild<QPushButton>(history, u"undo"_s);
                        QCOMPARE(undo->isEnabled(), step.startsWith(u"undo"_s));
                        undo->click();
                        answered = true;
                        history.reject();
                    },
                    [](QWidget* dialog) {
                        auto* history = qobject_cast<FormHistory*>(dialog);
                        return history && !history->history().isEmpty();
                    });
                action(program.window, u"menu修改记录"_s).trigger();
                QVERIFY(answered);
            }
        }
        QCOMPARE(tree.entries(), folders);
    }

    // What the history says of each batch, newest first, from its record alone.
    void theHistorySaysWhatBecameOfEachBatch()
    {
        using State = RecordEntry::State;
        const QString parent = JoinPath(fileSystemRoot(), u"p"_s);
        const auto entries = [&](std::initializer_list<State> states) {
            std::vector<RecordEntry> made;
            for (const State state : states)
                made.push_back({state, parent, u"a%1"_s.arg(made.size()), u"b%1"_s.arg(made.size()),
                                FileId{1, 1, 0}, FileId{1, 2 + made.size(), 0}});
            return made;
        };
        std::vector<RecordEntry> cycle = entries({State::Renamed, State::Renamed, State::Renamed});
        cycle[2].id = cycle[0].id;
        const BatchRecordContent completed{
            u"r"_s, {}, true, false, entries({State::Renamed, State::Failed}), 0};
        const QList<std::pair<QString, BatchRecordContent>> batches{
            {u"held"_s, completed},
            {u"已完成"_s, completed},
            // A rule of megabytes (a crafted record) is shown cut.
            {u"已取消"_s, {QString(3 << 20, u'r'), {}, true, true, entries({State::Renamed}), 0}},
            {u"已中断"_s, {u"r"_s, {}, false, false, entries({State::Renamed, State::Pending}), 0}},
            {u"部分撤销"_s, {u"r"_s, {}, true, false, entries({State::Undone, State::Renamed}), 0}},
            {u"已撤销"_s, {u"r"_s, {}, true, false, entries({State::Undone, State::Failed}), 0}},
            // Two folders swapped through a temporary name: three steps.
            {u"已完成"_s, {u"r"_s, {}, true, false, cycle, 0}},
            {u"held on another computer"_s, completed},
        };
        TestPlatform test;
        RecordStore elsewhere(test.recordFiles);
        std::vector<std::unique_ptr<HeldRecord>> held;
        for (const auto& [state, content] : batches) {
            held.push_back(elsewhere.begin(RenameRecord::wholeText(content), false));
            QTest::qWait(5); // a later name
        }
        const QString foreign = held.back()->name() + u".txt"_s;
        held.erase(held.begin() + 1, held.end()); // only the oldest stays held elsewhere
        QFile foreignLock(test.recordFiles.folder() + u'/' + foreign + u".lock"_s);
        QVERIFY(foreignLock.open(QIODevice::WriteOnly));
        foreignLock.write("4242\nfolder-batch-rename\nothercomputer\n");
        foreignLock.close();
        QVERIFY(RecordStore(test.recordFiles).begin("not a record\n", false));
        Form1 window(test.platform);
        RecordStore records(test.recordFiles);
        FormHistory history(&window, window.rows(), test.platform, records);
        QSignalSpy read(&history, &FormHistory::historyRead);
        history.show();
        QVERIFY(read.wait());
        auto* table = FindChild<QTreeWidget>(history, u"batches"_s);
        QStringList states;
        QStringList counts;
        for (int i = 0; i < table->topLevelItemCount(); ++i) {
            states << table->topLevelItem(i)->text(3);
            counts << table->topLevelItem(i)->text(2);
        }
        QCOMPARE(states, (QStringList{u"无法读取"_s, u"可能在另一台电脑上使用"_s, u"已完成"_s,
                                      u"已撤销"_s, u"部分撤销（已撤销 1 个）"_s, u"已中断"_s,
                                      u"已取消"_s, u"已完成"_s, u"正在另一个窗口中使用"_s}));
        // The folders each batch renamed (or may have, when it was cut off).
        QCOMPARE(counts, (QStringList{u"0"_s, u"1"_s, u"2"_s, u"1"_s, u"2"_s, u"2"_s, u"1"_s,
                                      u"1"_s, u"1"_s}));
        QCOMPARE(table->topLevelItem(6)->text(1), QString(2000, u'r') + u"……"_s);
        // Another computer's lock is taken over once the user says so.
        history.select(1);
        QVERIFY(FindChild<QLabel>(history, u"why"_s)->text().contains(u"othercomputer"_s));
        FindChild<QPushButton>(history, u"undo"_s)->click();
        QVERIFY(test.messageBoxes.shown.first().text.startsWith(
            u"这次修改的记录可能正在另一台电脑（othercomputer）上使用。"_s));
        QVERIFY(test.recordFiles.lockedOnComputer(foreign).isEmpty());
        // 20 records and 90 days until the user says otherwise; then, at the next batch, the
        // newest go on and older ones go, but the one another window holds.
        auto* keptCount = FindChild<QSpinBox>(history, u"keptCount"_s);
        QCOMPARE(keptCount->value(), 20);
        QCOMPARE(FindChild<QSpinBox>(history, u"keptDays"_s)->value(), 90);
        keptCount->setValue(3);
        QVERIFY(records.begin("newest\n", false));
        QCOMPARE(QDir(test.recordFiles.folder()).entryList({u"*.txt"_s}).size(), 4);
    }

    // Records beyond the number kept, or older than the days kept, go when a batch begins,
    // but never one that a window holds.
    void oldRecordsGo()
    {
        TestPlatform test;
        RecordStore other(test.recordFiles);
        const std::unique_ptr<HeldRecord> held = other.begin("held\n", false);
        QVERIFY(held);
        QTest::qWait(5);
        RecordStore records(test.recordFiles);
        for (const char* text : {"second\n", "third\n"}) {
            QVERIFY(records.begin(text, false));
            QTest::qWait(5);
        }
        QFile old(test.recordFiles.folder() + u"/batch-20200101-000000-000-1-0001.txt"_s);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.close();
        records.keep(2, 90);
        QVERIFY(records.begin("fourth\n", false));
        QStringList kept;
        for (const QString& file :
             QDir(test.recordFiles.folder())
                 .entryList({u"*.txt"_s}, QDir::Files, QDir::Name | QDir::Reversed))
            kept.append(QString::fromUtf8(test.recordFiles.read(file).value_or("").trimmed()));
        QCOMPARE(kept, (QStringList{u"fourth"_s, u"third"_s, u"held"_s}));
    }

    // The disk fills up in the middle of a batch: it stops before the first rename the record
    // could not take, says so, and what it renamed can be undone.
    void aRecordThatFillsUpStopsTheBatch_data()
    {
        QTest::addColumn<int>("appendsAllowed");
        QTest::addColumn<int>("moreFolders");
        QTest::addColumn<int>("renamed");
        // The first block of the record ends at "a", whose rename moves the row below it.
        QTest::newRow("at a block that follows a parent's rename") << 1 << 0 << 1;
        // The third block goes on record while the second's folders are renamed.
        QTest::newRow("at a block written ahead") << 2 << 600 << 513;
    }

    void aRecordThatFillsUpStopsTheBatch()
    {
        QFETCH(int, appendsAllowed);
        QFETCH(int, moreFolders);
        QFETCH(int, renamed);
        TestTree tree;
        QList<std::pair<QString, QString>> renames{
            {u"a"_s, u"a2"_s}, {u"a/sub"_s, u"sub2"_s}, {u"b"_s, u"b2"_s}};
        for (int i = 0; i < moreFolders; ++i)
            renames.append({u"c%1"_s.arg(1000 + i), u"c%1_x"_s.arg(1000 + i)});
        QStringList folders;
        for (const auto& rename : renames)
            folders.append(rename.first);
        tree.makeFolders(folders);
        const QStringList before = tree.entries();
        TestPlatform test;
        FillingFiles filling(test.recordFiles.folder());
        filling.appendsLeft = appendsAllowed;
        Platform platform{test.fileSystem, test.shell,  test.messageBoxes, test.viewer,
                          filling,         test.passes, test.settings};
        Form1 window(platform);
        addRows(window, test, tree, renames);
        action(window, u"menu确认修改"_s).trigger();
        QCOMPARE(tree.entries().filter(u"_x"_s).size(), std::max(renamed - 3, 0));
        QVERIFY(tree.isFolder(u"a2"_s));
        QVERIFY(test.messageBoxes.shown.last().text.startsWith(
            u"无法继续写入修改记录（磁盘可能已满），批量修改已停止：%1 个目录已改名"_s.arg(
                renamed)));
        // The undo, too, renames nothing that is not on its record; once there is room again,
        // it gives everything back.
        const QStringList afterBatch = tree.entries();
        action(window, u"menu撤销修改"_s).trigger();
        QVERIFY(test.messageBoxes.shown.last().text.startsWith(
            u"无法继续写入修改记录（磁盘可能已满），撤销已停止：已恢复 0 个目录的原名"_s));
        QCOMPARE(tree.entries(), afterBatch);
        filling.appendsLeft = 1 << 30;
        action(window, u"menu撤销修改"_s).trigger();
        QCOMPARE(tree.entries(), before);
    }

    // The program killed in the middle of a batch, or of its undo: a fresh one undoes what the
    // record says, without first undoing the undo that was cut off.
    void theRecordSurvivesAKilledProgram_data()
    {
        QTest::addColumn<bool>("inTheUndo");
        QTest::newRow("in the batch") << false;
        QTest::newRow("in the undo") << true;
    }
    void theRecordSurvivesAKilledProgram()
    {
        QFETCH(bool, inTheUndo);
        TestTree tree;
        QStringList folders;
        for (int i = 0; i < 20; ++i)
            folders.append(u"d"_s + QString::number(i));
        tree.makeFolders(folders);
        TestPlatform test;
        QProcess child;
        // Built beside this program.
        const QString childProgram = QStandardPaths::findExecutable(
            u"batch_child"_s, {QCoreApplication::applicationDirPath()});
        QVERIFY(!childProgram.isEmpty());
        child.start(childProgram, {tree.root(), test.recordFiles.folder(),
                                   inTheUndo ? u"25"_s : u"5"_s, inTheUndo ? u"undo"_s : u""_s});
        QVERIFY(child.waitForStarted(20000));
        QVERIFY(child.waitForReadyRead(60000)); // it says when it is stuck in its sixth rename
        child.kill();
        QVERIFY(child.waitForFinished(20000));
        QStringList renamed = tree.entries();
        QCOMPARE(renamed.filter(u"_x"_s).size(), inTheUndo ? 15 : 5);

        if (inTheUndo) {
            RecordStore store(test.recordFiles);
            const QList<BatchInHistory> history =
                ReadHistory(store, store.history(), test.fileSystem);
            QCOMPARE(history.size(), 2);
            QCOMPARE(history[0].state(), BatchInHistory::State::Interrupted);
            QCOMPARE(history[1].state(), BatchInHistory::State::PartlyUndone);
        }
        Form1 window(test.platform);
        QVERIFY(action(window, u"menu撤销修改"_s).isEnabled());
        action(window, u"menu撤销修改"_s).trigger();
        folders.sort();
        QCOMPARE(tree.entries(), folders);
        QVERIFY(test.messageBoxes.shown.last().text.contains(u"恢复出错 0 个"_s));
    }

    // A planned batch killed at each of its renames: a fresh program gives every folder its old
    // name back, one under a temporary name too, with no error. A three-cycle; with
    // FBR_EXHAUSTIVE_FOLDERS (and FBR_EXHAUSTIVE_NAMES), every map of that many folders onto as
    // many letters, as the batch's own exhaustive test has them.
    void aPlanCutOffAnywhereIsUndone()
    {
        const std::vector<QStringList> maps =
            qEnvironmentVariableIsSet("FBR_EXHAUSTIVE_FOLDERS")
                ? ExhaustiveMaps(0, 4)
                : std::vector{QStringList{u"b"_s, u"c"_s, u"a"_s}};
        int runs = 0;
        for (const QStringList& newNames : maps) {
            const QStringList folders = MapLetters().first(newNames.size());
            for (int stopAfter = 0;; ++stopAfter, ++runs) {
                const QByteArray context =
                    newNames.join(u' ').toUtf8() + ", killed at " + QByteArray::number(stopAfter);
                TestTree tree;
                for (const QString& folder : folders) {
                    tree.makeFolders({folder});
                    tree.makeFile(folder + u"/m"_s + folder);
                }
                TestPlatform test;
                QProcess child;
                child.start(QStandardPaths::findExecutable(
                                u"batch_child"_s, {QCoreApplication::applicationDirPath()}),
                            QStringList{tree.root(), test.recordFiles.folder(),
                                        QString::number(stopAfter), u"to"_s} +
                                newNames);
                QVERIFY(child.waitForStarted(20000));
                QVERIFY(child.waitForReadyRead(60000));
                const bool ranWhole = child.readAll().startsWith("done");
                child.kill();
                QVERIFY(child.waitForFinished(20000));
                if (ranWhole)
                    break;
                const bool underATemporaryName =
                    !tree.entries().filter(QRegularExpression(u"^~fbr-renaming-"_s)).isEmpty();
                // Shown, the window offers the undo while a folder is under a temporary name.
                Form1 window(test.platform);
                window.show();
                if (underATemporaryName) {
                    QTRY_VERIFY2(!test.messageBoxes.shown.isEmpty(), context);
                    QVERIFY2(test.messageBoxes.shown.first().text.startsWith(
                                 u"上次的批量修改被中断了，有 1 个目录仍在临时名称"_s),
                             context);
                } else if (stopAfter > 0) {
                    action(window, u"menu撤销修改"_s).trigger();
                }
                for (const QString& folder : folders)
                    QTRY_VERIFY2(QFileInfo::exists(tree.path(folder + u"/m"_s + folder)), context);
                QCOMPARE(tree.entries().size(), folders.size());
                QVERIFY2(stopAfter == 0 ||
                             test.messageBoxes.shown.last().text.contains(u"恢复出错 0 个"_s),
                         context);
            }
        }
        qInfo("%d maps, %d runs killed", int(maps.size()), runs);
    }
};

FBR_TEST_MAIN(TestUndo)
#include "tst_undo.moc"
