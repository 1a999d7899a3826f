// Renders the pictures in docs/ from the real windows over a real folder tree.
//   make_screenshots <output folder> [<empty folder for the tree, as a user's own>]
//   make_screenshots --language <zh_CN|zh_TW|en|system> <output folder> [<empty folder>]: the
//   main window in that language (or the system's) only.

#include "about/frmAbout.h"
#include "collect/DirListBox.h"
#include "collect/FormAdd.h"
#include "common/InterfaceLanguage.h"
#include "mainwindow/ApplicationSetup.h"
#include "mainwindow/DirectoryListView.h"
#include "mainwindow/Form1.h"
#include "platform/Platform.h"
#include "platform/ProgramEnd.h"
#include "platform/widgets/QtMessageBoxes.h"
#include "rename/FormHistory.h"
#include "rows/DirectoryListModel.h"
#include "rows/FilteredRows.h"
#include "rules/FormNames.h"
#include "rules/FormRename.h"
#include "rules/FormRules.h"
#include "support/TestPlatform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

QImage grab(QWidget& widget)
{
    widget.show();
    QApplication::processEvents();
    return widget.grab().toImage();
}

// A window's picture under a title bar of our own, as the desktop would frame it.
QImage framed(QWidget& widget)
{
    const QImage content = grab(widget);
    const qreal ratio = content.devicePixelRatio();
    const int titleHeight = int(26 * ratio);
    QImage image(content.width() + int(2 * ratio), content.height() + titleHeight + int(ratio),
                 QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(0x3c, 0x5a, 0x8c));
    QPainter painter(&image);
    painter.setPen(Qt::white);
    QFont font = QApplication::font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(8, 0, content.width() / ratio - 40, 26), Qt::AlignVCenter,
                     widget.windowTitle());
    painter.drawText(QRectF(content.width() / ratio - 26, 0, 24, 26), Qt::AlignCenter, u"✕"_s);
    painter.drawImage(QPointF(1, 26), content);
    return image;
}

// The window with a dialog in its middle, both framed, the dialog casting a shadow.
QImage withDialogOver(QWidget& window, QWidget& dialog)
{
    QImage picture = framed(window);
    const QImage dialogPicture = framed(dialog);
    QPainter painter(&picture);
    const qreal ratio = picture.devicePixelRatio();
    const QPointF corner((picture.width() - dialogPicture.width()) / 2.0 / ratio,
                         (picture.height() - dialogPicture.height()) / 2.0 / ratio);
    painter.fillRect(QRectF(corner + QPointF(4, 4), dialogPicture.size() / ratio),
                     QColor(0, 0, 0, 60));
    painter.drawImage(corner, dialogPicture);
    painter.end();
    return picture;
}

void save(const QImage& image, const QString& path)
{
    if (!image.save(path))
        qFatal("cannot write %s", qPrintable(path));
}

