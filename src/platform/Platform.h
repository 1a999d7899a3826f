#pragma once

class FileSystem;
class Journal;
class MessageBoxes;
class PassRunner;
class Registry;
class Shell;

// The platform objects the windows work through; created in main() or by a test.
struct Platform
{
    FileSystem& fileSystem;
    Shell& shell;
    MessageBoxes& messageBoxes;
    Registry& registry;
    Journal& journal;
    PassRunner& passes;
};
