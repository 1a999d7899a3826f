#include "FormAdd.h"

#include "AddDirectories.h"
#include "DirListBox.h"
#include "StartFolder.h"
#include "common/AppInfo.h"
#include "common/WindowPlacement.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/PassRunner.h"
#include "rows/DirectoryListModel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

// Pixels at 96 dots per inch (a design in twips divided by 15).
constexpr QSize clientSize(416, 258);
constexpr QRect drivePlace(2, 3, 406, 20);
constexpr QRect directoryPlace(2, 26, 406, 160);
constexpr QRect framePlace(7, 187, 158, 64);
// Inside the frame; a little taller than designed so that 9-point Chinese text fits.
constexpr QRect option1Place(8, 11, 62, 16);
constexpr QRect option2Place(8, 27, 119, 16);
constexpr QRect option3Place(8, 43, 110, 16);
constexpr QRect addPlace(186, 203, 107, 38);
constexpr QRect closePlace(299, 203, 107, 38);

} // namespace

FormAdd::FormAdd(QWidget* parent, DirectoryListModel& rows, FileSystem& fileSystem,
                 MessageBoxes& messageBoxes, PassRunner& passes)
    : FixedDialog(parent, Qt::Tool, clientSize), m_rows(rows), m_fileSystem(fileSystem),
      m_messageBoxes(messageBoxes), m_passes(passes)
{
    setObjectName(u"FormAdd"_s);
    setWindowTitle(tr("添加目录"));
    createControls();
    Dir1->setFocus();
    CentreOnScreen(*this);
}

FormAdd::~FormAdd() = default;

void FormAdd::showEvent(QShowEvent* event)
{
    FixedDialog::showEvent(event);
    // Windows shows a tool window without activating it: the keys would go to no window.
    activateWindow();
    // The lists are read once the dialog is up, so that a slow drive shows its progress over
    // the dialog rather than keeping it from opening.
    if (!m_fillStarted) {
        m_fillStarted = true;
        QMetaObject::invokeMethod(this, &FormAdd::fillLists, Qt::QueuedConnection);
    }
}

void FormAdd::fillLists()
{
    fillDrives();
    // Every opening starts at the working directory.
    if (!Dir1->setPath(m_workingDirectory))
        Dir1->setPath(Drive1->itemData(0).toString());
    Q_EMIT listsFilled();
}

void FormAdd::createControls()
{
    Drive1 = new QComboBox(this);
    Drive1->setObjectName(u"Drive1"_s);
    Drive1->setAccessibleName(tr("驱动器"));
    Drive1->setGeometry(drivePlace);

    Dir1 = new DirListBox(m_fileSystem, m_passes, this);
    Dir1->setObjectName(u"Dir1"_s);
    Dir1->setAccessibleName(tr("目录"));
    Dir1->setGeometry(directoryPlace);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(u"Frame1"_s);
    Frame1->setGeometry(framePlace);
    Option1 = new QRadioButton(tr("选中项"), Frame1);
    Option1->setObjectName(u"Option1"_s);
    Option1->setGeometry(option1Place);
    Option2 = new QRadioButton(tr("子目录"), Frame1);
    Option2->setObjectName(u"Option2"_s);
    Option2->setGeometry(option2Place);
    Option3 = new QRadioButton(tr("选中项及子目录"), Frame1);
    Option3->setObjectName(u"Option3"_s);
    Option3->setGeometry(option3Place);
    Option2->setChecked(true);

    Command1 = addButton(u"Command1"_s, tr("加入待修改列表"), addPlace);
    Command2 = addButton(u"Command2"_s, tr("关闭"), closePlace);

    setTabOrder(Dir1, Drive1);
    setTabOrder(Drive1, Command1);
    setTabOrder(Command1, Option3);
    setTabOrder(Option3, Option2);
    setTabOrder(Option2, Option1);
    setTabOrder(Option1, Command2);

    connect(Command1, &QPushButton::clicked, this, &FormAdd::addToList);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Drive1, &QComboBox::activated, this, &FormAdd::openDrive);
}

void FormAdd::fillDrives()
{
    // Away from the windows' thread: a dead network drive can keep these calls for long.
    QList<Volume> volumes;
    QString workingDirectoryRoot;
    const auto read = [&](PassControl&) {
        m_workingDirectory =
            StartFolder(m_fileSystem.currentDirectory(), QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        volumes = m_fileSystem.volumes();
        workingDirectoryRoot = m_fileSystem.volumeRootOf(m_workingDirectory);
    };
    m_passes.run(tr("正在读取驱动器……"), 0, read, [] {});
    for (const Volume& volume : std::as_const(volumes)) {
        Drive1->addItem(volume.displayName, volume.rootPath);
        if (volume.rootPath == workingDirectoryRoot) {
            Drive1->setCurrentIndex(Drive1->count() - 1);
            m_workingDirectoryDrive = Drive1->count() - 1;
        }
    }
}

void FormAdd::openDrive(int index)
{
    // A volume that cannot be opened changes nothing but what Drive1 shows.
    Dir1->setPath(index == m_workingDirectoryDrive ? m_workingDirectory
                                                   : Drive1->itemData(index).toString());
}

void FormAdd::addToList()
{
    // Disabling the button takes the focus from it; a keyboard user gets it back.
    const bool hadFocus = Command1->hasFocus();
    Command1->setEnabled(false);
    const AddMode mode = Option1->isChecked()   ? AddMode::SelectedItem
                         : Option2->isChecked() ? AddMode::Subdirectories
                                                : AddMode::SelectedItemAndSubdirectories;
    const AdditionReport report =
        AddListedDirectories(m_rows, m_fileSystem, Dir1->listing(), mode, m_passes);
    Command1->setEnabled(true);
    if (hadFocus)
        Command1->setFocus();
    if (report.end != PassEnd::Closing && report.failed() > 0)
        m_messageBoxes.inform(AppInfo::title(), report.failureMessage());
}
