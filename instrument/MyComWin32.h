// The program's serial port: the Win32 port whose idle hook keeps the
// windows alive while the library waits.
#pragma once

#include "framework/Framework.h"

#include "CPP_ALL/GFComWin32.h"

class MyComWin32 : public GFComWin32 {
public:
    MyComWin32(int index, int inSize, int outSize) : GFComWin32(index, inSize, outSize) {}
    ~MyComWin32() override = default;

    // Dispatches the waiting messages; TRUE when one was WM_CLOSE or
    // WM_QUIT. Never negative, so it never ends a wait by itself.
    int IdleHook() override;
};
