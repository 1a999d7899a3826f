#include "platform/NativePlatform.h"

#include "WindowsFileSystem.h"
#include "WindowsRegistry.h"
#include "platform/QtJournal.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtShell.h"

using namespace Qt::StringLiterals;

struct NativePlatform::Objects
{
    WindowsFileSystem fileSystem;
    QtShell shell;
    QtMessageBoxes messageBoxes;
    QtJournal journal;
    WindowsRegistry registry;
};

NativePlatform::NativePlatform()
    : m_objects(std::make_unique<Objects>()),
      m_platform(std::make_unique<Platform>(Platform{m_objects->fileSystem, m_objects->shell,
                                                     m_objects->messageBoxes, m_objects->registry,
                                                     m_objects->journal}))
{}

NativePlatform::~NativePlatform() = default;

QStringList InterfaceFontFamilies()
{
    return {u"Microsoft YaHei UI"_s, u"SimSun"_s};
}
