#include "chart/ChartPrintLayout.h"

namespace {

const char kModifiedMarker[] = "   <<< Modified >>> ";

// Moves to the next header row.
int NextRow(int y, int h) { return static_cast<int>(y + 1.5 * h); }

RECT CircleAt(int x, int y, int h) { return RECT{x, y, x + h, y + h}; }

}  // namespace

ChartPrintLayout::Fit ChartPrintLayout::FitToPage(SIZE chart, int pw, int ph) {
  Fit fit = {false, 1, 1};
  if (pw <= 0 || ph <= 0) return fit;
  const double fx = chart.cx * 1.1 / pw;
  const double fy = chart.cy * 1.43 / ph;
  const bool byWidth = fx > 1.0 && (fy <= 1.0 || fx >= fy);
  const bool byHeight = fy > 1.0 && !byWidth;
  if (byWidth)
    fit = {true, static_cast<int>(chart.cx * 1.1), pw};
  else if (byHeight)
    fit = {true, static_cast<int>(chart.cy * 1.43), ph};
  return fit;
}

CString ChartPrintLayout::ProtocolName(const CString& title) {
  CString name = title;
  const int marker = name.Find(kModifiedMarker);
  if (marker >= 0) name = name.Left(marker);
  const int dot = name.Find('.');
  if (dot >= 0) name = name.Left(dot);
  name.MakeUpper();
  return name;
}

CString ChartPrintLayout::DateText(const std::tm& when) {
  char text[64] = "";
  std::strftime(text, sizeof text, "%Y-%m-%d", &when);
  return text;
}

CString ChartPrintLayout::TimeText(const std::tm& when) {
  char text[64] = "";
  std::strftime(text, sizeof text, "%H:%M:%S", &when);
  return text;
}

void ChartPrintLayout::DrawHeader(IChartPrintCanvas& canvas,
                                  const ChartPrintFacts& facts, int cw, int h,
                                  RECT& rectDraw) {
  const int xLabel = cw;
  const int xValue = 15 * cw;
  const int xLabel2 = 51 * cw;
  const int xValue2 = 73 * cw;
  const int xMarker2 = 84 * cw;
  CString text;

  int y = h / 2;
  canvas.Text(xLabel, y, "Protocol:");
  canvas.Text(xValue, y, facts.strProtocol);
  canvas.Text(xLabel2, y, "No. of items:");
  text.Format("ORG=%d, UP=%d, DWN=%d", facts.counts[0], facts.counts[1],
              facts.counts[2]);
  canvas.Text(xValue2, y, text);

  y = NextRow(y, h);
  canvas.Text(xLabel, y, "Address File:");
  canvas.Text(xValue, y, facts.strAddressFile);
  canvas.Text(xLabel2, y, "Max no. of items:");
  text.Format("ORG=%d, UP=%d, DWN=%d", facts.counts[3], facts.counts[4],
              facts.counts[5]);
  canvas.Text(xValue2, y, text);

  y = NextRow(y, h);
  canvas.Text(xLabel, y, "Array Type:");
  canvas.Text(xValue, y, facts.strArrayType);

  y = NextRow(y, h);
  canvas.Line(0, y, rectDraw.right, y);
  y = static_cast<int>(y + 0.5 * h);

  canvas.Text(xLabel, y, "Program:");
  canvas.Text(xValue, y, facts.strProgram);
  canvas.Circle(CircleAt(xLabel2, y, h), kOrgGreen, false);
  canvas.Text(52 * cw + h, y, "= ORG Section");
  canvas.Circle(CircleAt(xMarker2, y, h), kWhite, true);
  canvas.Text(85 * cw + h, y, "= Measurement not used");

  y = NextRow(y, h);
  canvas.Text(xLabel, y, "Date:");
  canvas.Text(xValue, y, facts.strDate);
  canvas.Circle(CircleAt(xLabel2, y, h), kSectionBlue, false);
  canvas.Text(52 * cw + h, y, "= Up/Dwn Section");

  y = NextRow(y, h);
  canvas.Text(xLabel, y, "Time:");
  canvas.Text(xValue, y, facts.strTime);
  canvas.Circle(CircleAt(xLabel2, y, h), kDuplicateRed, false);
  canvas.Text(52 * cw + h, y, "= Duplicate measurement");

  y = NextRow(y, h);
  canvas.Line(0, y, rectDraw.right, y);
  canvas.Line(50 * cw, rectDraw.top, 50 * cw, y);
  rectDraw.top += y + 2 * h;
}
