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

using namespace Qt::StringLiterals;

namespace {
template <typename Step> std::unique_ptr<RuleStep> Make(const QJsonObject& settings)
{
    return std::make_unique<Step>(settings);
}
} // namespace

const std::vector<RuleStepKind>& RuleStepKinds()
{
    static const std::vector<RuleStepKind> all = {
        {u"add"_s, u"添加文字"_s, &Make<AddTextStep>},
        {u"replace"_s, u"替换文字"_s, &Make<ReplaceTextStep>},
        {u"number"_s, u"序号"_s, &Make<NumberStep>},
        {u"remove"_s, u"删除"_s, &Make<RemoveStep>},
        {u"halfWidth"_s, u"全角转半角"_s, &Make<FullWidthToHalfWidthStep>},
        {u"chinese"_s, u"繁简转换"_s, &Make<ChineseConversionStep>},
        {u"case"_s, u"大小写"_s, &Make<LetterCaseStep>},
        {u"encoding"_s, u"编码修复"_s, &Make<EncodingRepairStep>},
        {u"regex"_s, u"正则替换"_s, &Make<RegexReplaceStep>},
    };
    return all;
}

std::unique_ptr<RuleStep> MakeRuleStep(const QJsonObject& settings)
{
    const QString kind = settings[u"step"].toString();
    for (const RuleStepKind& known : RuleStepKinds()) {
        if (known.key == kind)
            return known.make(settings);
    }
    return nullptr;
}