// Pictures side by side, each under its caption.
QImage journey(const QList<QPair<QString, QImage>>& steps)
{
    const int gap = 24;
    int width = gap;
    int height = 0;
    for (const auto& step : steps) {
        width += int(step.second.width() / step.second.devicePixelRatio()) + gap;
        height = qMax(height, int(step.second.height() / step.second.devicePixelRatio()));
    }
    QImage image(width, height + 40 + gap, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = QApplication::font();
    font.setPointSize(12);
    painter.setFont(font);
    int x = gap;
    for (int i = 0; i < steps.size(); ++i) {
        const QImage& picture = steps[i].second;
        const int w = int(picture.width() / picture.devicePixelRatio());
        painter.setPen(Qt::black);
        painter.drawText(QRect(x, 4, w, 32), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(i + 1) + u". "_s + steps[i].first);
        painter.drawImage(QPoint(x, 40), picture);
        if (i + 1 < steps.size()) {
            painter.setPen(QPen(QColor(0x2b, 0x6c, 0xb0), 3));
            const int arrowY = 40 + height / 2;
            painter.drawLine(x + w + 4, arrowY, x + w + gap - 4, arrowY);
            painter.drawLine(x + w + gap - 10, arrowY - 6, x + w + gap - 4, arrowY);
            painter.drawLine(x + w + gap - 10, arrowY + 6, x + w + gap - 4, arrowY);
        }
        x += w + gap;
    }
    return image;
}

// The folders the pictures show: in the given folder, or in a temporary one.
class PictureTree
{
public:
    explicit PictureTree(const QString& folder)
        : m_root(folder.isEmpty() ? m_temporary.path() : folder)
    {
        QDir().mkpath(m_root);
    }
    ~PictureTree() { QDir(m_root).removeRecursively(); }

    QString path(const QString& relative) const
    {
        return QDir::toNativeSeparators(m_root + u'/' + relative);
    }
    void makeFolders(const QStringList& relatives) const
    {
        for (const QString& relative : relatives)
            QDir().mkpath(path(relative));
    }

private:
    QTemporaryDir m_temporary;
    QString m_root;
};

// The 模拟修改 dialog's third rule: 旧 replaced with 新.
void ReplaceOldWithNew(FormRename& rename)
{
    rename.findChild<QRadioButton*>(u"Option3"_s)->setChecked(true);
    rename.findChild<QLineEdit*>(u"Text3"_s)->setText(u"旧"_s);
    rename.findChild<QLineEdit*>(u"Text4"_s)->setText(u"新"_s);
}

// The main window after a preview, with the question before the batch over it (real message
// boxes, with Qt's own buttons), in the interface's language.
void renderLanguage(const QString& out, const QString& code, const PictureTree& tree)
{
    tree.makeFolders({u"我的文件夹/旧照片"_s, u"我的文件夹/旧项目"_s, u"我的文件夹/新项目"_s,
                      u"我的文件夹/文档"_s, u"我的文件夹/旧报告"_s});
    TestPlatform test;
    QtMessageBoxes boxes;
    Platform platform{test.fileSystem,  test.shell,  boxes,        test.viewer,
                      test.recordFiles, test.passes, test.settings};
    Form1 window(platform);
    window.move(0, 0);
    QStringList paths;
    for (const QString& name : {u"旧照片"_s, u"旧项目"_s, u"新项目"_s, u"文档"_s, u"旧报告"_s})
        paths.append(tree.path(u"我的文件夹/"_s + name));
    window.addFolders(paths);
    FormRename rename(&window, window.rows(), test.fileSystem, test.passes);
    ReplaceOldWithNew(rename);
    rename.simulate();
    window.show();
    QApplication::processEvents();
    WhenDialogShown([&](QWidget* dialog) {
        save(withDialogOver(window, *dialog), out + u"/language-"_s + code + u".png"_s);
        qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::No)->click();
    });
    window.confirmRename();
}

