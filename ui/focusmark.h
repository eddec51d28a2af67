#pragma once

class QWidget;

// Scroll bars draw no mark when they have the focus in the usual styles, so
// that a keyboard user cannot see where the keys go: this gives every scroll
// bar in `window` a focus frame like the other controls'.
void markScrollBarFocus(QWidget *window);
