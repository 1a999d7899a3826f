#include "StepList.h"

#include <QCoreApplication>

#include "TrimmedName.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(StepList)
};

} // namespace

StepList::StepList(const QJsonArray& settings) : m_settings(settings)
{
    for (const QJsonValue& step : settings) {
        if (std::unique_ptr<RuleStep> made = MakeRuleStep(step.toObject())) {
            m_readsModified |= made->timeRead() == FolderTime::Modified;
            m_readsCreated |= made->timeRead() == FolderTime::Created;
            m_steps.push_back(std::move(made));
        }
    }
}

void StepList::readTimes(FileSystem& fileSystem, const QString& path, NameContext& context) const
{
    if (m_readsModified)
        context.modified = fileSystem.timeOf(path, FolderTime::Modified);
    if (m_readsCreated)
        context.created = fileSystem.timeOf(path, FolderTime::Created);
}

QJsonArray StepList::completed(const QJsonArray& settings)
{
    QJsonArray steps;
    for (const QJsonValue& step : settings) {
        const QJsonObject settingsOfStep = step.toObject();
        if (const RuleStepKind* kind = FindRuleStepKind(settingsOfStep[u"step"].toString()))
            steps.append(kind->completed(settingsOfStep));
    }
    return steps;
}

bool StepList::readsContext() const
{
    return std::any_of(m_steps.begin(), m_steps.end(),
                       [](const auto& step) { return step->readsContext(); });
}

std::optional<QString> StepList::apply(const QString& name, const NameContext& context) const
{
    QString newName = name;
    for (const std::unique_ptr<RuleStep>& step : m_steps) {
        std::optional<QString> next = step->apply(newName, context);
        if (!next)
            return std::nullopt;
        newName = std::move(*next);
    }
    return TrimSpaces(newName);
}

QString StepList::inWords() const
{
    QStringList words;
    for (const std::unique_ptr<RuleStep>& step : m_steps)
        words << step->inWords();
    return words.join(Texts::tr("，然后"));
}

QString StepList::problem() const
{
    for (size_t i = 0; i < m_steps.size(); ++i) {
        const QString problem = m_steps[i]->problem();
        if (!problem.isEmpty())
            return Texts::tr("第 %1 步：%2").arg(i + 1).arg(problem);
    }
    return {};
}
