#include "about/HelpLinks.h"
#include "about/frmAbout.h"
#include "collect/FormAdd.h"
#include "common/InterfaceLanguage.h"
#include "mainwindow/ApplicationSetup.h"
#include "mainwindow/DirectoryListView.h"
#include "mainwindow/Form1.h"
#include "rename/FormHistory.h"
#include "rename/RecordStore.h"
#include "rows/DirectoryListModel.h"
#include "rows/FilteredRows.h"
#include "rules/FormRename.h"
#include "rules/FormRules.h"
#include "support/TestMain.h"
#include "support/TestPlatform.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QLabel* label(Form1& window, const QString& name)
{
    return window.findChild<QLabel*>(name);
}

// Adds rows r0 .. r(n-1) below /p.
void addRows(Form1& window, int n)
{
    for (int i = 0; i < n; ++i)
        window.rows().append(u"/p/r%1"_s.arg(i), u"/p"_s);
}

QStringList names(Form1& window)
{
    QStringList result;
    for (int i = 0; i < window.rows().count(); ++i)
        result.append(window.rows().row(i).name());
    return result;
}

void selectRows(Form1& window, const QList<int>& rows)
{
    auto* selection = window.listView().selectionModel();
    for (int r : rows)
        selection->select(window.rows().index(r, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

int WrappedHeight(const QLabel& label)
{
    return label.fontMetrics()
        .boundingRect(QRect(0, 0, label.contentsRect().width(), 0),
                      int(label.alignment()) | Qt::TextWordWrap, label.text())
        .height();
}

// The captions, of buttons and labels, larger than the place they were given.
QStringList CutCaptions(const QWidget& window)
{
    QStringList cut;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        const auto* label = qobject_cast<const QLabel*>(widget);
        const bool wraps = label && label->wordWrap();
        const bool captioned =
            (label && !label->text().isEmpty()) || qobject_cast<const QAbstractButton*>(widget);
        // A caption on one line must fit its width, a wrapping one its height (give or take the
        // rounding of the lines' heights: the design's own last lines reach two pixels beyond).
        if (captioned && (wraps ? WrappedHeight(*label) > label->contentsRect().height() + 2
                                : widget->sizeHint().width() > widget->width()))
            cut.append(widget->objectName() + u' ' + widget->property("text").toString());
    }
    return cut;
}

QAction* action(Form1& window, const QString& name)
{
    return window.findChild<QAction*>(name);
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { VerifyNoWindowLeftOpen(); }

    void startsEmptyWithItsTitleAndLayout()
    {
        TestPlatform test;
        Form1 window(test.platform);
        QVERIFY(ShowActive(window));
        QCOMPARE(window.windowTitle(), u"Morvel文件夹名称批量修改 V1.0"_s);
        QCOMPARE(label(window, u"Label1"_s)->text(), u"待修改目录列表："_s);
        QCOMPARE(label(window, u"Label2"_s)->text(), u"0"_s);
        QCOMPARE(label(window, u"StatusBar1Panel1"_s)->text(), u"Morvel软件"_s);
        QCOMPARE(label(window, u"StatusBar1Panel2"_s)->text(), QString());
        QCOMPARE(window.size().width(), 624);
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY((window.geometry().center() - screen.center()).manhattanLength() <= 2);
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);

        DirectoryListView& list = window.listView();
        QCOMPARE(list.model()->headerData(0, Qt::Horizontal).toString(), u"目录名称(修改前)"_s);
        QCOMPARE(list.model()->headerData(1, Qt::Horizontal).toString(), u"目录名称(修改后)"_s);
        QCOMPARE(list.model()->headerData(2, Qt::Horizontal).toString(), u"可否修改"_s);
        for (int c = 0; c < 3; ++c)
            QCOMPARE(list.header()->sectionSize(c), 200);
        QCOMPARE(list.selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(!list.header()->sectionsClickable());
        QCOMPARE(QApplication::focusWidget(), &list);
        QVERIFY(!list.accessibleName().isEmpty());

        // Underscores sit below the baseline: the path's panel holds the font's whole height,
        // at the design's size and at a large one.
        const QFont designed = QApplication::font();
        for (const int points : {designed.pointSize(), 16}) {
            QFont font = designed;
            font.setPointSize(points);
            QApplication::setFont(font);
            Form1 other(test.platform);
            other.show();
            QLabel* path = label(other, u"StatusBar1Panel2"_s);
            QTRY_VERIFY(path->isVisible());
            QVERIFY2(path->contentsRect().height() >= path->fontMetrics().height(),
                     qPrintable(QString::number(points)));
        }
        QApplication::setFont(designed);
    }

    void rowModelKeepsTheModelContract()
    {
        DirectoryListModel rows;
        QAbstractItemModelTester tester(&rows,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        rows.appendAll(
            {DirectoryRow{{}, u"/p/a"_s, u"/p"_s, {}, {}, {}},
             DirectoryRow{{}, u"/p/b"_s, u"/p"_s, {}, {}, {}},
             DirectoryRow{{}, u"/p/a"_s, u"/p"_s, {}, {}, {}}}); // a duplicate in the batch
        QCOMPARE(rows.count(), 2);
        rows.append(u"/p/c"_s, u"/p"_s);
        Propose(rows, 0, u"x"_s);
        QCOMPARE(rows.data(rows.index(0, 1)).toString(), u"x"_s);
        rows.removeMarked({true, false, true});
        QCOMPARE(rows.count(), 1);
        QCOMPARE(rows.row(0).key, u"/p/b"_s);
        QVERIFY(!rows.containsKey(u"/p/a"_s));
        rows.removeMarked({true});
        rows.removeAll();
        QCOMPARE(rows.count(), 0);
    }

    void textsInEachLanguage_data()
    {
        QTest::addColumn<InterfaceLanguage>("language");
        QTest::addColumn<QString>("qtsYes");
        QTest::addColumn<QString>("preview");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("简体中文") << InterfaceLanguage::SimplifiedChinese << u"是(&Y)"_s
                                  << u"模拟修改"_s << u"有同名文件"_s;
        QTest::newRow("繁體中文") << InterfaceLanguage::TraditionalChinese << u"是(&Y)"_s
                                  << u"模擬修改"_s << u"有同名檔案"_s;
        QTest::newRow("English") << InterfaceLanguage::English << u"&Yes"_s << u"Preview"_s
                                 << u"File exists"_s;
    }

    // The program's texts and Qt's own in the chosen language, and no caption of the fixed
    // windows cut off by a longer wording.
    void textsInEachLanguage()
    {
        QFETCH(InterfaceLanguage, language);
        QFETCH(QString, qtsYes);
        QFETCH(QString, preview);
        QFETCH(QString, verdict);
        SetUpApplication(*qApp);
        UseLanguage(*qApp, language);
        const auto backToChinese =
            qScopeGuard([] { UseLanguage(*qApp, InterfaceLanguage::SimplifiedChinese); });
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), qtsYes);
        QVERIFY(QApplication::font().pointSize() == 9);

        TestPlatform test;
        Form1 window(test.platform);
        addRows(window, 1);
        Propose(window.rows(), 0, u"新"_s, {Verdict::Outcome::TakenByFile, {}});
        QCOMPARE(action(window, u"menu模拟修改"_s)->text(), preview);
        QCOMPARE(window.rows().data(window.rows().index(0, 2)).toString(), verdict);
        // The language chosen from the menu is the next start's, whatever the system's.
        action(window, u"menu语言_"_s + LanguageCode(language))->trigger();
        QCOMPARE(ChosenLanguage(test.settings, {u"de-DE"_s}), language);
        QVERIFY(ShowActive(window));
        // Without a font database (Windows' offscreen platform) every character is a box.
        const QFontMetrics metrics(QApplication::font());
        if (metrics.horizontalAdvance(u"i"_s) == metrics.horizontalAdvance(u"W"_s))
            QSKIP("no real font to measure the captions with");
        FormAdd add(&window, window.rows(), test.fileSystem, test.messageBoxes, test.passes);
        FormRename rename(&window, window.rows(), test.fileSystem, test.passes);
        FormRules rules(&window, window.rows(), test.fileSystem, test.passes, test.settings);
        RecordStore records(test.recordFiles);
        FormHistory history(&window, window.rows(), test.platform, records);
        frmAbout about(test.platform, &window);
        QStringList cut;
        for (QWidget* shown :
             std::initializer_list<QWidget*>{&window, &add, &rename, &rules, &history, &about}) {
            shown->show();
            QVERIFY(QTest::qWaitForWindowExposed(shown));
            cut += CutCaptions(*shown);
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", "_s)));
    }

    // What a screen reader hears: the cells, the row count and the path, by their own text.
    void accessibleToScreenReaders()
    {
        TestPlatform test;
        Form1 window(test.platform);
        addRows(window, 2);
        Propose(window.rows(), 1, u"新"_s);
        QVERIFY(ShowActive(window));

        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&window.listView());
        QVERIFY(list && list->tableInterface());
        QCOMPARE(list->text(QAccessible::Name), u"待修改目录列表"_s);
        QAccessibleInterface* verdict = list->tableInterface()->cellAt(1, 2);
        QVERIFY(verdict);
        QCOMPARE(verdict->text(QAccessible::Name), u"可以修改"_s);
        QAccessibleInterface* count =
            QAccessible::queryAccessibleInterface(label(window, u"Label2"_s));
        QCOMPARE(count->text(QAccessible::Name), u"2"_s);
    }

    void menuTreeAsDesigned()
    {
        TestPlatform test;
        Form1 window(test.platform);
        const auto captions = [](const QList<QAction*>& actions) {
            QStringList result;
            for (QAction* a : actions) {
                result.append(a->objectName() + u'=' + (a->isSeparator() ? u"-"_s : a->text()));
                if (!a->shortcut().isEmpty())
                    result.append(u"shortcut on "_s + a->objectName());
            }
            return result;
        };
        QCOMPARE(
            captions(window.menuBar()->actions()),
            (QStringList{u"menu列表=列表(&L)"_s, u"menu修改=修改(&R)"_s, u"menu帮助=帮助(&H)"_s}));
        QCOMPARE(
            captions(window.listMenu().actions()),
            (QStringList{u"menu添加目录=添加目录"_s, u"tiou987=-"_s, u"menu全选=全选"_s,
                         u"menu移除选中项=移除选中项"_s, u"menu清空=清空"_s, u"menu排序=排序(&O)"_s,
                         u"menu筛选=筛选(&F)"_s, u"menu导出列表=导出列表(&X)…"_s, u"uyhoiu8797=-"_s,
                         u"menu打开修改前目录=打开修改前目录"_s, u"uiyiu9889=-"_s,
                         u"menu退出=退出"_s}));
        QCOMPARE(captions(window.findChild<QMenu*>(u"menu修改"_s)->actions()),
                 (QStringList{u"menu模拟修改=模拟修改"_s, u"menu更多规则=更多规则(&M)…"_s,
                              u"menu编辑新名称=编辑新名称(&E)…"_s, u"menu确认修改=确认修改"_s,
                              u"menu撤销修改=撤销修改(&U)"_s, u"menu修改记录=修改记录(&H)…"_s}));
        QCOMPARE(captions(window.findChild<QMenu*>(u"menu排序"_s)->actions()),
                 (QStringList{u"menu按名称=按名称"_s, u"menu按修改时间=按修改时间"_s,
                              u"menu按加入顺序=按加入顺序"_s, u"menu排序方向分隔=-"_s,
                              u"menu升序=升序"_s, u"menu降序=降序"_s}));
        QCOMPARE(
            captions(window.findChild<QMenu*>(u"menu帮助"_s)->actions()),
            (QStringList{u"menu关于=关于"_s, u"menu最新版本=最新版本"_s, u"menu作者网站=作者网站"_s,
                         u"menu定制软件=定制软件"_s, u"menu右键菜单分隔=-"_s,
                         u"menu右键菜单=加入%1右键菜单"_s.arg(FolderMenu::fileManager()),
                         u"menu界面语言=界面语言(&L)"_s}));
        QCOMPARE(captions(window.findChild<QMenu*>(u"menu作者网站"_s)->actions()),
                 (QStringList{u"menuMorvel网=Morvel网"_s, u"menuMorvel软件=Morvel软件"_s}));
    }

    void helpLinksOpenTheirAddressesAndNothingElse()
    {
        TestPlatform test;
        Form1 window(test.platform);
        addRows(window, 2);
        window.findChild<QMenu*>(u"menu作者网站"_s)->menuAction()->trigger();
        QVERIFY(test.shell.openedAddresses.isEmpty());
        for (const QString& name :
             {u"menu最新版本"_s, u"menuMorvel网"_s, u"menuMorvel软件"_s, u"menu定制软件"_s}) {
            action(window, name)->trigger();
        }
        action(window, u"menu最新版本"_s)->trigger();
        QCOMPARE(test.shell.openedAddresses,
                 (QStringList{u"http://www.morvelsoft.com/Quillor/"_s, u"http://www.morvel.net"_s,
                              u"http://www.morvelsoft.com"_s,
                              u"http://www.morvelsoft.com/softmake.htm"_s,
                              u"http://www.morvelsoft.com/Quillor/"_s}));
        QCOMPARE(window.rows().count(), 2);
    }

    // The user's own entry comes and goes at the user's word; the installer's is left alone.
    void folderMenuItemAddsAndRemovesTheUsersEntry()
    {
        TestPlatform test;
        Form1 window(test.platform);
        QAction* item = action(window, u"menu右键菜单"_s);
        item->trigger();
        QCOMPARE(test.shell.folderMenu, FolderMenu::State::Present);
        QVERIFY(test.messageBoxes.shown.last().text.startsWith(u"已加入"_s));
        QCOMPARE(item->text(), u"从%1右键菜单移除"_s.arg(FolderMenu::fileManager()));
        test.shell.folderMenuSucceeds = false;
        item->trigger();
        QCOMPARE(test.messageBoxes.shown.last().text,
                 u"无法从%1右键菜单移除。"_s.arg(FolderMenu::fileManager()));
        QCOMPARE(test.shell.folderMenu, FolderMenu::State::Present);

        test.shell.folderMenu = FolderMenu::State::ForEveryone;
        Form1 installed(test.platform);
        QAction* installedItem = action(installed, u"menu右键菜单"_s);
        Q_EMIT qobject_cast<QMenu*>(installedItem->associatedObjects().constFirst())->aboutToShow();
        QVERIFY(!installedItem->isVisible());
    }

    void rightButtonPopsUpTheListMenuAlsoOverEmptySpace()
    {
        TestPlatform test;
        Form1 window(test.platform);
        addRows(window, 1);
        QVERIFY(ShowActive(window));
        QWidget* viewport = window.listView().viewport();
        for (const QPoint& at : {QPoint(50, 300), QPoint(50, 5)}) {
            QTest::mousePress(viewport, Qt::RightButton, {}, at);
            QTRY_VERIFY(window.listMenu().isVisible());
            window.listMenu().hide();
            QTest::mouseRelease(viewport, Qt::RightButton, {}, at);
        }
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(50, 300));
        QVERIFY(!window.listMenu().isVisible());
    }

    void pointingAtARowShowsItsPath()
    {
        TestPlatform test;
        Form1 window(test.platform);
        addRows(window, 2);
        QVERIFY(ShowActive(window));
        DirectoryListView& list = window.listView();
        QLabel* panel = label(window, u"StatusBar1Panel2"_s);
        QTest::mouseMove(list.viewport(), list.visualRect(window.rows().index(1, 0)).center());
        QTRY_COMPARE(panel->text(), u"/p/r1"_s);
        QTest::mouseMove(list.viewport(), QPoint(50, 300)); // empty space keeps the text
        QCOMPARE(panel->text(), u"/p/r1"_s);
        QTest::mouseMove(list.viewport(), list.visualRect(window.rows().index(0, 0)).center());
        QTRY_COMPARE(panel->text(), u"/p/r0"_s);
    }

    void inPlaceEditingIsRefused()
    {
        TestPlatform test;
        Form1 window(test.platform);
        addRows(window, 1);
        QVERIFY(ShowActive(window));
        DirectoryListView& list = window.listView();
        const QModelIndex first = window.rows().index(0, 0);
        list.setCurrentIndex(first);
        QTest::keyClick(&list, Qt::Key_F2);
        static_cast<QAbstractItemView&>(list).edit(first);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(first).center());
        QVERIFY(!list.indexWidget(first));
        QVERIFY(!list.findChild<QLineEdit*>());
        QVERIFY(!(window.rows().flags(first) & Qt::ItemIsEditable));
        QCOMPARE(window.rows().row(0).name(), u"r0"_s);
    }

    void removeSelectedKeepsTheOthersInOrder()
    {
        TestPlatform test;
        Form1 window(test.platform);
        addRows(window, 6);
        selectRows(window, {1, 2, 4});
        action(window, u"menu移除选中项"_s)->trigger();
        QCOMPARE(names(window), (QStringList{u"r0"_s, u"r3"_s, u"r5"_s}));
        QCOMPARE(label(window, u"Label2"_s)->text(), u"3"_s);
        // Removed keys can come back.
        QVERIFY(window.rows().append(u"/p/r1"_s, u"/p"_s));

        action(window, u"menu移除选中项"_s)->trigger(); // nothing selected
        QCOMPARE(window.rows().count(), 4);
        QCOMPARE(label(window, u"Label2"_s)->text(), u"4"_s);

        action(window, u"menu全选"_s)->trigger();
        QCOMPARE(label(window, u"Label2"_s)->text(), u"4"_s);
        action(window, u"menu移除选中项"_s)->trigger();
        QCOMPARE(window.rows().count(), 0);
        QCOMPARE(label(window, u"Label2"_s)->text(), u"0"_s);
        action(window, u"menu全选"_s)->trigger(); // on an empty list
        QVERIFY(window.listView().selectionModel()->selection().isEmpty());
    }

    // The one-pass removal against the plain front-to-back walk, on random selections.
    void removeSelectedMatchesTheStraightforwardWalk()
    {
        QRandomGenerator random(7);
        for (int round = 0; round < 200; ++round) {
            TestPlatform test;
            Form1 window(test.platform);
            const int n = random.bounded(40);
            addRows(window, n);
            QList<int> chosen;
            const bool block = random.bounded(3) == 0; // adjacent rows, removed as one range
            const int first = n > 0 ? random.bounded(n) : 0;
            for (int r = 0; r < n; ++r) {
                if (block ? r >= first && r < first + 5 : random.bounded(3) == 0)
                    chosen.append(r);
            }
            const QStringList before = names(window);
            selectRows(window, chosen);
            if (n > 0)
                window.listView().selectionModel()->setCurrentIndex(
                    window.rows().index(random.bounded(n), 0), QItemSelectionModel::NoUpdate);
            const int current = window.currentRow();
            const QString currentKey = current >= 0 ? window.rows().row(current).key : QString();

            QStringList expected = names(window);
            QList<bool> selected(n, false);
            for (int r : chosen)
                selected[r] = true;
            for (int position = 0; position < expected.size();) {
                if (selected[position]) {
                    expected.removeAt(position);
                    selected.removeAt(position);
                } else {
                    ++position;
                }
            }

            window.removeSelected();
            QCOMPARE(names(window), expected);
            QCOMPARE(label(window, u"Label2"_s)->text(), QString::number(expected.size()));
            for (const QString& name : before) // a removed folder can be added again
                QCOMPARE(window.rows().containsKey(u"/p/"_s + name), expected.contains(name));
            if (current >= 0 && !chosen.contains(current))
                QCOMPARE(window.rows().row(window.currentRow()).key, currentKey);
        }
    }

    void selectAllKeepsAndAddsToTheSelection()
    {
        TestPlatform test;
        Form1 window(test.platform);
        addRows(window, 5);
        selectRows(window, {3});
        action(window, u"menu全选"_s)->trigger();
        QCOMPARE(window.listView().selectionModel()->selectedRows().size(), 5);
    }

    // Under a filter the list shows only its rows, 全选 then 移除选中项 removes only those, and
    // F3 goes to the first shown row that cannot be renamed.
    void filtersShowTheirRowsAndRemoveOnlyThose_data()
    {
        QTest::addColumn<RowFilter>("filter");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("将修改") << RowFilter::WillChange << QString()
                                << QStringList{u"r0"_s, u"r2"_s};
        QTest::newRow("不会修改") << RowFilter::WontChange << QString()
                                  << QStringList{u"r1"_s, u"r3"_s, u"r4"_s};
        QTest::newRow("出错, not the unchanged")
            << RowFilter::Problems << QString() << QStringList{u"r1"_s, u"r4"_s};
        QTest::newRow("new name, any case")
            << RowFilter::Containing << u"NEW"_s << QStringList{u"r2"_s};
        QTest::newRow("a numeral's other case")
            << RowFilter::Containing << u"ⅱ"_s << QStringList{u"r2"_s};
    }
    void filtersShowTheirRowsAndRemoveOnlyThose()
    {
        QFETCH(RowFilter, filter);
        QFETCH(QString, text);
        QFETCH(QStringList, shown);
        using Outcome = Verdict::Outcome;
        TestPlatform test;
        Form1 window(test.platform);
        addRows(window, 5);
        std::vector<ChangedRow> verdicts;
        for (const auto& [r, outcome] : {std::pair{0, Outcome::CanRename},
                                         {1, Outcome::FolderExists},
                                         {2, Outcome::CanRename},
                                         {3, Outcome::SameName},
                                         {4, Outcome::Failed}}) {
            verdicts.push_back(
                {r, ChangedRow::Proposal, Verdict{outcome, {}}, r == 2 ? u"new Ⅱ"_s : u"x"_s, {}});
        }
        window.rows().hold()->takeOver(verdicts);

        window.filterRows(filter, text);
        QStringList seen;
        for (int i = 0; i < window.listView().model()->rowCount(); ++i)
            seen.append(window.listView().model()->index(i, 0).data().toString());
        QCOMPARE(seen, shown);
        const bool problemShown = shown.contains(u"r1"_s) || shown.contains(u"r4"_s);
        QCOMPARE(window.goToProblem(true), problemShown);
        if (problemShown)
            QCOMPARE(window.currentRow(), shown.contains(u"r1"_s) ? 1 : 4);
        action(window, u"menu全选"_s)->trigger();
        action(window, u"menu移除选中项"_s)->trigger();
        window.filterRows(RowFilter::All);
        QCOMPARE(window.listView().model(), &window.rows());
        QCOMPARE(names(window).size() + shown.size(), 5);
        for (const QString& name : shown)
            QVERIFY(!names(window).contains(name));

        // A row whose verdict changes under the filter comes into it.
        window.filterRows(filter, text);
        QCOMPARE(window.listView().model()->rowCount(), 0);
        const Outcome entering = filter == RowFilter::WontChange ? Outcome::SameName
                                 : filter == RowFilter::Problems ? Outcome::Failed
                                                                 : Outcome::CanRename;
        Propose(window.rows(), 0, u"new Ⅱ0"_s, Verdict{entering, {}});
        QTRY_COMPARE(window.listView().model()->rowCount(), 1);
    }

    void clearAndDuplicates()
    {
        TestPlatform test;
        Form1 window(test.platform);
        addRows(window, 3);
        QVERIFY(!window.rows().append(u"/p/r1"_s, u"/q"_s));
        QCOMPARE(window.rows().count(), 3);
        action(window, u"menu清空"_s)->trigger();
        QCOMPARE(window.rows().count(), 0);
        QCOMPARE(label(window, u"Label2"_s)->text(), u"0"_s);
        action(window, u"menu清空"_s)->trigger();
        QCOMPARE(label(window, u"Label2"_s)->text(), u"0"_s);
        QVERIFY(window.rows().append(u"/p/r1"_s, u"/p"_s));
    }

    void openTheCurrentRowsDirectory()
    {
        TestPlatform test;
        Form1 window(test.platform);
        addRows(window, 3);
        action(window, u"menu打开修改前目录"_s)->trigger();
        QVERIFY(test.shell.openedPaths.isEmpty());
        window.listView().setCurrentIndex(window.rows().index(2, 0));
        action(window, u"menu打开修改前目录"_s)->trigger();
        QCOMPARE(test.shell.openedPaths, QStringList{u"/p/r2"_s});
        // The current row stays on its row when rows before it go.
        selectRows(window, {0});
        window.listView().selectionModel()->select(
            window.rows().index(2, 0), QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        action(window, u"menu移除选中项"_s)->trigger();
        action(window, u"menu打开修改前目录"_s)->trigger();
        QCOMPARE(test.shell.openedPaths, (QStringList{u"/p/r2"_s, u"/p/r2"_s}));
    }

    void exitAndCloseEndTheProgramWithoutAQuestion()
    {
        for (const bool byMenu : {true, false}) {
            TestPlatform test;
            Form1 window(test.platform);
            addRows(window, 2);
            QVERIFY(ShowActive(window));
            QTimer::singleShot(0, &window, [&] {
                if (byMenu)
                    action(window, u"menu退出"_s)->trigger();
                else
                    window.close();
            });
            QTimer watchdog;
            watchdog.setSingleShot(true);
            connect(&watchdog, &QTimer::timeout, qApp, [] { QApplication::exit(99); });
            watchdog.start(5000);
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY(!window.isVisible());
            QVERIFY(test.messageBoxes.shown.isEmpty());
        }
    }
};

FBR_TEST_MAIN(TestForm1)
#include "tst_form1.moc"
