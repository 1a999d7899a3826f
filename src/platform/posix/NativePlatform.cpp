#include "platform/NativePlatform.h"

#include "LinuxRegistry.h"
#include "PosixFileSystem.h"
#include "platform/QtJournal.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtShell.h"

using namespace Qt::StringLiterals;

struct NativePlatform::Objects
{
    PosixFileSystem fileSystem;
    QtShell shell;
    QtMessageBoxes messageBoxes;
    QtJournal journal;
    LinuxRegistry registry;
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
    return {u"Noto Sans CJK SC"_s,    u"Noto Sans SC"_s,      u"Source Han Sans SC"_s,
            u"WenQuanYi Micro Hei"_s, u"WenQuanYi Zen Hei"_s, u"Droid Sans Fallback"_s};
}
