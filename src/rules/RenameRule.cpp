#include "RenameRule.h"

#include "TrimmedName.h"

#include <QJsonObject>

using namespace Qt::StringLiterals;

bool RenameRule::isBlank() const
{
    switch (kind) {
    case Kind::Append:
        return TrimSpaces(appendText).isEmpty();
    case Kind::Prepend:
        return TrimSpaces(prependText).isEmpty();
    case Kind::Replace:
        break;
    }
    return TrimSpaces(findText).isEmpty();
}

QJsonArray RenameRule::steps() const
{
    switch (kind) {
    case Kind::Append:
        return {
            QJsonObject{{u"step"_s, u"add"_s}, {u"text"_s, appendText}, {u"place"_s, u"after"_s}}};
    case Kind::Prepend:
        return {QJsonObject{
            {u"step"_s, u"add"_s}, {u"text"_s, prependText}, {u"place"_s, u"before"_s}}};
    case Kind::Replace:
        break;
    }
    // Letter case ignored, as the rule always did.
    return {QJsonObject{{u"step"_s, u"replace"_s},
                        {u"find"_s, findText},
                        {u"replaceWith"_s, replaceWith},
                        {u"exactCase"_s, false}}};
}
