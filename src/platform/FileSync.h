#pragma once

class QFileDevice;

// Hands what was written to the open file over to the disk itself, so that it survives a
// power cut; false when the disk did not take it. Each platform's file system defines it.
bool SyncToDisk(QFileDevice& file);
