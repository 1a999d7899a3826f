#include "StepOptions.h"

#include "RemoveStep.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

using namespace Qt::StringLiterals;

QJsonObject StepOptions::newStep(const QString& kind)
{
    QJsonObject step{{u"step"_s, kind}};
    if (kind == u"add")
        step.insert(u"place"_s, u"after"_s);
    else if (kind == u"number")
        step = QJsonObject{{u"step"_s, kind}, {u"start"_s, 1},          {u"increment"_s, 1},
                           {u"width"_s, 0},   {u"place"_s, u"after"_s}, {u"separator"_s, u"_"_s}};
    else if (kind == u"remove")
        step.insert(u"trim"_s, true);
    else if (kind == u"chinese")
        step.insert(u"to"_s, u"simplified"_s);
    else if (kind == u"case")
        step.insert(u"to"_s, u"lower"_s);
    return step;
}

StepOptions::StepOptions(const QString& kind, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_form(new QFormLayout(this))
{
    setObjectName(u"options_"_s + kind);
    if (kind == u"add") {
        addText(u"text"_s, u"文字："_s);
        addChoice(u"place"_s, u"位置："_s,
                  {{u"after"_s, u"名称后"_s},
                   {u"before"_s, u"名称前"_s},
                   {u"start"_s, u"从开头数第 N 个字符后"_s},
                   {u"end"_s, u"从末尾数第 N 个字符前"_s}});
        addNumber(u"offset"_s, u"N："_s, 0, 255);
    } else if (kind == u"replace") {
        addText(u"find"_s, u"查找："_s);
        addText(u"replaceWith"_s, u"替换为："_s);
        addFlag(u"exactCase"_s, u"区分大小写"_s);
        addNote(u"替换所有出现的地方；替换为空即删除。"_s);
    } else if (kind == u"number") {
        addNumber(u"start"_s, u"起始："_s, -999999, 999999);
        addNumber(u"increment"_s, u"步长："_s, -9999, 9999);
        addNumber(u"width"_s, u"位数："_s, 0, 20, u"自动"_s);
        addChoice(u"place"_s, u"位置："_s, {{u"after"_s, u"名称后"_s}, {u"before"_s, u"名称前"_s}});
        addText(u"separator"_s, u"分隔："_s);
        addFlag(u"perParent"_s, u"每个父目录分别编号"_s);
        addNote(u"序号按列表中的顺序（列表 → 排序）。"_s);
    } else if (kind == u"remove") {
        addNumber(u"first"_s, u"开头字符数："_s, 0, 255);
        addNumber(u"last"_s, u"末尾字符数："_s, 0, 255);
        addBrackets(u"brackets"_s, u"括号及其中文字："_s);
        addFlag(u"trim"_s, u"首尾空格（含全角空格）"_s);
    } else if (kind == u"halfWidth") {
        addNote(
            u"全角字母、数字、标点和全角空格转为半角；名称中不允许的字符（：？＊＂＜＞｜／＼）保留全角。"_s);
    } else if (kind == u"chinese") {
        addChoice(u"to"_s, u"转换："_s,
                  {{u"simplified"_s, u"繁体转简体"_s}, {u"traditional"_s, u"简体转繁体"_s}});
        addNote(u"按词语转换（OpenCC）。"_s);
    } else if (kind == u"case") {
        addChoice(u"to"_s, u"转换为："_s,
                  {{u"lower"_s, u"小写"_s},
                   {u"upper"_s, u"大写"_s},
                   {u"words"_s, u"每个单词首字母大写"_s}});
    } else if (kind == u"encoding") {
        addNote(
            u"名称的字节不是 UTF-8 而是 GBK（旧压缩包、Windows 磁盘上的目录）时，转为同样文字的 UTF-8 名称。"_s);
    } else if (kind == u"regex") {
        addText(u"pattern"_s, u"正则表达式："_s);
        addText(u"replaceWith"_s, u"替换为："_s);
        addFlag(u"exactCase"_s, u"区分大小写"_s);
        addNote(u"替换为中 \\1 或 $1 代表第一组括号匹配的文字。"_s);
    }
}

void StepOptions::showSettings(const QJsonObject& settings)
{
    const QSignalBlocker quiet(this);
    for (const auto& shower : m_showers)
        shower(settings);
}

QJsonObject StepOptions::settings() const
{
    QJsonObject settings{{u"step"_s, m_kind}};
    for (const auto& reader : m_readers)
        reader(settings);
    return settings;
}

void StepOptions::addText(const QString& key, const QString& label)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(key);
    edit->setAccessibleName(QString(label).remove(u'：'));
    m_form->addRow(label, edit);
    connect(edit, &QLineEdit::textEdited, this, &StepOptions::edited);
    m_showers.push_back([=](const QJsonObject& s) { edit->setText(s[key].toString()); });
    m_readers.push_back([=](QJsonObject& s) { s.insert(key, edit->text()); });
}

