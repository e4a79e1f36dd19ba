// The start routine called by the splash window.
#include "ui/startup.h"

#include "core/platform/random_source.h"
#include "ui/main_window.h"

std::unique_ptr<Form1> StartProgram(Platform &platform)
{
    platform.random.randomize();
    auto form = std::make_unique<Form1>(platform);
    form->Form_Load();
    form->FourbyFour_Click();
    form->resumeKeptGame();
    form->startMusic();
    form->show();
    return form;
}
