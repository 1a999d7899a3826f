#pragma once

#include "Shell.h"

// The desktop's default handlers, through Qt.
class QtShell : public Shell
{
public:
    bool openLocalPath(const QString& path) override;
    bool openWebAddress(const QString& address) override;
    bool startProgram(const QString& program) override;
};
