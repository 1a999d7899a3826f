#include "RuleStep.h"

#include <QCoreApplication>

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

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(RuleStep)
};

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

QList<std::pair<QString, QString>> Places()
{
    return {{u"after"_s, Texts::tr("名称后")},
            {u"before"_s, Texts::tr("名称前")},
            {u"start"_s, Texts::tr("从开头数第 N 个字符后")},
            {u"end"_s, Texts::tr("从末尾数第 N 个字符前")}};
}

} // namespace

const std::vector<RuleStepKind>& RuleStepKinds()
{
    // In the interface's language, which is set once before the first window.
    static const std::vector<RuleStepKind> all = {
        {u"add"_s,
         Texts::tr("添加文字"),
         {Text(u"text"_s, Texts::tr("文字：")), Choice(u"place"_s, Texts::tr("位置："), Places()),
          Number(u"offset"_s, Texts::tr("N："), 0, 0, 255)},
         &Make<AddTextStep>},
        {u"replace"_s,
         Texts::tr("替换文字"),
         {Text(u"find"_s, Texts::tr("查找：")), Text(u"replaceWith"_s, Texts::tr("替换为：")),
          Flag(u"exactCase"_s, Texts::tr("区分大小写")),
          Note(Texts::tr("替换所有出现的地方；替换为空即删除。"))},
         &Make<ReplaceTextStep>},
        {u"number"_s,
         Texts::tr("序号"),
         {Number(u"start"_s, Texts::tr("起始："), 1, -999999, 999999),
          Number(u"increment"_s, Texts::tr("步长："), 1, -9999, 9999),
          Number(u"width"_s, Texts::tr("位数："), 0, 0, 20, Texts::tr("自动")),
          Choice(u"place"_s, Texts::tr("位置："), Places()),
          Number(u"offset"_s, Texts::tr("N："), 0, 0, 255),
          Text(u"separator"_s, Texts::tr("分隔（名称前后）："), u"_"_s),
          Flag(u"perParent"_s, Texts::tr("每个父目录分别编号")),
          Note(Texts::tr("序号按列表中的顺序（列表 → 排序）。"))},
         &Make<NumberStep>},
        {u"pad"_s,
         Texts::tr("数字补零"),
         {Number(u"width"_s, Texts::tr("位数："), 2, 0, 20, Texts::tr("最长的数字")),
          Note(Texts::tr("名称中每一串数字前补 0 到这个位数，如“第1集”→“第01集”；更长的不变。"
                         "“最长的数字”：补到列表中各原名称里最长的一串数字的位数。"))},
         &Make<PadNumbersStep>},
        {u"date"_s,
         Texts::tr("日期"),
         {Choice(u"time"_s, Texts::tr("日期："),
                 {{u"modified"_s, Texts::tr("修改时间")}, {u"created"_s, Texts::tr("创建时间")}}),
          Text(u"format"_s, Texts::tr("格式："), u"yyyy-MM-dd"_s),
          Choice(u"place"_s, Texts::tr("位置："), Places()),
          Number(u"offset"_s, Texts::tr("N："), 0, 0, 255),
          Text(u"separator"_s, Texts::tr("分隔（名称前后）："), u"_"_s),
          Note(Texts::tr("格式：yyyy 年，M 或 MM 月，d 或 dd 日，HH 时，mm 分，如“yyyy年M月”。"
                         "文件系统不记录的时间不添加。"))},
         &Make<DateStep>},
        {u"remove"_s,
         Texts::tr("删除"),
         {Number(u"first"_s, Texts::tr("开头字符数："), 0, 0, 255),
          Number(u"last"_s, Texts::tr("末尾字符数："), 0, 0, 255),
          {Type::Brackets, u"brackets"_s, Texts::tr("括号："), QString()},
          Choice(u"bracketText"_s, Texts::tr("删除："),
                 {{u"withText"_s, Texts::tr("括号和其中的文字")},
                  {u"bracketsOnly"_s, Texts::tr("只删除括号")}}),
          Flag(u"trim"_s, Texts::tr("首尾空格（含全角空格）"), true)},
         &Make<RemoveStep>},
        {u"halfWidth"_s,
         Texts::tr("全角转半角"),
         {Note(Texts::tr("全角字母、数字、标点和全角空格转为半角；名称中不允许的字符（：？＊＂＜＞"
                         "｜／＼）保留全角。"))},
         &Make<FullWidthToHalfWidthStep>},
        {u"chinese"_s,
         Texts::tr("繁简转换"),
         {Choice(u"to"_s, Texts::tr("转换："),
                 {{u"simplified"_s, Texts::tr("繁体转简体")},
                  {u"traditional"_s, Texts::tr("简体转繁体")}}),
          Note(Texts::tr("按词语转换（OpenCC）。"))},
         &Make<ChineseConversionStep>},
        {u"numerals"_s,
         Texts::tr("中文数字"),
         {Choice(u"to"_s, Texts::tr("转换："),
                 {{u"digits"_s, Texts::tr("中文数字转为阿拉伯数字")},
                  {u"chinese"_s, Texts::tr("阿拉伯数字转为中文数字")}}),
          Flag(u"capitals"_s, Texts::tr("大写（壹贰叁）")),
          Note(Texts::tr(
              "“第”之后、量词（集、季、部、卷、册、期、章、回、年、月等）之前或单独出现的中文数字"
              "才转换，"
              "词语中的（一些、统一、十分）不变。"))},
         &Make<ChineseNumeralStep>},
        {u"pinyin"_s,
         Texts::tr("拼音"),
         {Choice(u"style"_s, Texts::tr("转换为："),
                 {{u"plain"_s, Texts::tr("全拼")},
                  {u"toned"_s, Texts::tr("全拼（带声调）")},
                  {u"initials"_s, Texts::tr("首字母")}}),
          Choice(u"separator"_s, Texts::tr("音节之间："),
                 {{u"none"_s, Texts::tr("不分隔")},
                  {u"space"_s, Texts::tr("空格")},
                  {u"hyphen"_s, u"-"_s},
                  {u"underscore"_s, u"_"_s}}),
          Flag(u"capitals"_s, Texts::tr("每个音节首字母大写")),
          Note(Texts::tr("按词语取读音（重庆 chongqing、银行 yinhang），读音来自地球拼音词典；"
                         "汉字以外的字符不变。"))},
         &Make<PinyinStep>},
        {u"case"_s,
         Texts::tr("大小写"),
         {Choice(u"to"_s, Texts::tr("转换为："),
                 {{u"lower"_s, Texts::tr("小写")},
                  {u"upper"_s, Texts::tr("大写")},
                  {u"words"_s, Texts::tr("每个单词首字母大写")}})},
         &Make<LetterCaseStep>},
        {u"encoding"_s,
         Texts::tr("编码修复"),
         {Note(Texts::tr("名称的字节不是 UTF-8 而是 GBK（旧压缩包、Windows "
                         "磁盘上的目录）时，转为同样文字的 UTF-8 名称。"))},
         &Make<EncodingRepairStep>},
        {u"regex"_s,
         Texts::tr("正则替换"),
         {Text(u"pattern"_s, Texts::tr("正则表达式：")),
          Text(u"replaceWith"_s, Texts::tr("替换为：")),
          Flag(u"exactCase"_s, Texts::tr("区分大小写")),
          Note(Texts::tr("替换为中 \\1 或 $1 代表第一组括号匹配的文字。"))},
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
        return Texts::tr("名称前");
    case Place::After:
        return Texts::tr("名称后");
    case Place::FromStart:
        return Texts::tr("第 %1 个字符后").arg(m_offset);
    case Place::FromEnd:
        break;
    }
    return Texts::tr("倒数第 %1 个字符前").arg(m_offset);
}
