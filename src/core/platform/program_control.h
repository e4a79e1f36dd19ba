// Ends the running program.
#pragma once

class ProgramControl
{
public:
    virtual ~ProgramControl() = default;
    // Closes every window and leaves the event loop at once.
    virtual void end() = 0;
};
