// CSize lives with CPoint (each uses the other).
#pragma once

#include "framework/Point.h"
