#pragma once

class QWidget;

// Closes the window, as its close box does, when the session asks the program to end
// (SIGTERM, SIGINT or SIGHUP), so that the program ends the way it always does.
void CloseOnTerminationSignals(QWidget& window);
