#pragma once

class QMessageBox;

namespace quorvel::ui {

// The style's icons for a box are 32-pixel pictures, and a box makes its icon's picture before it
// has a window, at one device pixel to the pixel: on a display of more, the icon is an enlarged,
// blurred picture. Here the box's window is made first and its icon drawn for that display. The
// box keeps its kind of icon, which says what it is to a screen reader.
void drawIconForItsDisplay(QMessageBox& box);

} // namespace quorvel::ui
