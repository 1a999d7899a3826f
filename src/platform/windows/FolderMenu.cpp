#include "platform/FolderMenu.h"

#include <QCoreApplication>
#include <QDir>

#include <windows.h>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FolderMenu)
};

const QString verb = u"FolderBatchRename"_s;
const QString ownClasses = u"Software\\Classes"_s;

QString onFolders(const QString& classes)
{
    return classes + u"\\Directory\\shell\\"_s + verb;
}

QString onBackground(const QString& classes)
{
    return classes + u"\\Directory\\Background\\shell\\"_s + verb;
}

bool keyExists(HKEY root, const QString& path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path.toStdWString().c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) !=
        ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

bool writeKey(const QString& path, const QList<std::pair<QString, QString>>& values)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, path.toStdWString().c_str(), 0, nullptr, 0,
                          KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    bool written = true;
    for (const auto& [name, value] : values) {
        const std::wstring text = value.toStdWString();
        written = written &&
                  ::RegSetValueExW(key, name.isEmpty() ? nullptr : name.toStdWString().c_str(), 0,
                                   REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                   DWORD((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    }
    ::RegCloseKey(key);
    return written;
}

bool deleteTree(const QString& path)
{
    const LONG result = ::RegDeleteTreeW(HKEY_CURRENT_USER, path.toStdWString().c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

} // namespace

FolderMenu::FolderMenu(QString program, QString place)
    : m_program(QDir::toNativeSeparators(program)),
      m_place(place.isEmpty() ? ownClasses : std::move(place))
{}

FolderMenu::State FolderMenu::state() const
{
    if (keyExists(HKEY_CURRENT_USER, onFolders(m_place) + u"\\command"_s))
        return State::Present;
    // The installer's entry, in the machine's classes, stands for every user's own.
    return m_place == ownClasses && keyExists(HKEY_LOCAL_MACHINE, onFolders(ownClasses))
               ? State::ForEveryone
               : State::Absent;
}

bool FolderMenu::add()
{
    const QString program = u'"' + m_program + u'"';
    const QString title = Texts::tr("批量修改文件夹名称");
    const QString icon = program + u",0"_s;
    // Explorer starts the entry once per selected folder (up to a hundred with "Player");
    // --gather makes those starts one window.
    const bool added =
        writeKey(onFolders(m_place),
                 {{QString(), title}, {u"Icon"_s, icon}, {u"MultiSelectModel"_s, u"Player"_s}}) &&
        writeKey(onFolders(m_place) + u"\\command"_s,
                 {{QString(), program + u" --gather -- \"%1\""_s}}) &&
        writeKey(onBackground(m_place), {{QString(), title}, {u"Icon"_s, icon}}) &&
        writeKey(onBackground(m_place) + u"\\command"_s,
                 {{QString(), program + u" --subfolders -- \"%V\""_s}});
    if (!added)
        remove(); // never half an entry
    return added;
}

bool FolderMenu::remove()
{
    return deleteTree(onFolders(m_place)) && deleteTree(onBackground(m_place));
}

QString FolderMenu::fileManager()
{
    return Texts::tr("资源管理器");
}

QString FolderMenu::howToReach()
{
    return Texts::tr("在文件夹上或文件夹的空白处点右键，选择“批量修改文件夹名称”（Windows 11 "
                     "中在“显示更多选项”里）。");
}
