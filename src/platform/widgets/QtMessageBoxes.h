#pragma once

#include "platform/MessageBoxes.h"

// Real message boxes, owned by whichever window of the program is active.
class QtMessageBoxes : public MessageBoxes
{
public:
    bool askYesNo(const QString& title, const QString& text) override;
    void inform(const QString& title, const QString& text) override;
    void notify(const QString& title, const QString& text) override;
};
