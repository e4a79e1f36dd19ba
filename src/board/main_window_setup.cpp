// Form1's Game menu: opening the Number Setup and Picture Setup dialogs.
#include "board/main_window.h"

void Form1::Numbers_Click() {}
void Form1::Pictures_Click() {}
