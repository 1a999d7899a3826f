#pragma once

#include "TestPlatform.h"
#include "mainwindow/Form1.h"

// Another window of the program (another process, as far as the records go): its records are
// its own, over the same records folder.
struct OtherWindow
{
    explicit OtherWindow(TestPlatform& test) : window(test.platform) {}

    Form1 window;
};
