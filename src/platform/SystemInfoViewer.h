#pragma once

#include <QString>

// Where the system's information viewer is installed.
class SystemInfoViewer
{
public:
    virtual ~SystemInfoViewer() = default;

    // The viewer's program; empty when none is known.
    virtual QString program() = 0;
};
