#include "TestPlatform.h"

#include "collect/DirListBox.h"
#include "collect/FormAdd.h"
#include "platform/PathJoin.h"
#include "rows/DirectoryListModel.h"
#include "rules/RenameRule.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstring>

using namespace Qt::StringLiterals;

bool FakeMessageBoxes::askYesNo(const QString& title, const QString& text)
{
    shown.append({u"ask"_s, title, text});
    if (answerYesTimes >= 0)
        return answerYesTimes-- > 0;
    return answerYes;
}

void FakeMessageBoxes::inform(const QString& title, const QString& text)
{
    shown.append({u"inform"_s, title, text});
}

void FakeMessageBoxes::notify(const QString& title, const QString& text)
{
    shown.append({u"notify"_s, title, text});
}

bool FakeShell::openLocalPath(const QString& path)
{
    openedPaths.append(path);
    return true;
}

bool FakeShell::openWebAddress(const QString& address)
{
    openedAddresses.append(address);
    return true;
}

bool FakeShell::editTextFile(const QString& path)
{
    openedPaths.append(path);
    return true;
}

bool FakeShell::startProgram(const QString& program)
{
    startedPrograms.append(program);
    return startSucceeds;
}

long FakeRegistry::openKey(quint32 root, const QString& keyPath, quint32 access, Handle& key)
{
    key = 0;
    openedKeys.append(keyPath);
    // A standard user may read these keys, not write them (KEY_READ and nothing more).
    constexpr quint32 keyRead = 0x20019;
    if (denyAccess || (access & ~keyRead) != 0)
        return 5; // access denied
    if (root != LocalMachine || !keys.contains(keyPath))
        return ErrorNotFound;
    m_handles.append(keyPath);
    key = Handle(m_handles.size());
    return 0;
}

long FakeRegistry::queryValue(Handle key, const QString& valueName, QByteArray& buffer,
                              quint32& type, quint32& size)
{
    queriedValues.append(valueName);
    if (key == 0 || key > Handle(m_handles.size()))
        return 6; // invalid handle
    const auto values = keys.value(m_handles[int(key) - 1]);
    if (!values.contains(valueName))
        return ErrorNotFound;
    const Value& value = values[valueName];
    if (value.bytes.size() > qsizetype(size) || value.bytes.size() > buffer.size())
        return ErrorMoreData;
    std::memcpy(buffer.data(), value.bytes.constData(), size_t(value.bytes.size()));
    type = value.type;
    size = quint32(value.bytes.size());
    return 0;
}

void FakeRegistry::closeKey(Handle key)
{
    closedHandles.append(key);
}

void Propose(DirectoryListModel& rows, int position, const QString& newName, const Verdict& verdict)
{
    std::vector<ChangedRow> changes{{position, ChangedRow::Proposal, verdict, newName, {}}};
    rows.hold()->takeOver(changes);
}

StepList AppendRule(const QString& text)
{
    RenameRule rule;
    rule.appendText = text;
    return StepList(rule.steps());
}

QStringList KeysOf(const DirectoryListModel& rows)
{
    QStringList keys;
    for (int i = 0; i < rows.count(); ++i)
        keys.append(rows.row(i).key);
    return keys;
}

FolderInfo LookUpFolder(FileSystem& fileSystem, const QString& path)
{
    const FolderLookup found = fileSystem.folderFinder()->lookUp(path);
    if (!found.folder)
        qFatal("no folder at %s", qPrintable(path));
    return *found.folder;
}

std::optional<FileSystemError> RenameFolderAt(FileSystem& fileSystem, const QString& path,
                                              const QString& newName)
{
    const FolderInfo folder = LookUpFolder(fileSystem, path);
    return fileSystem.folderRenamer()->rename(
        ListedFolder{folder.parent, folder.parentId, folder.name, folder.id}, newName);
}

bool ShowActive(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void VerifyNoWindowLeftOpen()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            const QString name = window->objectName();
            window->close();
            QFAIL(qPrintable(u"a window was left open: "_s + name));
        }
    }
}

bool AddDialogFilled(QWidget* dialog)
{
    auto* add = qobject_cast<FormAdd*>(dialog);
    return add && add->directoryList().ListCount() > 0;
}

void WhenDialogShown(std::function<void(QWidget* dialog)> answer,
                     std::function<bool(QWidget* dialog)> ready)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, qApp,
                     [timer, answer = std::move(answer), ready = std::move(ready)] {
                         QWidget* dialog = QApplication::activeModalWidget();
                         if (!dialog || !dialog->isVisible() || !dialog->isActiveWindow() ||
                             (ready && !ready(dialog)))
                             return;
                         timer->stop();
                         timer->deleteLater();
                         answer(dialog);
                         // A failed check must not leave the test waiting on a dialog forever.
                         if (QTest::currentTestFailed() && dialog->isVisible())
                             dialog->close();
                     });
    timer->start();
}
