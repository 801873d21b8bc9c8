// CPoint, CSize and CRect together.
#pragma once

#include "framework/Point.h"
#include "framework/Size.h"
#include "framework/Rect.h"
