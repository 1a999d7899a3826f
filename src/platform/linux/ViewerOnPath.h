#pragma once

#include "platform/SystemInfoViewer.h"

#include <QStringList>

// Linux keeps no registry: the viewer is the first of a few known ones on the search path,
// looked up at every asking, as one may have been installed meanwhile.
class ViewerOnPath : public SystemInfoViewer
{
public:
    explicit ViewerOnPath(QStringList names = {QStringLiteral("hardinfo2"),
                                               QStringLiteral("hardinfo"),
                                               QStringLiteral("kinfocenter"),
                                               QStringLiteral("gnome-system-monitor")})
        : m_names(std::move(names))
    {}

    QString program() override;

private:
    QStringList m_names;
};
