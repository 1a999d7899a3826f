#pragma once

#include "RuleStep.h"

#include <QJsonObject>
#include <QWidget>

#include <functional>
#include <vector>

class QFormLayout;

// The options of one kind of rule step as controls: shows a step's settings and says when
// the user changed them. One page per kind, built from its kind's fields.
class StepOptions : public QWidget
{
    Q_OBJECT

public:
    explicit StepOptions(const RuleStepKind& kind, QWidget* parent = nullptr);

    void showSettings(const QJsonObject& settings);
    QJsonObject settings() const;

Q_SIGNALS:
    void edited();

private:
    void addText(const StepField& field);
    void addNumber(const StepField& field);
    void addFlag(const StepField& field);
    void addChoice(const StepField& field);
    void addBrackets(const StepField& field);
    void addNote(const StepField& field);

    const RuleStepKind& m_kind;
    QFormLayout* m_form = nullptr;
    // Per field: put a setting into its control, and read it back.
    std::vector<std::function<void(const QJsonObject&)>> m_showers;
    std::vector<std::function<void(QJsonObject&)>> m_readers;
};
