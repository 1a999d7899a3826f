#pragma once

#include "RenameRule.h"
#include "common/FixedDialog.h"

class DirectoryListModel;
class FileSystem;
class PassRunner;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// The rename-rules dialog: pick a rule, type its text, and preview every row's new name.
class FormRename : public FixedDialog
{
    Q_OBJECT

public:
    FormRename(QWidget* parent, DirectoryListModel& rows, FileSystem& fileSystem,
               PassRunner& passes);
    ~FormRename() override;

    // The rule as the controls hold it.
    RenameRule rule() const;
    // Command1: the preview pass; closes the dialog once the pass has run to its end.
    void simulate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();

    DirectoryListModel& m_rows;
    FileSystem& m_fileSystem;
    PassRunner& m_passes;

    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
