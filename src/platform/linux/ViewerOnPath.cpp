#include "ViewerOnPath.h"

#include <QStandardPaths>

QString ViewerOnPath::program()
{
    for (const QString& name : std::as_const(m_names)) {
        if (QString path = QStandardPaths::findExecutable(name); !path.isEmpty())
            return path;
    }
    return {};
}
