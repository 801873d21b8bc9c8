// The chart's main bar stands in groups of controls side by side (a label
// with its field, a group box with its buttons). A bar narrower than its
// template keeps the groups that fit in the first row and moves the rest
// into further rows, each as tall as the template, so no control is cut.
#pragma once
#include "framework/Portable.h"

#include <vector>

struct ChartBarPlaces {
  std::vector<CRect> controls;  // in the order given
  int rows = 1;
};

class ChartBarLayout {
 public:
  // controls: the template's places; width: the room the bar has.
  static ChartBarPlaces Wrap(const std::vector<CRect>& controls, int width,
                             int rowHeight);
};
