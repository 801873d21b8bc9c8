// The program's one application object (the class library provides WinMain).
#include "framework/Framework.h"
#include "app/G7KWinApp.h"

CG7KWinApp theApp;
