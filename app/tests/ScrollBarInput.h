// Presses the mouse on a scroll bar control as a user does (tests only).
#pragma once

#include <windows.h>

enum class ScrollBarPart { ArrowOn, TroughOn, Thumb, ArrowBack };

// Presses on the part and lets go there; a press on the thumb drags it
// nDrag pixels on. The bar runs its own tracking loop meanwhile.
void PressOnScrollBar(HWND hBar, ScrollBarPart part, int nDrag = 20);
