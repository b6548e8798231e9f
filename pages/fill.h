// The two fills on the page in memory, animated in the main window with their sounds.
#pragma once

// Floods the area around page position (x, y) with colour nColour (1..224) in lpDib,
// animating it in the main window; returns when the area is done and shown.
void ColourFill(int x, int y, int nColour);

// Sets every non-outline pixel of lpDib back to blank in a wave from the page centre.
void ClearFill();
