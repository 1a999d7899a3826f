#include "FormNames.h"

#include "NameEdits.h"
#include "SimulateRename.h"
#include "common/Csv.h"
#include "platform/Settings.h"
#include "platform/Shell.h"
#include "rows/DirectoryListModel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryFile>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

enum Page { TablePage, TextPage };

// Lines as a spreadsheet's column copied gives them: CR LF or LF, and one line break at the end.
QStringList LinesOf(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

} // namespace

FormNames::FormNames(QWidget* parent, DirectoryListModel& rows, NameEdits::Table table,
                     FileSystem& fileSystem, PassRunner& passes, Settings& settings, Shell& shell)
    : QDialog(parent), m_rows(rows), m_passes(passes), m_fileSystem(fileSystem),
      m_settings(settings), m_shell(shell)
{
    setObjectName(u"FormNames"_s);
    setWindowTitle(tr("编辑新名称"));
    setSizeGripEnabled(true);
    m_edits = new NameEdits(std::move(table), fileSystem, this);
    createControls();
    const QSize kept = settings.value(Settings::Key::NamesDialogSize).toSize();
    resize(kept.isValid() ? kept : QSize(720, 520));
}

FormNames::~FormNames()
{
    m_settings.setValue(Settings::Key::NamesDialogSize, size());
    if (!m_outsideFile.isEmpty())
        QFile::remove(m_outsideFile);
}

void FormNames::createControls()
{
    auto* layout = new QVBoxLayout(this);
    tabPages = new QTabWidget(this);
    tabPages->setObjectName(u"tabPages"_s);

    tableNames = new QTableView(tabPages);
    tableNames->setObjectName(u"tableNames"_s);
    // No row measures its text, so that 100,000 rows open at once; set before the rows come,
    // as setting it afterwards goes through every row.
    tableNames->verticalHeader()->setDefaultSectionSize(tableNames->fontMetrics().height() + 6);
    tableNames->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableNames->setModel(m_edits);
    tableNames->setEditTriggers(QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    tableNames->setSelectionBehavior(QAbstractItemView::SelectItems);
    tableNames->setSelectionMode(QAbstractItemView::SingleSelection);
    tableNames->setTextElideMode(Qt::ElideMiddle); // a parent's path keeps its end
    tableNames->horizontalHeader()->setStretchLastSection(true);
    for (const auto& [column, width] : {std::pair{NameEdits::OldNameColumn, 180},
                                        {NameEdits::NewNameColumn, 180},
                                        {NameEdits::VerdictColumn, 110}})
        tableNames->setColumnWidth(column, width);
    // Enter in a cell goes on to the cell below, as in a spreadsheet.
    connect(tableNames->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::SubmitModelCache)
                    moveDownAfterEdit();
            });
    tabPages->addTab(tableNames, tr("表格(&T)"));

    textNames = new QPlainTextEdit(tabPages);
    textNames->setObjectName(u"textNames"_s);
    textNames->setLineWrapMode(QPlainTextEdit::NoWrap);
    textNames->setPlaceholderText(
        tr("每行一个新名称，按列表中的顺序；可以粘贴从 Excel 或 WPS 复制的一列。"));
    auto* textPage = new QWidget(tabPages);
    auto* textLayout = new QVBoxLayout(textPage);
    textLayout->setContentsMargins(0, 0, 0, 0);
    textLayout->addWidget(textNames);
    auto* outside = new QPushButton(tr("用外部编辑器编辑(&O)"), textPage);
    outside->setObjectName(u"buttonOutside"_s);
    outside->setAutoDefault(false);
    connect(outside, &QPushButton::clicked, this, &FormNames::editOutside);
    textLayout->addWidget(outside, 0, Qt::AlignLeft);
    tabPages->addTab(textPage, tr("文本(&X)"));
    connect(tabPages, &QTabWidget::currentChanged, this, &FormNames::pageChosen);
    layout->addWidget(tabPages);

    labelProblem = new QLabel(this);
    labelProblem->setObjectName(u"labelProblem"_s);
    labelProblem->setWordWrap(true);
    labelProblem->hide();
    layout->addWidget(labelProblem);

    // The import and its file's encoding at the left, away from the dialog's own buttons.
    auto* bottom = new QHBoxLayout;
    auto* import = new QPushButton(tr("导入新名称(&I)…"), this);
    import->setObjectName(u"buttonImport"_s);
    import->setAutoDefault(false);
    connect(import, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("导入新名称"), {},
                                                          tr("CSV 文件 (*.csv);;所有文件 (*)"));
        if (!path.isEmpty())
            importFile(path);
    });
    bottom->addWidget(import);
    comboEncoding = new QComboBox(this);
    comboEncoding->setObjectName(u"comboEncoding"_s);
    comboEncoding->addItem(u"UTF-8"_s, int(TextEncoding::Utf8));
    comboEncoding->addItem(tr("GB18030（简体中文 GBK）"), int(TextEncoding::Gb18030));
    comboEncoding->addItem(tr("Big5（繁体中文）"), int(TextEncoding::Big5));
    comboEncoding->setToolTip(tr("导入的文件按此编码读取；文字显示不对时换一种编码重新读取。"));
    comboEncoding->setCurrentIndex(-1); // no file read yet
    comboEncoding->setEnabled(false);
    auto* encodingLabel = new QLabel(tr("编码(&C)："), this);
    encodingLabel->setBuddy(comboEncoding);
    connect(comboEncoding, &QComboBox::activated, this, [this] {
        importFile(m_importedFile, TextEncoding(comboEncoding->currentData().toInt()));
    });
    bottom->addWidget(encodingLabel);
    bottom->addWidget(comboEncoding);
    bottom->addStretch();

    auto* buttons = new QDialogButtonBox(this);
    Command1 = buttons->addButton(tr("模拟修改"), QDialogButtonBox::AcceptRole);
    Command1->setObjectName(u"Command1"_s);
    QPushButton* cancel = buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(u"Command2"_s);
    connect(Command1, &QPushButton::clicked, this, &FormNames::simulate);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Enter belongs to the cells; the preview is a click or Alt away.
    Command1->setAutoDefault(false);
    cancel->setAutoDefault(false);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
}

