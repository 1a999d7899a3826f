#pragma once

#include <QString>

// The file manager's right-click entry "批量修改文件夹名称" on folders (which opens them in one
// window) and on a folder's background (which lists its subfolders), for this user only. Each
// platform's folder implements it.
class FolderMenu
{
public:
    enum class State {
        ForEveryone, // installed with the program for every user: not this user's to change
        Absent,
        Present,
    };

    // The program the entry starts; the entries go where this user's own go, unless a test
    // gives another place (a registry key below the user's, a folder).
    explicit FolderMenu(QString program, QString place = {});

    State state() const;
    bool add();
    bool remove();

    // The file manager's name as users know it, and where its users find the entry.
    static QString fileManager();
    static QString howToReach();

private:
    QString m_program;
    QString m_place;
};
