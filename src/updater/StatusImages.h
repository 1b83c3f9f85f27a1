// The three 16 x 16 status pictures of the updater's dialog, drawn in code.
#pragma once

#include <QPixmap>

namespace vantor {

enum class TStatusImage {
    Working = 0, // a black arrow pointing right
    Success = 1, // a green tick
    Failure = 2, // a red struck-through circle with an exclamation mark
};

constexpr int StatusImageSize = 16;

// Transparent where nothing is drawn.
QPixmap StatusImage(TStatusImage AImage);

} // namespace vantor
