#include "RuleStep.h"

#include "AddTextStep.h"
#include "ChineseConversionStep.h"
#include "ChineseNumeralStep.h"
#include "DateStep.h"
#include "EncodingRepairStep.h"
#include "FullWidthToHalfWidthStep.h"
#include "LetterCaseStep.h"
#include "NumberStep.h"
#include "PadNumbersStep.h"
#include "PinyinStep.h"
#include "RegexReplaceStep.h"
#include "RemoveStep.h"
#include "ReplaceTextStep.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

template <typename Step> std::unique_ptr<RuleStep> Make(const StepSettings& settings)
{
    return std::make_unique<Step>(settings);
}

using Type = StepField::Type;

StepField Text(const QString& key, const QString& label, const QString& initial = {})
{
    return {Type::Text, key, label, initial};
}
StepField Number(const QString& key, const QString& label, int initial, int minimum, int maximum,
                 const QString& zeroText = {})
{
    return {Type::Number, key, label, initial, minimum, maximum, {}, zeroText};
}
StepField Flag(const QString& key, const QString& label, bool initial = false)
{
    return {Type::Flag, key, label, initial};
}
StepField Choice(const QString& key, const QString& label,
                 const QList<std::pair<QString, QString>>& choices)
{
    return {Type::Choice, key, label, choices.first().first, 0, 0, choices};
}
StepField Note(const QString& text)
{
    return {Type::Note, {}, text};
}

const QList<std::pair<QString, QString>> places = {{u"after"_s, u"名称后"_s},
                                                   {u"before"_s, u"名称前"_s},
                                                   {u"start"_s, u"从开头数第 N 个字符后"_s},
                                                   {u"end"_s, u"从末尾数第 N 个字符前"_s}};

} // namespace

