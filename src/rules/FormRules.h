#pragma once

#include "NameContexts.h"
#include "RulePresets.h"
#include "rows/Verdict.h"

#include <QDialog>
#include <QJsonArray>
#include <QMap>
#include <QThreadPool>

#include <atomic>
#include <optional>

class DirectoryListModel;
class FileSystem;
class PassRunner;
class Settings;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QTimer;
class StepOptions;

// The dialog of rules made of steps: a list of steps applied in order to each name, the
// selected step's options, and a table of the first rows' new names that follows the typing,
// worked out away from the windows' thread (a user's regex may take its time), the newest
// steps' only. "模拟修改" runs the preview over the whole list with the composed names.
class FormRules : public QDialog
{
    Q_OBJECT

public:
    static constexpr int previewRows = 100;

    FormRules(QWidget* parent, DirectoryListModel& rows, FileSystem& fileSystem, PassRunner& passes,
              Settings& settings);
    ~FormRules() override;

    const QJsonArray& steps() const { return m_steps; }
    void setSteps(const QJsonArray& steps);
    // Command1: the preview pass; closes the dialog once the pass has run to its end.
    void simulate();
    // 模拟修改 with the dialog left open; false when it did not complete.
    bool preview();
    // The table's names now, without waiting for the typing to pause: previewShown() says when
    // they are in the table.
    void refreshPreview();

Q_SIGNALS:
    void previewShown();

private:
    void createControls();
    void showNames(int wanted, const QStringList& names, const QStringList& newNames,
                   const std::vector<Verdict::Outcome>& outcomes);
    void showMarks(const QMap<Verdict::Outcome, int>& marked, int shown);
    void addStep(const QString& kind);
    void removeStep();
    void moveStep(int by);
    void showStep(int position);
    void stepEdited();
    void listPresets();
    void presetChosen(int index);
    void savePreset();
    void deletePreset();
    void exportPresets();
    void importPresets();

    DirectoryListModel& m_rows;
    FileSystem& m_fileSystem;
    PassRunner& m_passes;
    Settings& m_settings;
    QJsonArray m_steps;
    RulePresets m_presets;
    std::optional<NameContexts> m_contexts; // counted when first needed

    QComboBox* comboPresets = nullptr;
    QLineEdit* editPresetName = nullptr;
    QListWidget* listSteps = nullptr;
    QStackedWidget* stackOptions = nullptr;
    std::vector<StepOptions*> m_options; // one page per kind, as RuleStepKinds()
    QLabel* labelProblem = nullptr;
    QTableWidget* tablePreview = nullptr;
    QLabel* labelPreviewCount = nullptr;
    QLabel* labelMarks = nullptr;
    QPushButton* Command1 = nullptr;
    QTimer* m_typingPause = nullptr;
    QTimer* m_stillComputing = nullptr;
    std::atomic<int> m_namesWanted = 0; // the computation whose names the table is to show
    QThreadPool m_namesWorker;          // last: its thread ends before the rest goes
};
