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

StepOptions::StepOptions(const RuleStepKind& kind, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_form(new QFormLayout(this))
{
    setObjectName(u"options_"_s + kind.key);
    using Type = StepField::Type;
    for (const StepField& field : kind.fields) {
        switch (field.type) {
        case Type::Text:
            addText(field);
            break;
        case Type::Number:
            addNumber(field);
            break;
        case Type::Flag:
            addFlag(field);
            break;
        case Type::Choice:
            addChoice(field);
            break;
        case Type::Brackets:
            addBrackets(field);
            break;
        case Type::Note:
            addNote(field);
            break;
        }
    }
}

void StepOptions::showSettings(const QJsonObject& settings)
{
    const QSignalBlocker quiet(this);
    const QJsonObject complete = m_kind.completed(settings);
    for (const auto& shower : m_showers)
        shower(complete);
}

QJsonObject StepOptions::settings() const
{
    QJsonObject settings{{u"step"_s, m_kind.key}};
    for (const auto& reader : m_readers)
        reader(settings);
    return settings;
}

void StepOptions::addText(const StepField& field)
{
    const QString& key = field.key;
    const QString& label = field.label;
    auto* edit = new QLineEdit(this);
    edit->setObjectName(key);
    edit->setAccessibleName(QString(label).remove(u'：'));
    m_form->addRow(label, edit);
    connect(edit, &QLineEdit::textEdited, this, &StepOptions::edited);
    m_showers.push_back([=](const QJsonObject& s) { edit->setText(s[key].toString()); });
    m_readers.push_back([=](QJsonObject& s) { s.insert(key, edit->text()); });
}

void StepOptions::addNumber(const StepField& field)
{
    const QString& key = field.key;
    const QString& label = field.label;
    auto* box = new QSpinBox(this);
    box->setObjectName(key);
    box->setAccessibleName(QString(label).remove(u'：'));
    box->setRange(field.minimum, field.maximum);
    box->setSpecialValueText(field.zeroText); // shown for the minimum, which is 0 where it is set
    m_form->addRow(label, box);
    connect(box, &QSpinBox::valueChanged, this, [this] { Q_EMIT edited(); });
    m_showers.push_back([=](const QJsonObject& s) { box->setValue(s[key].toInt()); });
    m_readers.push_back([=](QJsonObject& s) { s.insert(key, box->value()); });
}

void StepOptions::addFlag(const StepField& field)
{
    const QString& key = field.key;
    const QString& label = field.label;
    auto* box = new QCheckBox(label, this);
    box->setObjectName(key);
    m_form->addRow(box);
    connect(box, &QCheckBox::toggled, this, &StepOptions::edited);
    m_showers.push_back([=](const QJsonObject& s) { box->setChecked(s[key].toBool()); });
    m_readers.push_back([=](QJsonObject& s) { s.insert(key, box->isChecked()); });
}

void StepOptions::addChoice(const StepField& field)
{
    const QString& key = field.key;
    const QString& label = field.label;
    auto* box = new QComboBox(this);
    box->setObjectName(key);
    box->setAccessibleName(QString(label).remove(u'：'));
    for (const auto& [value, text] : field.choices)
        box->addItem(text, value);
    m_form->addRow(label, box);
    connect(box, &QComboBox::activated, this, [this] { Q_EMIT edited(); });
    m_showers.push_back([=](const QJsonObject& s) {
        box->setCurrentIndex(std::max(0, box->findData(s[key].toString())));
    });
    m_readers.push_back([=](QJsonObject& s) { s.insert(key, box->currentData().toString()); });
}

void StepOptions::addBrackets(const StepField& field)
{
    const QString& key = field.key;
    const QString& label = field.label;
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

void StepOptions::addNote(const StepField& field)
{
    auto* note = new QLabel(field.label, this);
    note->setWordWrap(true);
    m_form->addRow(note);
}
