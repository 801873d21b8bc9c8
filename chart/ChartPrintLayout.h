// What a printed chart page holds besides the chart: the fit of the chart
// to the page, and the header with the protocol's facts and the legend of
// the marker colours. Drawing goes through a canvas, so the layout is the
// same on a printer and in a test.
#pragma once
#include "framework/Portable.h"

#include <ctime>

class IChartPrintCanvas {
 public:
  virtual ~IChartPrintCanvas() = default;
  virtual void Text(int x, int y, const CString& text) = 0;
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  // A filled circle in rc; bGreyOutline draws it with the light grey pen of
  // a disabled marker instead of the current pen.
  virtual void Circle(const RECT& rc, COLORREF fill, bool bGreyOutline) = 0;
};

struct ChartPrintFacts {
  CString strProtocol;  // as the print shows it (see ProtocolName)
  CString strAddressFile;
  CString strArrayType;
  int counts[6];  // enabled ORG, UP, DWN, then all ORG, UP, DWN
  CString strProgram;
  CString strDate;
  CString strTime;
};

class ChartPrintLayout {
 public:
  // The window extent scaling that fits the chart on the page: the window
  // extent is scaled by num / den on both axes when bScale is set.
  struct Fit {
    bool bScale;
    int num;
    int den;
  };
  static Fit FitToPage(SIZE chart, int pageWidth, int pageHeight);

  // The document title without the modified marker, cut before its first
  // '.', upper-cased.
  static CString ProtocolName(const CString& title);
  static CString DateText(const std::tm& when);
  static CString TimeText(const std::tm& when);

  // Draws the header from the top of rectDraw with characters cw wide and
  // h high, then moves rectDraw's top below it.
  static void DrawHeader(IChartPrintCanvas& canvas,
                         const ChartPrintFacts& facts, int cw, int h,
                         RECT& rectDraw);

  static constexpr COLORREF kOrgGreen = RGB(0, 160, 0);
  static constexpr COLORREF kSectionBlue = RGB(0, 0, 255);
  static constexpr COLORREF kDuplicateRed = RGB(255, 0, 0);
  static constexpr COLORREF kInactiveGrey = RGB(210, 210, 210);
  static constexpr COLORREF kWhite = RGB(255, 255, 255);
};
