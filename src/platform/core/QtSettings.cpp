#include "QtSettings.h"

#include <QSettings>

QVariant QtSettings::value(Key key) const
{
    return QSettings().value(nameOf(key), defaultOf(key));
}

void QtSettings::setValue(Key key, const QVariant& value)
{
    QSettings().setValue(nameOf(key), value);
}
