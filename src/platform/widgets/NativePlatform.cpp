#include "NativePlatform.h"

#include "NativeObjects.h" // from the platform's own folder

NativePlatform::NativePlatform()
    : m_objects(std::make_unique<Objects>()),
      m_platform(std::make_unique<Platform>(Platform{
          m_objects->fileSystem, m_objects->shell, m_objects->messageBoxes, m_objects->viewer,
          m_objects->recordFiles, m_objects->passes, m_objects->settings}))
{}

NativePlatform::~NativePlatform() = default;