const std::vector<RuleStepKind>& RuleStepKinds()
{
    static const std::vector<RuleStepKind> all = {
        {u"add"_s,
         u"添加文字"_s,
         {Text(u"text"_s, u"文字："_s), Choice(u"place"_s, u"位置："_s, places),
          Number(u"offset"_s, u"N："_s, 0, 0, 255)},
         &Make<AddTextStep>},
        {u"replace"_s,
         u"替换文字"_s,
         {Text(u"find"_s, u"查找："_s), Text(u"replaceWith"_s, u"替换为："_s),
          Flag(u"exactCase"_s, u"区分大小写"_s), Note(u"替换所有出现的地方；替换为空即删除。"_s)},
         &Make<ReplaceTextStep>},
        {u"number"_s,
         u"序号"_s,
         {Number(u"start"_s, u"起始："_s, 1, -999999, 999999),
          Number(u"increment"_s, u"步长："_s, 1, -9999, 9999),
          Number(u"width"_s, u"位数："_s, 0, 0, 20, u"自动"_s),
          Choice(u"place"_s, u"位置："_s, places), Number(u"offset"_s, u"N："_s, 0, 0, 255),
          Text(u"separator"_s, u"分隔（名称前后）："_s, u"_"_s),
          Flag(u"perParent"_s, u"每个父目录分别编号"_s),
          Note(u"序号按列表中的顺序（列表 → 排序）。"_s)},
         &Make<NumberStep>},
        {u"pad"_s,
         u"数字补零"_s,
         {Number(u"width"_s, u"位数："_s, 2, 0, 20, u"最长的数字"_s),
          Note(u"名称中每一串数字前补 0 到这个位数，如“第1集”→“第01集”；更长的不变。"
               u"“最长的数字”：补到列表中各原名称里最长的一串数字的位数。"_s)},
         &Make<PadNumbersStep>},
        {u"date"_s,
         u"日期"_s,
         {Choice(u"time"_s, u"日期："_s,
                 {{u"modified"_s, u"修改时间"_s}, {u"created"_s, u"创建时间"_s}}),
          Text(u"format"_s, u"格式："_s, u"yyyy-MM-dd"_s), Choice(u"place"_s, u"位置："_s, places),
          Number(u"offset"_s, u"N："_s, 0, 0, 255),
          Text(u"separator"_s, u"分隔（名称前后）："_s, u"_"_s),
          Note(u"格式：yyyy 年，M 或 MM 月，d 或 dd 日，HH 时，mm 分，如“yyyy年M月”。"
               u"文件系统不记录的时间不添加。"_s)},
         &Make<DateStep>},
        {u"remove"_s,
         u"删除"_s,
         {Number(u"first"_s, u"开头字符数："_s, 0, 0, 255),
          Number(u"last"_s, u"末尾字符数："_s, 0, 0, 255),
          {Type::Brackets, u"brackets"_s, u"括号："_s, QString()},
          Choice(u"bracketText"_s, u"删除："_s,
                 {{u"withText"_s, u"括号和其中的文字"_s}, {u"bracketsOnly"_s, u"只删除括号"_s}}),
          Flag(u"trim"_s, u"首尾空格（含全角空格）"_s, true)},
         &Make<RemoveStep>},
        {u"halfWidth"_s,
         u"全角转半角"_s,
         {Note(
             u"全角字母、数字、标点和全角空格转为半角；名称中不允许的字符（：？＊＂＜＞｜／＼）保留全角。"_s)},
         &Make<FullWidthToHalfWidthStep>},
        {u"chinese"_s,
         u"繁简转换"_s,
         {Choice(u"to"_s, u"转换："_s,
                 {{u"simplified"_s, u"繁体转简体"_s}, {u"traditional"_s, u"简体转繁体"_s}}),
          Note(u"按词语转换（OpenCC）。"_s)},
         &Make<ChineseConversionStep>},
        {u"numerals"_s,
         u"中文数字"_s,
         {Choice(u"to"_s, u"转换："_s,
                 {{u"digits"_s, u"中文数字转为阿拉伯数字"_s},
                  {u"chinese"_s, u"阿拉伯数字转为中文数字"_s}}),
          Flag(u"capitals"_s, u"大写（壹贰叁）"_s),
          Note(u"“第”之后、量词（集、季、部、卷、册、期、章、回、年、月等）之前或单独出现的中文数字"
               u"才转换，"
               u"词语中的（一些、统一、十分）不变。"_s)},
         &Make<ChineseNumeralStep>},
        {u"pinyin"_s,
         u"拼音"_s,
         {Choice(u"style"_s, u"转换为："_s,
                 {{u"plain"_s, u"全拼"_s},
                  {u"toned"_s, u"全拼（带声调）"_s},
                  {u"initials"_s, u"首字母"_s}}),
          Choice(u"separator"_s, u"音节之间："_s,
                 {{u"none"_s, u"不分隔"_s},
                  {u"space"_s, u"空格"_s},
                  {u"hyphen"_s, u"-"_s},
                  {u"underscore"_s, u"_"_s}}),
          Flag(u"capitals"_s, u"每个音节首字母大写"_s),
          Note(u"按词语取读音（重庆 chongqing、银行 yinhang），读音来自地球拼音词典；"
               u"汉字以外的字符不变。"_s)},
         &Make<PinyinStep>},
        {u"case"_s,
         u"大小写"_s,
         {Choice(u"to"_s, u"转换为："_s,
                 {{u"lower"_s, u"小写"_s},
                  {u"upper"_s, u"大写"_s},
                  {u"words"_s, u"每个单词首字母大写"_s}})},
         &Make<LetterCaseStep>},
        {u"encoding"_s,
         u"编码修复"_s,
         {Note(
             u"名称的字节不是 UTF-8 而是 GBK（旧压缩包、Windows 磁盘上的目录）时，转为同样文字的 UTF-8 名称。"_s)},
         &Make<EncodingRepairStep>},
        {u"regex"_s,
         u"正则替换"_s,
         {Text(u"pattern"_s, u"正则表达式："_s), Text(u"replaceWith"_s, u"替换为："_s),
          Flag(u"exactCase"_s, u"区分大小写"_s),
          Note(u"替换为中 \\1 或 $1 代表第一组括号匹配的文字。"_s)},
         &Make<RegexReplaceStep>},
    };
    return all;
}

