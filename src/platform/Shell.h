#pragma once

#include "FolderMenu.h"

#include <QString>

// The desktop shell: what the program hands to other programs.
class Shell
{
public:
    virtual ~Shell() = default;

    // Opens a local folder or file with the desktop's default handler (a folder in the file
    // manager). Failures are the caller's to ignore.
    virtual bool openLocalPath(const QString& path) = 0;
    // Opens a web address in the desktop's default web browser.
    virtual bool openWebAddress(const QString& address) = 0;
    // Opens a text file in the user's text editor, without waiting for it.
    virtual bool editTextFile(const QString& path) = 0;
    // Starts a program from its full path without waiting for it.
    virtual bool startProgram(const QString& program) = 0;
    // The file manager's right-click entry that starts this program, for this user.
    virtual FolderMenu::State folderMenuState() = 0;
    virtual bool setFolderMenu(bool present) = 0;
};
