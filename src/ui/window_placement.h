// Placing windows and controls: twips, the dialogs' frame, centring on the screen.
#pragma once

#include <QRect>
#include <Qt>
#include <cmath>

class QWidget;

inline constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

// A place given in twips, in logical pixels.
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

// Puts a control at its place given in twips.
void placeInTwips(QWidget &widget, int left, int top, int width, int height);

// A fixed dialog: caption, system menu and close box, no maximise or minimise.
inline constexpr Qt::WindowFlags DialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint
                                               | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                               | Qt::WindowCloseButtonHint;

// Moves the window so that its frame is centred on its screen's available area.
void centreOnScreen(QWidget &window);
// Centres the window the first time it is shown; afterwards it stays where the player puts it.
void centreOnFirstShow(QWidget &window);
