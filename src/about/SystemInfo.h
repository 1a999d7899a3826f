#pragma once

class MessageBoxes;
class Shell;
class SystemInfoViewer;

// Starts the system-information viewer, or says that it is not available.
void StartSysInfo(SystemInfoViewer& viewer, Shell& shell, MessageBoxes& messageBoxes);
