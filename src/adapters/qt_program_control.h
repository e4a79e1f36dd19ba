// Ends the program: every window goes, the event loop ends.
#pragma once

#include "core/platform/program_control.h"

class QtProgramControl : public ProgramControl
{
public:
    void end() override;
};
