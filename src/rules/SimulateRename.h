#pragma once

class DirectoryListModel;
class FileSystem;
struct RenameRule;

// The preview pass: every row's proposed name and whether a folder of that name already
// exists beside it. Renames nothing. Returns false, changing nothing, when the selected rule's
// text is blank.
bool SimulateRename(DirectoryListModel& rows, FileSystem& fileSystem, const RenameRule& rule);
