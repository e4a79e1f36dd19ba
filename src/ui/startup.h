// Bringing up the main window with its first board.
#pragma once

#include <memory>

class Form1;
struct Platform;

// Seeds the random source, loads the main window, sets up a 4 x 4 numbers board,
// opens the music and shows the window.
std::unique_ptr<Form1> StartProgram(Platform &platform);
