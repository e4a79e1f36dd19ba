// Form1's Help menu: the help window and the two About windows.
#include "board/main_window.h"

void Form1::HelpMe_Click() {}
void Form1::AboutMe_Click() {}
void Form1::AboutMusic_Click() {}
