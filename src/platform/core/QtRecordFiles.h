#pragma once

#include "platform/RecordFiles.h"

// Record files in a folder of the disk, by default the user's data folder; a lock is a
// QLockFile beside its file.
class QtRecordFiles : public RecordFiles
{
public:
    explicit QtRecordFiles(QString folder = defaultFolder());

    static QString defaultFolder();
    const QString& folder() const { return m_folder; }

    QStringList list(const QString& suffix) override;
    std::unique_ptr<Lock> lock(const QString& file) override;
    QString lockedOnComputer(const QString& file) override;
    std::unique_ptr<Lock> takeOver(const QString& file) override;
    std::unique_ptr<Appender> create(const QString& file, const QByteArray& text) override;
    bool replace(const QString& file, const QByteArray& text) override;
    std::optional<QByteArray> read(const QString& file) override;
    bool rename(const QString& file, const QString& newName) override;
    void remove(const QString& file) override;

private:
    QString pathOf(const QString& file) const { return m_folder + u'/' + file; }

    QString m_folder;
};