void FormNames::moveDownAfterEdit()
{
    const QModelIndex current = tableNames->currentIndex();
    if (current.isValid() && current.row() + 1 < m_edits->rowCount())
        tableNames->setCurrentIndex(current.siblingAtRow(current.row() + 1));
}

void FormNames::showNamesAsText()
{
    textNames->setPlainText(m_edits->newNames().join(u'\n'));
}

void FormNames::pageChosen(int page)
{
    if (page == TextPage) {
        showNamesAsText();
    } else if (m_shownPage == TextPage && !applyText()) {
        // The lines stay to be put right; nothing of them is applied.
        const QSignalBlocker blocker(tabPages);
        tabPages->setCurrentIndex(TextPage);
        return;
    }
    m_shownPage = page;
}

bool FormNames::applyText()
{
    const QStringList lines = LinesOf(textNames->toPlainText());
    if (!m_edits->setNewNames(lines)) {
        labelProblem->setText(tr("文本有 %1 行，要修改的目录有 %2 个：行数不同，新名称没有改变。")
                                  .arg(lines.size())
                                  .arg(m_edits->rowCount()));
        labelProblem->show();
        return false;
    }
    labelProblem->hide();
    return true;
}

void FormNames::editOutside()
{
    if (m_outsideFile.isEmpty()) {
        QTemporaryFile file(QDir::tempPath() + tr("/新名称-XXXXXX.txt"));
        file.setAutoRemove(false);
        if (!file.open())
            return;
        m_outsideFile = file.fileName();
    }
    QSaveFile file(m_outsideFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(textNames->toPlainText().toUtf8()) < 0 ||
        !file.commit())
        return;
    m_outsideWritten = QFileInfo(m_outsideFile).lastModified();
    m_shell.editTextFile(m_outsideFile);
}

bool FormNames::event(QEvent* event)
{
    // Back from the editor: its lines, once it saved them, on the text page to check and apply.
    if (event->type() == QEvent::WindowActivate && !m_outsideFile.isEmpty()) {
        const QFileInfo info(m_outsideFile);
        QFile file(m_outsideFile);
        if (info.lastModified() != m_outsideWritten && file.open(QIODevice::ReadOnly)) {
            m_outsideWritten = info.lastModified();
            tabPages->setCurrentIndex(TextPage);
            textNames->setPlainText(QString::fromUtf8(file.readAll()));
        }
    }
    return QDialog::event(event);
}

void FormNames::importFile(const QString& path, std::optional<TextEncoding> encoding)
{
    QFile file(path);
    // A list of a million folders is some hundred megabytes; anything far larger is not one.
    const std::optional<CsvRows> read =
        file.open(QIODevice::ReadOnly) && file.size() < 512 * 1024 * 1024
            ? ReadCsv(file.readAll(), encoding)
            : std::nullopt;
    const QString fileName = QFileInfo(path).fileName();
    // A guess that failed or read the text wrong is mended by picking the file's encoding.
    m_importedFile = path;
    comboEncoding->setEnabled(true);
    if (!read) {
        labelProblem->setText(
            encoding ? tr("无法按 %1 读取“%2”：它不是这种编码的 CSV 文件，新名称没有改变。")
                           .arg(comboEncoding->currentText(), fileName)
                     : tr("无法读取“%1”：它不是 UTF-8 或 GB18030 编码的 CSV 文件。").arg(fileName));
        labelProblem->show();
        return;
    }
    comboEncoding->setCurrentIndex(comboEncoding->findData(int(read->encoding)));
    QStringList notListed;
    const int taken = m_edits->importNames(read->rows, m_rows, notListed);
    if (tabPages->currentIndex() == TextPage)
        showNamesAsText();
    m_source = tr("从 %1 导入的新名称").arg(fileName);
    if (notListed.isEmpty()) {
        labelProblem->hide();
        return;
    }
    labelProblem->setText(
        tr("已导入 %1 个新名称；%2 个路径不在这里的目录中，没有导入：%3")
            .arg(taken)
            .arg(notListed.size())
            .arg(notListed.first(std::min<qsizetype>(notListed.size(), 5)).join(tr("、"))));
    labelProblem->show();
}

void FormNames::simulate()
{
    if (tabPages->currentIndex() == TextPage && !applyText())
        return;
    int changed = 0;
    const std::vector<QString> names = m_edits->listNames(m_rows, &changed);
    // A cancelled preview leaves the dialog open, to go on editing or try again.
    const QString source =
        m_source.isEmpty() ? tr("手动编辑的新名称（%n 个）", nullptr, int(changed)) : m_source;
    if (SimulateRenameTo(m_rows, m_fileSystem, names, source, m_passes) != PassEnd::Completed)
        return;
    accept();
}
