#include "FormRules.h"

#include "ChangedPartDelegate.h"
#include "SimulateRename.h"
#include "StepList.h"
#include "StepOptions.h"
#include "common/NameBytes.h"
#include "common/WindowPlacement.h"
#include "platform/Settings.h"
#include "rows/DirectoryListModel.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

int KindIndex(const QString& kind)
{
    const auto& kinds = RuleStepKinds();
    for (size_t i = 0; i < kinds.size(); ++i) {
        if (kinds[i].key == kind)
            return int(i);
    }
    return -1;
}

QString StepText(int position, const QJsonObject& step)
{
    const StepList one(QJsonArray{step});
    return u"%1. %2"_s.arg(position + 1).arg(one.isEmpty() ? u"?"_s : one.inWords());
}

QPushButton* AddButton(QWidget* parent, QLayout* layout, const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

} // namespace

FormRules::FormRules(QWidget* parent, DirectoryListModel& rows, FileSystem& fileSystem,
                     PassRunner& passes, Settings& settings)
    : QDialog(parent), m_rows(rows), m_fileSystem(fileSystem), m_passes(passes),
      m_settings(settings), m_presets(RulePresets::load(settings))
{
    setObjectName(u"FormRules"_s);
    setWindowTitle(tr("更多规则"));
    setSizeGripEnabled(true);
    createControls();
    listPresets();
    setSteps(m_presets.lastUsed);
    resize(760, 640);
    if (parent)
        PlaceBeside(*this, *parent->window(),
                    m_settings.value(Settings::Key::RulesDialogPlace).toRect());
}

FormRules::~FormRules()
{
    m_settings.setValue(Settings::Key::RulesDialogPlace, geometry());
    ++m_namesWanted; // a computation under way stops at its next name
    m_namesWorker.waitForDone();
}

