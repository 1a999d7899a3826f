#pragma once

class FileSystem;
class Journal;
class MessageBoxes;
class PassRunner;
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
    Journal& journal;
    PassRunner& passes;
    Settings& settings;
};
