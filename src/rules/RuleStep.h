#pragma once

#include <QJsonObject>
#include <QString>

#include <memory>
#include <vector>

// Where a row stands in the list, for the steps that number rows.
struct NameContext
{
    int position = 0;           // in the list's order
    int positionInParent = 0;   // among the rows of the same parent folder
    int count = 1;              // rows in the list
    int largestParentCount = 1; // rows of the parent folder that has the most
};

// One step of a rule made of steps: a name in, a new name out, computed from the name alone
// (no disk access). A step is made from its settings, the JSON object that presets keep.
class RuleStep
{
public:
    virtual ~RuleStep() = default;

    virtual QString apply(const QString& name, const NameContext& context) const = 0;
    // What the step does, as a phrase for the step list, the record and its history.
    virtual QString inWords() const = 0;
    // Why the step cannot run as set, for the dialog; empty when it can.
    virtual QString problem() const { return {}; }
};

// A kind of step: its key in the settings ("step"), its name for the user, and its maker.
struct RuleStepKind
{
    QString key;
    QString name;
    std::unique_ptr<RuleStep> (*make)(const QJsonObject& settings);
};
// Every kind, in the order the rules dialog offers them.
const std::vector<RuleStepKind>& RuleStepKinds();

// The step the settings describe ("step" names its kind); nothing for an unknown kind.
std::unique_ptr<RuleStep> MakeRuleStep(const QJsonObject& settings);
