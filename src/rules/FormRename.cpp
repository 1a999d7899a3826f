#include "FormRename.h"

#include "SimulateRename.h"
#include "SplitCaptionRadioButton.h"
#include "StepList.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

// Pixels at 96 dots per inch (a design in twips divided by 15); inside the frame from Option1.
constexpr QSize clientSize(453, 180);
constexpr QRect framePlace(8, 4, 436, 126);
constexpr QRect option1Place(13, 12, 242, 16);
constexpr QRect text1Place(151, 10, 251, 20);
constexpr QRect option2Place(13, 48, 406, 16);
constexpr QRect text2Place(153, 46, 249, 20);
constexpr QRect option3Place(13, 84, 399, 16);
constexpr QRect text3Place(126, 82, 121, 20);
constexpr QRect text4Place(292, 82, 109, 20);
constexpr QRect simulatePlace(95, 142, 101, 25);
constexpr QRect closePlace(261, 142, 101, 25);

constexpr int replaceCaptionSpaces = 20;

} // namespace

FormRename::FormRename(QWidget* parent, DirectoryListModel& rows, FileSystem& fileSystem,
                       PassRunner& passes)
    : FixedDialog(parent, Qt::Dialog, clientSize), m_rows(rows), m_fileSystem(fileSystem),
      m_passes(passes)
{
    setObjectName(u"FormRename"_s);
    setWindowTitle(tr("模拟修改目录名称"));
    createControls();
    Option1->setFocus();
}

FormRename::~FormRename() = default;

void FormRename::createControls()
{
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(u"Frame1"_s);
    Frame1->setGeometry(framePlace);

    const auto addOption = [this](const QString& name, const QString& caption, const QRect& place) {
        auto* option = new QRadioButton(caption, Frame1);
        option->setObjectName(name);
        option->setGeometry(place);
        return option;
    };
    const auto addText = [this](const QString& name, const QString& accessibleName,
                                const QRect& place) {
        auto* text = new QLineEdit(Frame1);
        text->setObjectName(name);
        text->setAccessibleName(accessibleName);
        text->setGeometry(place);
        text->installEventFilter(this);
        return text;
    };

    Option1 = addOption(u"Option1"_s, tr("目录名称后增加字符："), option1Place);
    Text1 = addText(u"Text1"_s, tr("目录名称后增加的字符"), text1Place);
    Option2 = addOption(u"Option2"_s, tr("目录名称前增加字符："), option2Place);
    Text2 = addText(u"Text2"_s, tr("目录名称前增加的字符"), text2Place);
    // Text3 lies over the caption's spaces; "替换为：" follows it.
    Option3 =
        new SplitCaptionRadioButton(tr("目录名称中字符："), replaceCaptionSpaces, tr("替换为："),
                                    text3Place.right() + 3 - option3Place.left(), Frame1);
    Option3->setObjectName(u"Option3"_s);
    Option3->setGeometry(option3Place);
    Text3 = addText(u"Text3"_s, tr("目录名称中要替换的字符"), text3Place);
    Text4 = addText(u"Text4"_s, tr("替换为的字符"), text4Place);
    Option1->setChecked(true);
    // The boxes lie over the option captions' blank stretches.
    for (QLineEdit* text : {Text1, Text2, Text3, Text4})
        text->raise();

    Command1 = addButton(u"Command1"_s, tr("模拟修改"), simulatePlace);
    Command2 = addButton(u"Command2"_s, tr("关闭"), closePlace);

    QWidget* order[] = {Option1, Text1, Option2, Text2, Option3, Text3, Text4, Command1, Command2};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(Command1, &QPushButton::clicked, this, &FormRename::simulate);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

RenameRule FormRename::rule() const
{
    RenameRule rule;
    rule.kind = Option1->isChecked()   ? RenameRule::Kind::Append
                : Option2->isChecked() ? RenameRule::Kind::Prepend
                                       : RenameRule::Kind::Replace;
    rule.appendText = Text1->text();
    rule.prependText = Text2->text();
    rule.findText = Text3->text();
    rule.replaceWith = Text4->text();
    return rule;
}

void FormRename::simulate()
{
    // A cancelled preview leaves the dialog open, to change the rule or try again.
    const RenameRule chosen = rule();
    if (chosen.isBlank())
        return;
    if (SimulateRename(m_rows, m_fileSystem, StepList(chosen.steps()), m_passes) ==
        PassEnd::Completed)
        accept();
}

bool FormRename::eventFilter(QObject* watched, QEvent* event)
{
    // Only a click into a box selects its rule; the keyboard and typing leave it alone.
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Text1)
            Option1->setChecked(true);
        else if (watched == Text2)
            Option2->setChecked(true);
        else if (watched == Text3 || watched == Text4)
            Option3->setChecked(true);
    }
    return FixedDialog::eventFilter(watched, event);
}
