#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

// Starts of the program that join into one window: a file manager starts a menu's entry once
// per selected folder, and the user means one list. The first start gathers; every start that
// comes while it gathers hands it its folders and ends. Starts are told apart per user and
// logon by the folder they meet in.
class GatheredStarts
{
public:
    explicit GatheredStarts(QString folder = defaultFolder(),
                            std::chrono::milliseconds quiet = std::chrono::milliseconds(1000));

    // Per user and logon; each platform's folder implements it.
    static QString defaultFolder();

    // Nothing once the folders are with a start that gathers; otherwise every folder of the
    // starts that came until none had come for the quiet time, this start's first. Where the
    // starts cannot meet, this start's folders alone: a window of its own, never a lost folder.
    std::optional<QStringList> gather(const QStringList& folders);

private:
    QString m_folder;
    std::chrono::milliseconds m_quiet;
};
