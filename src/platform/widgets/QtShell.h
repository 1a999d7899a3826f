#pragma once

#include "platform/Shell.h"

#include <QCoreApplication>
#include <QUrl>

// The desktop's default handlers, through Qt.
class QtShell : public Shell
{
public:
    bool openLocalPath(const QString& path) override;
    bool openWebAddress(const QString& address) override;
    bool editTextFile(const QString& path) override;
    bool startProgram(const QString& program) override;
    FolderMenu::State folderMenuState() override { return m_folderMenu.state(); }
    bool setFolderMenu(bool present) override
    {
        return present ? m_folderMenu.add() : m_folderMenu.remove();
    }

private:
    FolderMenu m_folderMenu{QCoreApplication::applicationFilePath()};
};

// A local path as a file URL. "//name" (a folder below the root, as rows join it) is "/name",
// not a network host.
QUrl LocalPathUrl(const QString& path);
