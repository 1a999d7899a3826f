#pragma once

#include "RuleStep.h"

// 日期: the folder's modified or created time in a format of the user's (QDateTime's, such as
// yyyy-MM-dd or yyyy年M月), placed as 序号 places its number. Where the file system keeps no
// such time, the name stays as it is.
class DateStep : public RuleStep
{
public:
    explicit DateStep(const StepSettings& settings);
    std::optional<QString> apply(const QString& name, const NameContext& context) const override;
    QString inWords() const override;
    QString problem() const override;
    std::optional<FolderTime> timeRead() const override { return m_time; }

private:
    FolderTime m_time;
    QString m_format;
    TextPlace m_place;
    QString m_separator;
};
