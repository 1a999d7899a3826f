#pragma once

#include "RuleStep.h"

#include <QJsonArray>

#include <vector>

// A rule made of steps applied in order to each name, then trimmed of leading and trailing
// spaces as the design's rules are. Made from the JSON array that presets keep.
class StepList
{
public:
    explicit StepList(const QJsonArray& settings = {});
    // The settings without the steps of unknown kinds, each step completed as its kind says.
    static QJsonArray completed(const QJsonArray& settings);

    bool isEmpty() const { return m_steps.empty(); }
    // Nothing when a step cannot work the name out.
    std::optional<QString> apply(const QString& name, const NameContext& context) const;
    QString inWords() const;
    // The first step's reason not to run, with its number; empty when all can run.
    QString problem() const;
    // Whether a step reads where the row stands in the list.
    bool readsContext() const;
    // The folder's times the steps read, into its context; nothing where none reads one.
    void readTimes(FileSystem& fileSystem, const QString& path, NameContext& context) const;
    const QJsonArray& settings() const { return m_settings; }

private:
    QJsonArray m_settings;
    std::vector<std::unique_ptr<RuleStep>> m_steps;
    bool m_readsModified = false;
    bool m_readsCreated = false;
};
