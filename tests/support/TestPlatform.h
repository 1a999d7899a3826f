#pragma once

#include "FaultyFileSystem.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/Registry.h"
#include "platform/Settings.h"
#include "platform/Shell.h"
#include "platform/core/QtRecordFiles.h"
#include "platform/core/RegistryViewer.h"
#include "platform/widgets/QtPassRunner.h"
#include "rows/Verdict.h"
#include "rules/StepList.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

class DirectoryListModel;
class QWidget;

// Answers the program's message boxes and remembers what they said.
class FakeMessageBoxes : public MessageBoxes
{
public:
    struct Shown
    {
        QString kind; // "ask", "inform", "notify"
        QString title;
        QString text;
    };

    bool answerYes = true;
    // When not negative: how many more questions get Yes before the rest get No.
    int answerYesTimes = -1;
    QList<Shown> shown;

    bool askYesNo(const QString& title, const QString& text) override;
    void inform(const QString& title, const QString& text) override;
    void notify(const QString& title, const QString& text) override;
};

// Records what would have been handed to other programs.
class FakeShell : public Shell
{
public:
    QStringList openedPaths;
    QStringList openedAddresses;
    QStringList startedPrograms;
    bool startSucceeds = true;
    FolderMenu::State folderMenu = FolderMenu::State::Absent;
    bool folderMenuSucceeds = true;

    bool openLocalPath(const QString& path) override;
    bool openWebAddress(const QString& address) override;
    bool editTextFile(const QString& path) override;
    bool startProgram(const QString& program) override;
    FolderMenu::State folderMenuState() override { return folderMenu; }
    bool setFolderMenu(bool present) override
    {
        if (folderMenuSucceeds)
            folderMenu = present ? FolderMenu::State::Present : FolderMenu::State::Absent;
        return folderMenuSucceeds;
    }
};

// Keys and values set up by a test; counts what is opened and closed.
class FakeRegistry : public Registry
{
public:
    struct Value
    {
        quint32 type = TypeString;
        QByteArray bytes;
    };

    // key path -> value name -> value
    QHash<QString, QHash<QString, Value>> keys;
    QStringList openedKeys;
    QList<Handle> closedHandles;
    QStringList queriedValues;
    bool denyAccess = false;

    long openKey(quint32 root, const QString& keyPath, quint32 access, Handle& key) override;
    long queryValue(Handle key, const QString& valueName, QByteArray& buffer, quint32& type,
                    quint32& size) override;
    void closeKey(Handle key) override;

private:
    QStringList m_handles; // handle n names m_handles[n - 1]
};

// Settings kept in memory for one test, never the user's.
class FakeSettings : public Settings
{
public:
    QHash<Key, QVariant> kept;

    QVariant value(Key key) const override { return kept.value(key, defaultOf(key)); }
    void setValue(Key key, const QVariant& value) override { kept.insert(key, value); }
};

// Everything a window needs, faked where a test must answer or observe.
struct TestPlatform
{
    FaultyFileSystem fileSystem;
    FakeShell shell;
    FakeMessageBoxes messageBoxes;
    FakeRegistry registry;
    RegistryViewer viewer{registry, fileSystem};
    QTemporaryDir recordsFolder;
    // In a folder not made yet, as on a fresh account.
    QtRecordFiles recordFiles{recordsFolder.filePath(QStringLiteral("records"))};
    QtPassRunner passes;
    FakeSettings settings;
    Platform platform{fileSystem, shell, messageBoxes, viewer, recordFiles, passes, settings};
};

// The child of that objectName; a missing one ends the test run, as it is a fault of the test.
template <typename T> T* FindChild(QObject& parent, const QString& name)
{
    T* found = parent.findChild<T*>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

// Gives the row a proposed name and verdict, as a preview does.
void Propose(DirectoryListModel& rows, int position, const QString& newName,
             const Verdict& verdict = Verdict{Verdict::Outcome::CanRename, {}});

// The rule that appends the text to each name.
StepList AppendRule(const QString& text);

// The rows' keys, in list order.
QStringList KeysOf(const DirectoryListModel& rows);

// The folder at the path as a lookup finds it; a missing one ends the test run.
FolderInfo LookUpFolder(FileSystem& fileSystem, const QString& path);

// Renames the folder at the path as the batch does, from a fresh lookup.
std::optional<FileSystemError> RenameFolderAt(FileSystem& fileSystem, const QString& path,
                                              const QString& newName);

// Shows the window and makes it the active one, as a user's click would: on a display without
// a window manager nothing else activates it. False when it did not become active.
bool ShowActive(QWidget& window);

// For each test class's cleanup(): fails the test function that left a window open.
void VerifyNoWindowLeftOpen();

// The add dialog once its lists are read, which it does after it shows.
bool AddDialogFilled(QWidget* dialog);

// Runs `answer` on the next modal dialog once it is shown (exec() blocks the test) and ready.
void WhenDialogShown(std::function<void(QWidget* dialog)> answer,
                     std::function<bool(QWidget* dialog)> ready = {});
