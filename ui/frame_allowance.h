#pragma once

namespace lz::ui {

// Window sizes in templates are outer sizes, frame included, but Qt sizes a top-level
// widget by its client area. The window manager's real frame is only known after the
// window is shown, so the builder subtracts a fixed allowance that matches a classic
// single-border frame with a caption: 4 px on the left, right and bottom border, 27 px
// for the caption bar plus its top border.
inline constexpr int kFrameLeft = 4;
inline constexpr int kFrameRight = 4;
inline constexpr int kFrameTop = 27;
inline constexpr int kFrameBottom = 4;

inline constexpr int clientWidthFor(int outerWidth) {
    return outerWidth - kFrameLeft - kFrameRight;
}
inline constexpr int clientHeightFor(int outerHeight) {
    return outerHeight - kFrameTop - kFrameBottom;
}

}  // namespace lz::ui
