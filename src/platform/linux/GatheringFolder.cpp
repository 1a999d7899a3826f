#include "platform/core/GatheredStarts.h"

#include <QStandardPaths>

using namespace Qt::StringLiterals;

// The user's runtime folder is the user's alone and lasts as long as the logon.
QString GatheredStarts::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           u"/folder-batch-rename-starts-"_s + qEnvironmentVariable("XDG_SESSION_ID");
}