const RuleStepKind* FindRuleStepKind(QStringView key)
{
    for (const RuleStepKind& kind : RuleStepKinds()) {
        if (kind.key == key)
            return &kind;
    }
    return nullptr;
}

const StepField* RuleStepKind::field(QStringView fieldKey) const
{
    for (const StepField& described : fields) {
        if (described.type != Type::Note && described.key == fieldKey)
            return &described;
    }
    return nullptr;
}

QJsonObject RuleStepKind::newStep() const
{
    return completed({});
}

QJsonObject RuleStepKind::completed(const QJsonObject& settings) const
{
    QJsonObject complete{{u"step"_s, key}};
    for (const StepField& field : fields) {
        const QJsonValue given = settings[field.key];
        switch (field.type) {
        case Type::Note:
            continue;
        case Type::Text:
        case Type::Brackets:
            complete.insert(field.key, given.isString() ? given : field.initial);
            break;
        case Type::Number:
            complete.insert(field.key, given.isDouble()
                                           ? std::clamp(given.toInt(field.initial.toInt()),
                                                        field.minimum, field.maximum)
                                           : field.initial.toInt());
            break;
        case Type::Flag:
            complete.insert(field.key, given.isBool() ? given : field.initial);
            break;
        case Type::Choice: {
            const bool known =
                std::any_of(field.choices.begin(), field.choices.end(),
                            [&](const auto& choice) { return choice.first == given.toString(); });
            complete.insert(field.key, known ? given : field.initial);
            break;
        }
        }
    }
    return complete;
}

StepSettings::StepSettings(const RuleStepKind& kind, const QJsonObject& settings)
    : m_kind(kind), m_values(kind.completed(settings))
{}

QJsonValue StepSettings::value(QStringView key) const
{
    Q_ASSERT_X(m_kind.field(key), "StepSettings", "a key the step's kind does not describe");
    return m_values[key];
}

QString StepSettings::text(QStringView key) const
{
    return value(key).toString();
}

int StepSettings::number(QStringView key) const
{
    return value(key).toInt();
}

bool StepSettings::flag(QStringView key) const
{
    return value(key).toBool();
}

QString StepSettings::choice(QStringView key) const
{
    return value(key).toString();
}

std::unique_ptr<RuleStep> MakeRuleStep(const QJsonObject& settings)
{
    const RuleStepKind* kind = FindRuleStepKind(settings[u"step"].toString());
    return kind ? kind->make(StepSettings(*kind, settings)) : nullptr;
}

TextPlace::TextPlace(const StepSettings& settings) : m_offset(settings.number(u"offset"))
{
    const QString place = settings.choice(u"place");
    m_place = place == u"before"  ? Place::Before
              : place == u"start" ? Place::FromStart
              : place == u"end"   ? Place::FromEnd
                                  : Place::After;
}

QString TextPlace::put(const QString& text, const QString& name, const QString& separator) const
{
    const qsizetype offset = std::min<qsizetype>(m_offset, name.size());
    switch (m_place) {
    case Place::Before:
        return text + separator + name;
    case Place::After:
        return name + separator + text;
    case Place::FromStart:
        return QString(name).insert(offset, text);
    case Place::FromEnd:
        break;
    }
    return QString(name).insert(name.size() - offset, text);
}

QString TextPlace::inWords() const
{
    switch (m_place) {
    case Place::Before:
        return u"名称前"_s;
    case Place::After:
        return u"名称后"_s;
    case Place::FromStart:
        return u"第 %1 个字符后"_s.arg(m_offset);
    case Place::FromEnd:
        break;
    }
    return u"倒数第 %1 个字符前"_s.arg(m_offset);
}
