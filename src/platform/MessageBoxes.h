#pragma once

#include <QString>

// The program's message boxes. Each call blocks until the user answers.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;

    // Question icon, Yes and No, Yes the default. True only for Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
    // Information icon, OK.
    virtual void inform(const QString& title, const QString& text) = 0;
    // No icon, OK.
    virtual void notify(const QString& title, const QString& text) = 0;
};
