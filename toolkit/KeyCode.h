#pragma once

// The key codes a screen's key handler is given: the letters and digits as
// their upper-case character, the others as below.
namespace tarovin::keyCode {

inline constexpr int backspace = 8;
inline constexpr int tab = 9;
inline constexpr int enter = 13;
inline constexpr int escape = 27;
inline constexpr int space = 32;

} // namespace tarovin::keyCode
