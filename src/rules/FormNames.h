#pragma once

#include "NameEdits.h"
#include "platform/ChineseText.h"

#include <QDateTime>
#include <QDialog>

#include <optional>

class DirectoryListModel;
class FileSystem;
class PassRunner;
class Settings;
class Shell;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;

// New names written by hand, for every row of the list or the selected ones: a table whose
// new-name cells are edited in place, as in a spreadsheet, and the same names as plain text, a
// line a row, to edit freely or to paste a column into. "模拟修改" runs the preview with them,
// a planned batch.
class FormNames : public QDialog
{
    Q_OBJECT

public:
    // The table: NameEdits::tableMadeAway, or tableOf for a few rows.
    FormNames(QWidget* parent, DirectoryListModel& rows, NameEdits::Table table,
              FileSystem& fileSystem, PassRunner& passes, Settings& settings, Shell& shell);
    ~FormNames() override;

    // Command1: the preview pass; closes the dialog once the pass has run to its end.
    void simulate();
    // New names from a list exported as CSV and edited in a spreadsheet, read in the encoding
    // given or the one its bytes suggest.
    void importFile(const QString& path, std::optional<TextEncoding> encoding = std::nullopt);

protected:
    bool event(QEvent* event) override;

private:
    void createControls();
    void editOutside();
    void pageChosen(int page);
    void showNamesAsText();
    // The text page's lines as the new names; false, saying why, where their count is not
    // the rows'.
    bool applyText();
    void moveDownAfterEdit();

    DirectoryListModel& m_rows;
    PassRunner& m_passes;
    FileSystem& m_fileSystem;
    Settings& m_settings;
    Shell& m_shell;
    NameEdits* m_edits = nullptr;

    QTabWidget* tabPages = nullptr;
    QTableView* tableNames = nullptr;
    QPlainTextEdit* textNames = nullptr;
    QLabel* labelProblem = nullptr;
    QComboBox* comboEncoding = nullptr;
    QPushButton* Command1 = nullptr;
    int m_shownPage = 0;
    QString m_source;       // where the names came from, when not typed
    QString m_importedFile; // read again in another encoding, when the user picks one
    QString m_outsideFile;  // the lines as the user's editor has them, read back on return
    QDateTime m_outsideWritten;
};
