#pragma once

class FileSystem;
class MessageBoxes;
class PassRunner;
class RecordFiles;
class Settings;
class Shell;
class SystemInfoViewer;

// The platform objects the windows work through; created in main() or by a test.
struct Platform
{
    FileSystem& fileSystem;
    Shell& shell;
    MessageBoxes& messageBoxes;
    SystemInfoViewer& viewer;
    RecordFiles& recordFiles;
    PassRunner& passes;
    Settings& settings;
};
