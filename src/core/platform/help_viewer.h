// Shows the program's help.
#pragma once

#include <QString>

class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    // Opens the help file at its contents and index.
    virtual void showContentsAndIndex(const QString &helpFile) = 0;
};
