#pragma once

#include "platform/Settings.h"

// The settings where the system keeps a program's (the registry on Windows, a file under
// ~/.config on Linux), through QSettings.
class QtSettings : public Settings
{
public:
    QVariant value(Key key) const override;
    void setValue(Key key, const QVariant& value) override;
};
