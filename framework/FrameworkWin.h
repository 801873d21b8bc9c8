// The Win32 half of the class library.
#pragma once
