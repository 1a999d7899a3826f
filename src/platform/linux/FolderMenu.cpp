#include "platform/FolderMenu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FolderMenu)
};

const QString entryFile = u"kio/servicemenus/folder-batch-rename.desktop"_s;

// A desktop entry's Exec argument: quoted, with the characters quoting reserves escaped, and
// then the backslashes of that escaped again, as the entry's string values require.
QString execArgument(const QString& program)
{
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted.replace(u'\\', u"\\\\"_s).replace(u'%', u"%%"_s);
    return u'"' + quoted + u'"';
}

} // namespace

FolderMenu::FolderMenu(QString program, QString place)
    : m_program(std::move(program)),
      m_place(place.isEmpty()
                  ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                  : std::move(place))
{}

// KDE's file manager reads this user's service menus before the system's: the user's entry
// stands in for the package's of the same name.
FolderMenu::State FolderMenu::state() const
{
    if (QFile::exists(m_place + u'/' + entryFile))
        return State::Present;
    const QString installed =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, entryFile);
    return !installed.isEmpty() && !installed.startsWith(m_place + u'/') ? State::ForEveryone
                                                                         : State::Absent;
}

bool FolderMenu::add()
{
    QSaveFile file(m_place + u'/' + entryFile);
    if (!QDir().mkpath(m_place + u"/kio/servicemenus"_s) || !file.open(QIODevice::WriteOnly))
        return false;
    QFile packaged(u":/data/folder-batch-rename-servicemenu.desktop"_s);
    if (!packaged.open(QIODevice::ReadOnly))
        return false;
    // The package's entry, started as this very program.
    QString entry = QString::fromUtf8(packaged.readAll());
    entry.replace(u"\nExec=folder-batch-rename "_s, u"\nExec=%1 "_s.arg(execArgument(m_program)));
    file.write(entry.toUtf8());
    // A service menu of the user's own runs only when it may be executed.
    return file.commit() &&
           QFile::setPermissions(m_place + u'/' + entryFile,
                                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                     QFile::ReadGroup | QFile::ReadOther);
}

bool FolderMenu::remove()
{
    const QString path = m_place + u'/' + entryFile;
    return !QFile::exists(path) || QFile::remove(path);
}

QString FolderMenu::fileManager()
{
    return Texts::tr("文件管理器");
}

QString FolderMenu::howToReach()
{
    return Texts::tr("在 Dolphin 中，在文件夹上或文件夹的空白处点右键，选择“批量修改文件夹名称”。");
}
