#pragma once

class QDialog;

namespace tarovin {

// Dresses one of Qt's boxes (message, input or file dialog) in the game's
// look: the palette, a wooden frame round a rounded cream card, the game's
// font at a size a player reads at a glance, buttons drawn like the game's
// own, and the game's drawn icons for the message box kinds. Only the look
// changes: texts, buttons, the default button and the answers stay Qt's.
// Call it before the box gets its icon and buttons.
void dressDialog(QDialog& dialog);

} // namespace tarovin