int run(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SetUpApplication(application);
    if (argc > 3 && argv[1] == std::string_view("--language")) {
        // "system": the system's, as the program picks it.
        InterfaceLanguage language = LanguageOfCode(QString::fromLocal8Bit(argv[2]));
        if (language == InterfaceLanguage::FollowSystem)
            language = LanguageForSystem(QLocale::system().uiLanguages());
        UseLanguage(application, language);
        const QString out = QDir(QString::fromLocal8Bit(argv[3])).absolutePath();
        renderLanguage(out, LanguageCode(language),
                       PictureTree(argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString()));
        return 0;
    }
    const QString out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"docs"_s).absolutePath();
    QDir().mkpath(out);

    const PictureTree tree(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    tree.makeFolders({u"我的文件夹/旧照片"_s, u"我的文件夹/旧项目"_s, u"我的文件夹/新项目"_s,
                      u"我的文件夹/文档"_s, u"我的文件夹/旧报告"_s, u"我的文件夹/音乐 2024"_s});
    const QString start = tree.path(u"我的文件夹"_s);
    QDir::setCurrent(start);

    TestPlatform test;
    Form1 window(test.platform);
    window.move(0, 0);

    FormAdd add(&window, window.rows(), test.fileSystem, test.messageBoxes, test.passes);
    QSignalSpy filled(&add, &FormAdd::listsFilled);
    add.show();
    filled.wait();
    add.directoryList().setListIndex(1);
    const QImage addPicture = framed(add);
    save(addPicture, out + u"/add-dialog.png"_s);
    add.addToList();
    add.hide();

    FormRename rename(&window, window.rows(), test.fileSystem, test.passes);
    ReplaceOldWithNew(rename);
    const QImage renamePicture = framed(rename);
    save(renamePicture, out + u"/rename-dialog.png"_s);
    rename.simulate();

    // Pointing at a row shows its path in the status bar.
    window.show();
    QApplication::processEvents();
    QTest::mouseMove(window.listView().viewport(),
                     window.listView().visualRect(window.rows().index(1, 0)).center());
    QApplication::processEvents();
    const QImage previewPicture = framed(window);
    save(previewPicture, out + u"/main-after-preview.png"_s);

    // One folder vanishes before the rename, so that every kind of outcome shows.
    QDir(tree.path(u"我的文件夹/旧报告"_s)).removeRecursively();
    window.confirmRename();
    const QImage renamedPicture = framed(window);
    save(renamedPicture, out + u"/main-after-rename.png"_s);

    // The undo of that batch.
    window.findChild<QAction*>(u"menu撤销修改"_s)->trigger();
    save(framed(window), out + u"/main-after-undo.png"_s);

    // The history: the batch and its undo.
    {
        WhenDialogShown(
            [&](QWidget* dialog) {
                auto& history = *static_cast<FormHistory*>(dialog);
                history.select(1);
                QApplication::processEvents();
                save(framed(history), out + u"/history-dialog.png"_s);
                history.reject();
            },
            [](QWidget* dialog) {
                auto* history = qobject_cast<FormHistory*>(dialog);
                return history && history->history().size() >= 2;
            });
        window.findChild<QAction*>(u"menu修改记录"_s)->trigger();
    }

    // Rules made of steps: old archives' folders numbered in name order, their names cleaned
    // and converted to simplified Chinese, with the table that follows the typing.
    {
        tree.makeFolders({u"旧相册/【备份】第10集"_s, u"旧相册/【备份】第2集"_s,
                          u"旧相册/（副本）電影筆記"_s, u"旧相册/ＤＶＤ　１"_s,
                          u"旧相册/舊照片 (2019)"_s});
        Form1 steps(test.platform);
        steps.move(0, 0);
        const QString album = tree.path(u"旧相册"_s);
        QStringList folders;
        for (const QString& name : QDir(album).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            folders << QDir(album).filePath(name);
        steps.addFolders(folders);
        steps.sortRows(RowOrder::ByName);
        FormRules rules(&steps, steps.rows(), test.fileSystem, test.passes, test.settings);
        QEventLoop computing; // the table's names come from a worker
        QObject::connect(&rules, &FormRules::previewShown, &computing, &QEventLoop::quit);
        rules.setSteps(QJsonDocument::fromJson(R"([
            {"step":"remove","brackets":"【（(","trim":true},
            {"step":"halfWidth"},
            {"step":"chinese","to":"simplified"},
            {"step":"number","start":1,"increment":1,"width":0,"place":"before","separator":"_"}
        ])")
                           .array());
        computing.exec();
        rules.findChild<QListWidget*>(u"listSteps"_s)->setCurrentRow(3);
        save(framed(rules), out + u"/rules-dialog.png"_s);
        rules.simulate();
        steps.show();
        QApplication::processEvents();
        save(framed(steps), out + u"/main-after-rules.png"_s);
        steps.hide();
    }

    // Downloads whose quality tags, once removed, leave names that clash: marked in the table
    // while the user types; then, after the preview, only the rows that cannot be renamed.
    {
        QStringList paths;
        for (const QString& name :
             {u"电影 1080P"_s, u"电影 720P"_s, u"电影 HD"_s, u"纪录片 1080P"_s, u"纪录片"_s,
              u"综艺 第1期 HD"_s, u"综艺 第2期 HD"_s, u"动画 720P"_s, u"音乐会 HD"_s}) {
            tree.makeFolders({u"下载/"_s + name});
            paths.append(tree.path(u"下载/"_s + name));
        }
        Form1 list(test.platform);
        list.move(0, 0);
        list.addFolders(paths);
        list.sortRows(RowOrder::ByName);
        FormRules rules(&list, list.rows(), test.fileSystem, test.passes, test.settings);
        QEventLoop computing;
        QObject::connect(&rules, &FormRules::previewShown, &computing, &QEventLoop::quit);
        rules.setSteps(
            QJsonDocument::fromJson(
                R"json([{"step":"regex","pattern":" ?(1080P|720P|HD)","replaceWith":""}])json")
                .array());
        computing.exec();
        save(framed(rules), out + u"/rules-dialog-clashes.png"_s);
        rules.simulate();
        list.filterRows(RowFilter::Problems);
        list.show();
        list.goToProblem(true);
        QApplication::processEvents();
        save(framed(list), out + u"/main-filter.png"_s);
        list.hide();
    }

    // Episodes named in Chinese numerals, added shuffled: in episode order by name, and
    // previewed in two digits by a step list.
    {
        const QStringList numerals{u"一"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s,   u"六"_s,
                                   u"七"_s, u"八"_s, u"九"_s, u"十"_s, u"十一"_s, u"十二"_s};
        QStringList paths;
        for (const int i : {7, 2, 11, 0, 9, 4, 1, 10, 6, 3, 8, 5}) {
            tree.makeFolders({u"剧集/第%1集"_s.arg(numerals[i])});
            paths.append(tree.path(u"剧集/第%1集"_s.arg(numerals[i])));
        }
        Form1 episodes(test.platform);
        episodes.move(0, 0);
        episodes.addFolders(paths);
        episodes.sortRows(RowOrder::ByName);
        FormRules rules(&episodes, episodes.rows(), test.fileSystem, test.passes, test.settings);
        rules.setSteps(QJsonDocument::fromJson(
                           R"([{"step":"numerals","to":"digits"},{"step":"pad","width":2}])")
                           .array());
        rules.simulate();
        episodes.show();
        QApplication::processEvents();
        save(framed(episodes), out + u"/main-episodes.png"_s);
        episodes.confirmRename();
        episodes.hide();
    }

    // The name editor: names typed in its table, then the same names as text.
    {
        tree.makeFolders(
            {u"季度报告/一月"_s, u"季度报告/二月"_s, u"季度报告/三月"_s, u"季度报告/四月"_s});
        Form1 list(test.platform);
        const QString reports = tree.path(u"季度报告"_s);
        list.addFolders({reports + u"/一月"_s, reports + u"/二月"_s, reports + u"/三月"_s,
                         reports + u"/四月"_s});
        FormNames names(&list, list.rows(), NameEdits::tableOf(list.rows(), {0, 1, 2, 3}),
                        test.fileSystem, test.passes, test.settings, test.shell);
        names.resize(640, 300);
        auto* table = names.findChild<QTableView*>(u"tableNames"_s);
        const QStringList typed{u"2024-01 一月"_s, u"2024-02 二月"_s, u"2024-02 二月"_s};
        for (int row = 0; row < typed.size(); ++row)
            table->model()->setData(table->model()->index(row, 1), typed[row]);
        save(framed(names), out + u"/names-dialog.png"_s);
        // Then names from a list edited in a spreadsheet and saved, as Chinese Excel does, in GBK.
        QString csv = u"路径,原名称,新名称\r\n"_s;
        for (const QString& month : {u"一月"_s, u"二月"_s, u"三月"_s, u"四月"_s})
            csv += u"%1/%2,%2,2024年%2 销售报告\r\n"_s.arg(reports, month);
        QFile file(tree.path(u"季度报告.csv"_s));
        if (file.open(QIODevice::WriteOnly))
            file.write(QStringEncoder("GB18030").encode(csv));
        file.close();
        names.importFile(file.fileName());
        names.findChild<QTabWidget*>(u"tabPages"_s)->setCurrentIndex(1);
        save(framed(names), out + u"/names-dialog-text.png"_s);
    }

    // Folders handed over by the file manager or the command line, into a fresh window.
    {
        Form1 fresh(test.platform);
        fresh.move(0, 0);
        fresh.addFolders({tree.path(u"我的文件夹/文档"_s), tree.path(u"我的文件夹/音乐 2024"_s),
                          tree.path(u"我的文件夹/新项目"_s)});
        fresh.show();
        QApplication::processEvents();
        save(framed(fresh), out + u"/main-from-desktop.png"_s);
        fresh.hide();
    }

    // A batch rename on a disk that stopped answering: the progress dialog over the window.
    {
        QStringList photos;
        for (int i = 1; i <= 2000; ++i)
            photos.append(u"照片/%1 年旅行 %2"_s.arg(2000 + i % 25).arg(i, 4, 10, QChar(u'0')));
        tree.makeFolders(photos);
        Form1 slow(test.platform);
        slow.move(0, 0);
        QStringList paths;
        for (const QString& photo : photos)
            paths.append(tree.path(photo));
        slow.addFolders(paths);
        FormRename rule(&slow, slow.rows(), test.fileSystem, test.passes);
        rule.findChild<QLineEdit*>(u"Text1"_s)->setText(u"（已整理）"_s);
        rule.simulate();
        slow.show();
        slow.listView().scrollTo(slow.rows().index(1230, 0));
        test.fileSystem.holdCall(test.fileSystem.folderCalls() + 1234);
        WhenDialogShown([&](QWidget* dialog) {
            auto* waiting = dialog->findChild<QLabel*>(u"waitingLabel"_s);
            QTRY_VERIFY_WITH_TIMEOUT(!waiting->text().isEmpty(), 10000);
            save(withDialogOver(slow, *dialog), out + u"/progress-dialog.png"_s);
            dialog->findChild<QPushButton*>(u"cancelButton"_s)->click();
            test.fileSystem.release();
        });
        slow.confirmRename();
        slow.hide();
    }

    // What the preview foretells: a name two rows propose, a name that stays, a name taken by
    // a folder that stays, and a chain that works in list order; then the batch's counts.
    {
        tree.makeFolders({u"整理/报告"_s, u"整理/报告 - 副本"_s, u"整理/计划 - 副本"_s,
                          u"整理/计划 - 副本 - 副本"_s, u"整理/文档"_s, u"归档/旧_照片"_s,
                          u"归档/照片"_s, u"归档/视频"_s});
        const auto previewOf = [&](Form1& list, const QStringList& folders,
                                   const std::function<void(FormRename&)>& setRule) {
            list.move(0, 0);
            QStringList paths;
            for (const QString& folder : folders)
                paths.append(tree.path(folder));
            list.addFolders(paths);
            FormRename rule(&list, list.rows(), test.fileSystem, test.passes);
            setRule(rule);
            rule.simulate();
            list.listView().setCurrentIndex(list.rows().index(2, 0));
            return framed(list);
        };
        Form1 copies(test.platform);
        const QImage copiesPicture =
            previewOf(copies,
                      {u"整理/计划 - 副本"_s, u"整理/报告 - 副本"_s, u"整理/计划 - 副本 - 副本"_s,
                       u"整理/报告"_s, u"整理/文档"_s},
                      [](FormRename& rule) {
                          rule.findChild<QRadioButton*>(u"Option3"_s)->setChecked(true);
                          rule.findChild<QLineEdit*>(u"Text3"_s)->setText(u" - 副本"_s);
                      });
        Form1 chain(test.platform);
        const QImage chainPicture = previewOf(
            chain, {u"归档/旧_照片"_s, u"归档/照片"_s, u"归档/视频"_s}, [](FormRename& rule) {
                rule.findChild<QRadioButton*>(u"Option2"_s)->setChecked(true);
                rule.findChild<QLineEdit*>(u"Text2"_s)->setText(u"旧_"_s);
            });
        save(journey(
                 {{u"替换“ - 副本”为空"_s, copiesPicture}, {u"在名称前添加“旧_”"_s, chainPicture}}),
             out + u"/preview-verdicts.png"_s);
        copies.confirmRename();
        QMessageBox counts(QMessageBox::Information, test.messageBoxes.shown.last().title,
                           test.messageBoxes.shown.last().text, QMessageBox::Ok);
        save(framed(counts), out + u"/batch-counts.png"_s);
        copies.hide();
        chain.hide();
    }

    frmAbout about(test.platform, &window);
    save(framed(about), out + u"/about.png"_s);

    save(journey({{u"添加目录"_s, addPicture},
                  {u"模拟修改"_s, renamePicture},
                  {u"预览每一行"_s, previewPicture},
                  {u"确认修改"_s, renamedPicture}}),
         out + u"/journey.png"_s);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    EndProgram(run(argc, argv)); // once the windows and the application are gone
}