void StepOptions::addNumber(const QString& key, const QString& label, int minimum, int maximum,
                            const QString& zeroText)
{
    auto* box = new QSpinBox(this);
    box->setObjectName(key);
    box->setAccessibleName(QString(label).remove(u'：'));
    box->setRange(minimum, maximum);
    box->setSpecialValueText(zeroText); // shown for the minimum, which is 0 where it is set
    m_form->addRow(label, box);
    connect(box, &QSpinBox::valueChanged, this, [this] { Q_EMIT edited(); });
    m_showers.push_back([=](const QJsonObject& s) { box->setValue(s[key].toInt()); });
    m_readers.push_back([=](QJsonObject& s) { s.insert(key, box->value()); });
}

void StepOptions::addFlag(const QString& key, const QString& label)
{
    auto* box = new QCheckBox(label, this);
    box->setObjectName(key);
    m_form->addRow(box);
    connect(box, &QCheckBox::toggled, this, &StepOptions::edited);
    m_showers.push_back([=](const QJsonObject& s) { box->setChecked(s[key].toBool()); });
    m_readers.push_back([=](QJsonObject& s) { s.insert(key, box->isChecked()); });
}

void StepOptions::addChoice(const QString& key, const QString& label,
                            const QList<std::pair<QString, QString>>& choices)
{
    auto* box = new QComboBox(this);
    box->setObjectName(key);
    box->setAccessibleName(QString(label).remove(u'：'));
    for (const auto& [value, text] : choices)
        box->addItem(text, value);
    m_form->addRow(label, box);
    connect(box, &QComboBox::activated, this, [this] { Q_EMIT edited(); });
    m_showers.push_back([=](const QJsonObject& s) {
        box->setCurrentIndex(std::max(0, box->findData(s[key].toString())));
    });
    m_readers.push_back([=](QJsonObject& s) { s.insert(key, box->currentData().toString()); });
}

void StepOptions::addBrackets(const QString& key, const QString& label)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    std::vector<QCheckBox*> boxes;
    const QString& pairs = RemoveStep::allBrackets();
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2) {
        auto* box = new QCheckBox(pairs.sliced(i, 2), row);
        box->setObjectName(u"bracket"_s + pairs[i]);
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &StepOptions::edited);
        boxes.push_back(box);
    }
    layout->addStretch();
    m_form->addRow(label, row);
    m_showers.push_back([=](const QJsonObject& s) {
        const QString chosen = s[key].toString();
        for (QCheckBox* box : boxes)
            box->setChecked(chosen.contains(box->text()[0]));
    });
    m_readers.push_back([=](QJsonObject& s) {
        QString chosen;
        for (QCheckBox* box : boxes) {
            if (box->isChecked())
                chosen += box->text()[0];
        }
        s.insert(key, chosen);
    });
}

void StepOptions::addNote(const QString& text)
{
    auto* note = new QLabel(text, this);
    note->setWordWrap(true);
    m_form->addRow(note);
}
