#pragma once

#include "common/FixedDialog.h"

class DirListBox;
class DirectoryListModel;
class FileSystem;
class MessageBoxes;
class PassRunner;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The add-directories dialog: browse the volumes and directories, then append the open
// directory, its immediate subdirectories or both to the rows.
class FormAdd : public FixedDialog
{
    Q_OBJECT

public:
    FormAdd(QWidget* parent, DirectoryListModel& rows, FileSystem& fileSystem,
            MessageBoxes& messageBoxes, PassRunner& passes);
    ~FormAdd() override;

    DirListBox& directoryList() { return *Dir1; }

    // Command1: appends by the option that is on; the dialog stays open.
    void addToList();
    // Drive1: opens the chosen volume (the working directory when it lies on it).
    void openDrive(int index);

Q_SIGNALS:
    // The volumes and the working directory's folders are read, after the first showing.
    void listsFilled();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void fillLists();
    void fillDrives();

    DirectoryListModel& m_rows;
    FileSystem& m_fileSystem;
    MessageBoxes& m_messageBoxes;
    PassRunner& m_passes;
    // As the dialog opened: the working directory and the Drive1 item of its volume.
    QString m_workingDirectory;
    int m_workingDirectoryDrive = -1;
    bool m_fillStarted = false;

    QComboBox* Drive1 = nullptr;
    DirListBox* Dir1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
