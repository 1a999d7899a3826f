#pragma once

#include "platform/FileSystem.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

// Where a row stands in the list, for the steps that number rows.
struct NameContext
{
    int position = 0;           // in the list's order
    int positionInParent = 0;   // among the rows of the same parent folder
    int count = 1;              // rows in the list
    int largestParentCount = 1; // rows of the parent folder that has the most
    int widestNumber = 0;       // digits in the longest run of 0-9 in any row's name
    // The folder's times, where a step reads them (StepList::readTimes).
    std::optional<qint64> modified = {};
    std::optional<qint64> created = {};
};

class StepSettings;

// One step of a rule made of steps: a name in, a new name out, computed from the name alone
// (no disk access). A step is made from its settings, the JSON object that presets keep.
class RuleStep
{
public:
    virtual ~RuleStep() = default;

    // Nothing when the step cannot work the name out within its bounds (a pattern that would
    // backtrack without end).
    virtual std::optional<QString> apply(const QString& name, const NameContext& context) const = 0;
    // What the step does, as a phrase for the step list, the record and its history.
    virtual QString inWords() const = 0;
    // Why the step cannot run as set, for the dialog; empty when it can.
    virtual QString problem() const { return {}; }
    // Whether apply() reads the context (where the row stands): counting it takes a pass over
    // the rows.
    virtual bool readsContext() const { return false; }
    // The folder's time the step reads, which only the file system knows.
    virtual std::optional<FolderTime> timeRead() const { return std::nullopt; }
};

// One setting of a kind of step: its key in the settings, how the options page shows it, the
// value of a new step (and of a setting a preset leaves out) and, for a number, its range.
struct StepField
{
    enum class Type { Text, Number, Flag, Choice, Brackets, Note };

    Type type;
    QString key;   // empty for a note
    QString label; // a note's text
    QJsonValue initial = {};
    int minimum = 0;
    int maximum = 0;
    QList<std::pair<QString, QString>> choices = {}; // the value kept, the words shown
    QString zeroText = {};                           // a number's words for its minimum
};

// A kind of step, described once: its key in the settings ("step"), its name for the user,
// its settings and its maker. The options page, the presets and the step read this.
struct RuleStepKind
{
    QString key;
    QString name;
    std::vector<StepField> fields;
    std::unique_ptr<RuleStep> (*make)(const StepSettings& settings);

    const StepField* field(QStringView fieldKey) const;
    // A new step of the kind, every setting at its initial value.
    QJsonObject newStep() const;
    // The settings with every field present and valid: what a preset leaves out, or gives of
    // the wrong type or out of range, takes the field's initial value or its nearest bound.
    QJsonObject completed(const QJsonObject& settings) const;
};
// Every kind, in the order the rules dialog offers them.
const std::vector<RuleStepKind>& RuleStepKinds();
const RuleStepKind* FindRuleStepKind(QStringView key);

// A step's settings as its kind describes them, complete and valid. Asking for a key the kind
// does not describe is a fault of the program's own.
class StepSettings
{
public:
    StepSettings(const RuleStepKind& kind, const QJsonObject& settings);

    QString text(QStringView key) const;
    int number(QStringView key) const;
    bool flag(QStringView key) const;
    QString choice(QStringView key) const; // a Choice's value, or the chosen opening brackets

private:
    QJsonValue value(QStringView key) const;

    const RuleStepKind& m_kind;
    QJsonObject m_values;
};

// Where a step puts its text: before or after the name, or at a position counted from its
// start or end (settings "place" and "offset"). A position past either end means that end.
class TextPlace
{
public:
    explicit TextPlace(const StepSettings& settings);

    // The name with the text put in, the separator between them when it stands outside.
    QString put(const QString& text, const QString& name, const QString& separator = {}) const;
    QString inWords() const; // "名称前", "第 3 个字符后", …

private:
    enum class Place { Before, After, FromStart, FromEnd };
    Place m_place;
    int m_offset;
};

// The step the settings describe ("step" names its kind); nothing for an unknown kind.
std::unique_ptr<RuleStep> MakeRuleStep(const QJsonObject& settings);
