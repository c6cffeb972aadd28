#pragma once

#include <QString>

// The colours the screens and the game's boxes share, named for their role.
namespace tarovin::palette {

// The warm dark brown of the captions on the light panels and of the text in
// the game's boxes.
inline const QString captionBrown = QStringLiteral("#4A2C17");

} // namespace tarovin::palette
