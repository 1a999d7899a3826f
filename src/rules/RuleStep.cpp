#include "RuleStep.h"

#include "AddTextStep.h"
#include "ChineseConversionStep.h"
#include "EncodingRepairStep.h"
#include "FullWidthToHalfWidthStep.h"
#include "LetterCaseStep.h"
#include "NumberStep.h"
#include "RegexReplaceStep.h"
#include "RemoveStep.h"
#include "ReplaceTextStep.h"

std::unique_ptr<RuleStep> MakeRuleStep(const QJsonObject& settings)
{
    const QString kind = settings[u"step"].toString();
    if (kind == u"add")
        return std::make_unique<AddTextStep>(settings);
    if (kind == u"replace")
        return std::make_unique<ReplaceTextStep>(settings);
    if (kind == u"number")
        return std::make_unique<NumberStep>(settings);
    if (kind == u"remove")
        return std::make_unique<RemoveStep>(settings);
    if (kind == u"halfWidth")
        return std::make_unique<FullWidthToHalfWidthStep>(settings);
    if (kind == u"chinese")
        return std::make_unique<ChineseConversionStep>(settings);
    if (kind == u"case")
        return std::make_unique<LetterCaseStep>(settings);
    if (kind == u"encoding")
        return std::make_unique<EncodingRepairStep>(settings);
    if (kind == u"regex")
        return std::make_unique<RegexReplaceStep>(settings);
    return nullptr;
}
