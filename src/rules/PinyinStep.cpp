#include "PinyinStep.h"

#include <QCoreApplication>

#include "ChineseConversionStep.h"
#include "platform/ChineseText.h"

#include <QFile>
#include <QHash>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PinyinStep)
};

// Readings as the dictionary writes them: "chong2 qing4".
struct PinyinDictionary
{
    QHash<QString, QString> phrases;
    QHash<char32_t, QString> characters; // the most frequent reading
    qsizetype longestPhrase = 1;         // in UTF-16 units
};

PinyinDictionary Load(const QString& path)
{
    PinyinDictionary dictionary;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return dictionary;
    QHash<char32_t, double> weights;
    bool body = false; // past the header, which ends with "..."
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (!body) {
            body = line == "...";
            continue;
        }
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 2)
            continue;
        const QString word = QString::fromUtf8(fields[0]);
        const QString reading = QString::fromUtf8(fields[1]);
        const QList<uint> points = word.toUcs4();
        if (points.size() == 1) {
            // Unweighted readings count in full; of equal weights the first listed wins.
            const double weight = fields.size() > 2 && fields[2].endsWith('%')
                                      ? fields[2].chopped(1).toDouble()
                                      : 100.0;
            const auto known = weights.constFind(points[0]);
            if (known == weights.constEnd() || weight > *known) {
                weights.insert(points[0], weight);
                dictionary.characters.insert(points[0], reading);
            }
        } else if (!dictionary.phrases.contains(word) && reading.count(u' ') + 1 == points.size()) {
            dictionary.phrases.insert(word, reading);
            dictionary.longestPhrase = std::max(dictionary.longestPhrase, word.size());
        }
    }
    return dictionary;
}

// Loaded once, by whichever thread first needs it.
const PinyinDictionary& Dictionary()
{
    static const PinyinDictionary dictionary = Load(PinyinDictionaryPath());
    return dictionary;
}

bool IsHan(char32_t c)
{
    return QChar::script(c) == QChar::Script_Han;
}

// The tone mark goes on a or e, on the o of ou, and otherwise on the last vowel.
QString WithToneMark(QString plain, int tone)
{
    if (tone < 1 || tone > 4)
        return plain;
    qsizetype at = plain.indexOf(u'a');
    if (at < 0)
        at = plain.indexOf(u'e');
    if (at < 0)
        at = plain.indexOf(u"ou");
    for (qsizetype i = plain.size() - 1; at < 0 && i >= 0; --i) {
        if (QStringView(u"iouü").contains(plain[i]))
            at = i;
    }
    if (at < 0)
        return plain; // m, ng, r
    static const QHash<QChar, QStringView> marks = {{u'a', u"āáǎà"}, {u'e', u"ēéěè"},
                                                    {u'i', u"īíǐì"}, {u'o', u"ōóǒò"},
                                                    {u'u', u"ūúǔù"}, {u'ü', u"ǖǘǚǜ"}};
    plain[at] = marks.value(plain[at])[tone - 1];
    return plain;
}

} // namespace

PinyinStep::PinyinStep(const StepSettings& settings)
    : m_style(settings.choice(u"style") == u"toned"      ? Style::Toned
              : settings.choice(u"style") == u"initials" ? Style::Initials
                                                         : Style::Plain),
      m_separator(settings.choice(u"separator") == u"space"        ? u" "_s
                  : settings.choice(u"separator") == u"hyphen"     ? u"-"_s
                  : settings.choice(u"separator") == u"underscore" ? u"_"_s
                                                                   : QString()),
      m_capitals(settings.flag(u"capitals"))
{}

QString PinyinStep::syllable(QStringView reading) const
{
    // "lv3": letters, ü written v, then the tone.
    const bool toned = !reading.isEmpty() && reading.back().isDigit();
    QString letters = (toned ? reading.chopped(1) : reading).toString();
    if (m_style == Style::Toned)
        letters =
            WithToneMark(letters.replace(u'v', u'ü'), toned ? reading.back().digitValue() : 5);
    else if (m_style == Style::Initials)
        letters.truncate(1);
    if (m_capitals && !letters.isEmpty())
        letters[0] = letters[0].toUpper();
    return letters;
}

std::optional<QString> PinyinStep::apply(const QString& name, const NameContext&) const
{
    const PinyinDictionary& dictionary = Dictionary();
    if (std::none_of(name.begin(), name.end(),
                     [](QChar c) { return c.isSurrogate() || IsHan(c.unicode()); }))
        return name;
    // Looked up as the dictionary writes: in traditional characters, one for one.
    QString lookup = ConvertedChinese(name, true).value_or(name);
    if (lookup.size() != name.size())
        lookup = name;
    QString result;
    bool afterSyllable = false;
    const auto addSyllable = [&](QStringView reading) {
        if (afterSyllable)
            result += m_separator;
        result += syllable(reading);
        afterSyllable = true;
    };
    for (qsizetype i = 0; i < name.size();) {
        const char32_t point = QStringView(name).mid(i).toUcs4().value(0);
        const qsizetype width = QChar::requiresSurrogates(point) ? 2 : 1;
        if (!IsHan(point)) {
            result += QStringView(name).sliced(i, width);
            afterSyllable = false;
            i += width;
            continue;
        }
        // The longest phrase the dictionary knows from here.
        qsizetype length = std::min(dictionary.longestPhrase, name.size() - i);
        for (; length > width; --length) {
            const auto phrase = dictionary.phrases.constFind(lookup.sliced(i, length));
            if (phrase == dictionary.phrases.constEnd())
                continue;
            for (const QStringView reading : QStringView(*phrase).split(u' '))
                addSyllable(reading);
            break;
        }
        if (length > width) {
            i += length;
            continue;
        }
        const char32_t looked = QStringView(lookup).mid(i).toUcs4().value(0);
        const QString reading =
            dictionary.characters.value(looked, dictionary.characters.value(point));
        if (reading.isEmpty()) {
            result += QStringView(name).sliced(i, width);
            afterSyllable = false;
        } else {
            addSyllable(reading);
        }
        i += width;
    }
    return result;
}

QString PinyinStep::inWords() const
{
    const QString style = m_style == Style::Toned      ? Texts::tr("带声调的拼音")
                          : m_style == Style::Initials ? Texts::tr("拼音首字母")
                                                       : Texts::tr("拼音");
    return Texts::tr("汉字转为%1").arg(style);
}

QString PinyinStep::problem() const
{
    return Dictionary().characters.isEmpty()
               ? Texts::tr("找不到拼音词典（%1）").arg(PinyinDictionaryPath())
               : QString();
}
