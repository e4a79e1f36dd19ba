// Placing top-level windows.
#pragma once

class QWidget;

// Moves the window so that its frame is centred on its screen's available area.
void centreOnScreen(QWidget &window);