void FormRules::createControls()
{
    auto* layout = new QVBoxLayout(this);

    auto* presetsRow = new QHBoxLayout;
    auto* presetsLabel = new QLabel(tr("规则方案(&P)："), this);
    presetsRow->addWidget(presetsLabel);
    comboPresets = new QComboBox(this);
    presetsLabel->setBuddy(comboPresets);
    comboPresets->setObjectName(u"comboPresets"_s);
    comboPresets->setAccessibleName(tr("规则方案"));
    comboPresets->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    comboPresets->setMinimumContentsLength(24);
    presetsRow->addWidget(comboPresets, 1);
    editPresetName = new QLineEdit(this);
    editPresetName->setObjectName(u"editPresetName"_s);
    editPresetName->setPlaceholderText(tr("方案名称"));
    editPresetName->setAccessibleName(tr("方案名称"));
    presetsRow->addWidget(editPresetName);
    connect(AddButton(this, presetsRow, u"buttonSavePreset"_s, tr("保存方案(&S)")),
            &QPushButton::clicked, this, &FormRules::savePreset);
    connect(AddButton(this, presetsRow, u"buttonDeletePreset"_s, tr("删除方案(&E)")),
            &QPushButton::clicked, this, &FormRules::deletePreset);
    connect(AddButton(this, presetsRow, u"buttonImport"_s, tr("导入(&I)…")), &QPushButton::clicked,
            this, &FormRules::importPresets);
    connect(AddButton(this, presetsRow, u"buttonExport"_s, tr("导出(&X)…")), &QPushButton::clicked,
            this, &FormRules::exportPresets);
    layout->addLayout(presetsRow);
    connect(comboPresets, &QComboBox::activated, this, &FormRules::presetChosen);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    auto* stepsArea = new QWidget(splitter);
    auto* stepsRow = new QHBoxLayout(stepsArea);
    stepsRow->setContentsMargins(0, 0, 0, 0);
    auto* listColumn = new QVBoxLayout;
    listSteps = new QListWidget(stepsArea);
    listSteps->setObjectName(u"listSteps"_s);
    listSteps->setAccessibleName(tr("规则步骤"));
    listColumn->addWidget(listSteps);
    auto* listButtons = new QHBoxLayout;
    QPushButton* add = AddButton(stepsArea, listButtons, u"buttonAddStep"_s, tr("添加步骤(&N)"));
    auto* kindsMenu = new QMenu(add);
    for (const RuleStepKind& kind : RuleStepKinds()) {
        QAction* action = kindsMenu->addAction(kind.name);
        action->setObjectName(u"add_"_s + kind.key);
        connect(action, &QAction::triggered, this, [this, key = kind.key] { addStep(key); });
    }
    add->setMenu(kindsMenu);
    connect(AddButton(stepsArea, listButtons, u"buttonRemoveStep"_s, tr("删除步骤(&R)")),
            &QPushButton::clicked, this, &FormRules::removeStep);
    connect(AddButton(stepsArea, listButtons, u"buttonUp"_s, tr("上移(&U)")), &QPushButton::clicked,
            this, [this] { moveStep(-1); });
    connect(AddButton(stepsArea, listButtons, u"buttonDown"_s, tr("下移(&D)")),
            &QPushButton::clicked, this, [this] { moveStep(1); });
    listColumn->addLayout(listButtons);
    stepsRow->addLayout(listColumn, 1);

    stackOptions = new QStackedWidget(stepsArea);
    stackOptions->setObjectName(u"stackOptions"_s);
    stackOptions->addWidget(
        new QLabel(tr("用“添加步骤”加入规则，步骤按顺序作用于每个名称。"), stackOptions));
    for (const RuleStepKind& kind : RuleStepKinds()) {
        auto* options = new StepOptions(kind, stackOptions);
        connect(options, &StepOptions::edited, this, &FormRules::stepEdited);
        stackOptions->addWidget(options);
        m_options.push_back(options);
    }
    stepsRow->addWidget(stackOptions, 1);
    connect(listSteps, &QListWidget::currentRowChanged, this, &FormRules::showStep);

    auto* previewArea = new QWidget(splitter);
    auto* previewColumn = new QVBoxLayout(previewArea);
    previewColumn->setContentsMargins(0, 0, 0, 0);
    labelProblem = new QLabel(previewArea);
    labelProblem->setObjectName(u"labelProblem"_s);
    labelProblem->setStyleSheet(u"color: #b00000"_s);
    labelProblem->setWordWrap(true);
    previewColumn->addWidget(labelProblem);
    labelMarks = new QLabel(previewArea);
    labelMarks->setObjectName(u"labelMarks"_s);
    labelMarks->hide();
    previewColumn->addWidget(labelMarks);
    tablePreview = new QTableWidget(0, 3, previewArea);
    tablePreview->setObjectName(u"tablePreview"_s);
    tablePreview->setAccessibleName(tr("新名称预览"));
    tablePreview->setHorizontalHeaderLabels({tr("原名称"), tr("新名称"), tr("可否修改")});
    tablePreview->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tablePreview->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    tablePreview->verticalHeader()->hide();
    tablePreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tablePreview->setSelectionBehavior(QAbstractItemView::SelectRows);
    tablePreview->setItemDelegateForColumn(
        0, new ChangedPartDelegate(ChangedPartDelegate::Shows::OldName, tablePreview));
    tablePreview->setItemDelegateForColumn(
        1, new ChangedPartDelegate(ChangedPartDelegate::Shows::NewName, tablePreview));
    previewColumn->addWidget(tablePreview);
    labelPreviewCount = new QLabel(previewArea);
    labelPreviewCount->setObjectName(u"labelPreviewCount"_s);
    previewColumn->addWidget(labelPreviewCount);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Command1 = AddButton(this, buttons, u"Command1"_s, tr("模拟修改"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &FormRules::simulate);
    // Beyond 模拟修改: the same preview of the list, with the dialog left open.
    connect(AddButton(this, buttons, u"Command3"_s, tr("应用(&A)")), &QPushButton::clicked, this,
            &FormRules::preview);
    connect(AddButton(this, buttons, u"Command2"_s, tr("关闭")), &QPushButton::clicked, this,
            &QDialog::reject);
    layout->addLayout(buttons);

    // The table follows the typing once it pauses, not at every key.
    m_typingPause = new QTimer(this);
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(150);
    connect(m_typingPause, &QTimer::timeout, this, &FormRules::refreshPreview);
    m_stillComputing = new QTimer(this);
    m_stillComputing->setSingleShot(true);
    m_stillComputing->setInterval(200);
    connect(m_stillComputing, &QTimer::timeout, this,
            [this] { labelPreviewCount->setText(tr("计算中…")); });
    m_namesWorker.setMaxThreadCount(1);
}

void FormRules::setSteps(const QJsonArray& steps)
{
    m_steps = StepList::completed(steps);
    const QSignalBlocker quiet(listSteps);
    listSteps->clear();
    for (int i = 0; i < m_steps.size(); ++i)
        listSteps->addItem(StepText(i, m_steps[i].toObject()));
    listSteps->setCurrentRow(m_steps.isEmpty() ? -1 : 0);
    showStep(listSteps->currentRow());
    refreshPreview();
}

void FormRules::addStep(const QString& kind)
{
    const int position = listSteps->currentRow() + 1; // after the selected step
    QJsonArray steps = m_steps;
    const RuleStepKind* made = FindRuleStepKind(kind);
    if (!made)
        return;
    steps.insert(position, made->newStep());
    setSteps(steps);
    listSteps->setCurrentRow(position);
    // Straight into the new step's first option, to type its text or number.
    for (QWidget* option : stackOptions->currentWidget()->findChildren<QWidget*>()) {
        if ((option->focusPolicy() & Qt::TabFocus) && option->isEnabled()) {
            option->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

void FormRules::removeStep()
{
    const int position = listSteps->currentRow();
    if (position < 0)
        return;
    QJsonArray steps = m_steps;
    steps.removeAt(position);
    setSteps(steps);
    listSteps->setCurrentRow(std::min(position, int(steps.size()) - 1));
}

void FormRules::moveStep(int by)
{
    const int from = listSteps->currentRow();
    const int to = from + by;
    if (from < 0 || to < 0 || to >= m_steps.size())
        return;
    QJsonArray steps = m_steps;
    const QJsonValue moved = steps.takeAt(from);
    steps.insert(to, moved);
    setSteps(steps);
    listSteps->setCurrentRow(to);
}

void FormRules::showStep(int position)
{
    if (position < 0 || position >= m_steps.size()) {
        stackOptions->setCurrentIndex(0);
        return;
    }
    const QJsonObject step = m_steps[position].toObject();
    const int kind = KindIndex(step[u"step"_s].toString());
    m_options[size_t(kind)]->showSettings(step);
    stackOptions->setCurrentWidget(m_options[size_t(kind)]);
}

void FormRules::stepEdited()
{
    const int position = listSteps->currentRow();
    const auto* options = qobject_cast<StepOptions*>(stackOptions->currentWidget());
    if (position < 0 || !options)
        return;
    const QJsonObject step = options->settings();
    m_steps[position] = step;
    listSteps->item(position)->setText(StepText(position, step));
    m_typingPause->start();
}

void FormRules::refreshPreview()
{
    m_typingPause->stop();
    const StepList steps(m_steps);
    const QString problem = steps.problem();
    labelProblem->setText(problem);
    labelProblem->setVisible(!problem.isEmpty());
    const int shown = std::min(m_rows.count(), previewRows);
    QStringList names;
    QStringList paths;
    std::vector<std::pair<FileId, QString>> parents;
    names.reserve(shown);
    paths.reserve(shown);
    parents.reserve(size_t(shown));
    for (int i = 0; i < shown; ++i) {
        const DirectoryRow& row = m_rows.row(i);
        names.append(row.name());
        paths.append(row.key);
        parents.emplace_back(row.parentId, row.parent);
    }
    const int wanted = ++m_namesWanted;
    if (steps.isEmpty() || !problem.isEmpty()) {
        showNames(wanted, names, names, {});
        return;
    }
    if (!m_contexts)
        m_contexts.emplace(m_rows);
    std::vector<NameContext> contexts;
    contexts.reserve(size_t(shown));
    for (int i = 0; i < shown; ++i)
        contexts.push_back(m_contexts->of(i));
    m_stillComputing->start();
    m_namesWorker.start([this, wanted, stepsAsSet = m_steps, names, paths, contexts,
                         parents]() mutable {
        const StepList rule(stepsAsSet);
        QStringList newNames;
        std::vector<NamedRow> named;
        newNames.reserve(names.size());
        named.reserve(size_t(names.size()));
        // Whether names differ in letter case alone is each parent's file system's to say.
        const std::unique_ptr<FolderProbe> probe = m_fileSystem.folderProbe();
        QHash<FileId, bool> ignoresCase;
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (m_namesWanted != wanted)
                return; // the steps changed meanwhile
            NameContext& context = contexts[size_t(i)];
            rule.readTimes(m_fileSystem, paths[i], context);
            const std::optional<QString> newName = rule.apply(names[i], context);
            newNames.append(newName.value_or(tr("（规则太复杂，无法计算这个名称）")));
            const auto& [parentId, parent] = parents[size_t(i)];
            auto known = ignoresCase.find(parentId);
            if (known == ignoresCase.end())
                known =
                    ignoresCase.insert(parentId, !parent.isNull() && probe->ignoresCase(parent));
            named.push_back({names[i], newName.value_or(names[i]), parentId, *known});
        }
        std::vector<Verdict::Outcome> outcomes = ForetellFromNames(m_fileSystem, named);
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (newNames[i] != named[size_t(i)].newName)
                outcomes[size_t(i)] = Verdict::Outcome::TooComplex;
        }
        QMetaObject::invokeMethod(
            this,
            [this, wanted, names, newNames, outcomes = std::move(outcomes)] {
                showNames(wanted, names, newNames, outcomes);
            },
            Qt::QueuedConnection);
    });
}

void FormRules::showNames(int wanted, const QStringList& names, const QStringList& newNames,
                          const std::vector<Verdict::Outcome>& outcomes)
{
    if (wanted != m_namesWanted)
        return;
    m_stillComputing->stop();
    const int shown = int(names.size());
    tablePreview->setRowCount(shown);
    QMap<Verdict::Outcome, int> marked;
    for (int i = 0; i < shown; ++i) {
        const QString& name = names[i];
        const QString& newName = newNames[i];
        auto* oldItem = new QTableWidgetItem(VisibleName(name));
        auto* newItem = new QTableWidgetItem(VisibleName(newName));
        newItem->setData(ChangedPartDelegate::OtherNameRole, oldItem->text());
        oldItem->setData(ChangedPartDelegate::OtherNameRole, newItem->text());
        tablePreview->setItem(i, 0, oldItem);
        tablePreview->setItem(i, 1, newItem);
        // Only what the names decide: whether the disk holds a new name is 模拟修改's to say.
        const Verdict::Outcome outcome =
            size_t(i) < outcomes.size() ? outcomes[size_t(i)] : Verdict::Outcome::CanRename;
        const bool isMarked = outcome != Verdict::Outcome::CanRename;
        // Counted with their kind: too long is invalid, a name another row keeps a clash.
        using Outcome = Verdict::Outcome;
        if (isMarked)
            ++marked[outcome == Outcome::NameTooLong    ? Outcome::InvalidName
                     : outcome == Outcome::FolderExists ? Outcome::NameProposedEarlier
                                                        : outcome];
        tablePreview->setItem(
            i, 2, new QTableWidgetItem(isMarked ? VerdictText({outcome, {}}) : QString()));
    }
    showMarks(marked, shown);
    labelPreviewCount->setText(
        shown < m_rows.count() ? tr("显示前 %1 个目录，共 %2 个。").arg(shown).arg(m_rows.count())
                               : tr("共 %n 个目录。", nullptr, int(m_rows.count())));
    Q_EMIT previewShown();
}

void FormRules::showMarks(const QMap<Verdict::Outcome, int>& marked, int shown)
{
    QStringList counts;
    const std::pair<Verdict::Outcome, QString> kinds[] = {
        {Verdict::Outcome::NameProposedEarlier, tr("%1 行重名")},
        {Verdict::Outcome::InvalidName, tr("%1 行新名称无效")},
        {Verdict::Outcome::SameName, tr("%1 行不变")},
    };
    for (const auto& [outcome, words] : kinds) {
        if (const int count = marked.value(outcome))
            counts.append(words.arg(count));
    }
    const QString where = shown < m_rows.count() ? tr("前 %1 行中：").arg(shown) : QString();
    labelMarks->setText(where + counts.join(tr("，")));
    labelMarks->setVisible(!counts.isEmpty());
}

void FormRules::simulate()
{
    if (preview())
        accept();
}

bool FormRules::preview()
{
    refreshPreview();
    const StepList steps(m_steps);
    if (steps.isEmpty()) {
        labelProblem->setText(tr("请先添加规则步骤。"));
        labelProblem->show();
        return false;
    }
    // A cancelled preview leaves the dialog open, to change the steps or try again.
    if (SimulateRename(m_rows, m_fileSystem, steps, m_passes, BatchOrder::Planned) !=
        PassEnd::Completed)
        return false;
    m_presets.remember(m_steps);
    m_presets.save(m_settings);
    return true;
}

void FormRules::listPresets()
{
    comboPresets->clear();
    comboPresets->addItem(tr("（选择已保存的方案或最近使用的规则）"));
    for (const auto& [name, steps] : RulePresets::builtIn())
        comboPresets->addItem(tr("内置：%1").arg(name), StepList::completed(steps));
    for (auto it = m_presets.named.begin(); it != m_presets.named.end(); ++it)
        comboPresets->addItem(tr("方案：%1").arg(it.key()), QJsonArray(it.value()));
    for (const QJsonArray& steps : m_presets.recent)
        comboPresets->addItem(tr("最近使用：%1").arg(StepList(steps).inWords()), steps);
}

void FormRules::presetChosen(int index)
{
    if (index <= 0)
        return;
    const QString text = comboPresets->itemText(index);
    if (text.startsWith(tr("方案：")))
        editPresetName->setText(text.sliced(3));
    setSteps(comboPresets->itemData(index).toJsonArray());
}

void FormRules::savePreset()
{
    const QString name = editPresetName->text().trimmed();
    if (name.isEmpty() || m_steps.isEmpty()) {
        labelProblem->setText(name.isEmpty() ? tr("请先填写方案名称。") : tr("请先添加规则步骤。"));
        labelProblem->show();
        return;
    }
    m_presets.named.insert(name, m_steps);
    m_presets.save(m_settings);
    listPresets();
    comboPresets->setCurrentIndex(comboPresets->findText(tr("方案：") + name));
}

void FormRules::deletePreset()
{
    const QString name = editPresetName->text().trimmed();
    if (m_presets.named.remove(name) == 0)
        return;
    m_presets.save(m_settings);
    listPresets();
    editPresetName->clear();
}

void FormRules::exportPresets()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("导出规则方案"), tr("规则方案.json"),
                                                      tr("规则方案 (*.json)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    const QByteArray content = m_presets.exportedNamed();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size() || !file.flush()) {
        labelProblem->setText(tr("无法写入 %1：%2").arg(path, file.errorString()));
        labelProblem->show();
    }
}

void FormRules::importPresets()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("导入规则方案"), {}, tr("规则方案 (*.json)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    // A presets file is a few kilobytes; anything far larger is not one.
    const std::optional<QStringList> added =
        file.open(QIODevice::ReadOnly) && file.size() < 1024 * 1024
            ? m_presets.importNamed(file.readAll())
            : std::nullopt;
    if (!added) {
        labelProblem->setText(tr("%1 不是规则方案文件。").arg(path));
        labelProblem->show();
        return;
    }
    m_presets.save(m_settings);
    listPresets();
    labelProblem->setText(tr("已导入 %n 个方案。", nullptr, int(added->size())));
    labelProblem->show();
}
