#include "chart/ChartTexts.h"

#include <cstdlib>

#include "chart/VikaCableItem.h"
#include "chart/VikaChartItem.h"

CString ChartTexts::Counts(int orgEnabled, int upEnabled, int dwnEnabled,
                           int orgAll, int upAll, int dwnAll) {
  CString text;
  text.Format(
      "No. of entries\nOrg:\t%5d (%5d)\nUp:\t%5d (%5d)\nDwn:\t%5d (%5d)",
      orgEnabled, orgAll, upEnabled, upAll, dwnEnabled, dwnAll);
  return text;
}

CString ChartTexts::Separation(double value) {
  CString text;
  text.Format("%.2f", value);
  return text;
}

double ChartTexts::ParseDouble(const CString& text) {
  return std::strtod(static_cast<LPCTSTR>(text), NULL);
}

CString ChartTexts::Grid(char axis, int value) {
  CString text;
  text.Format("%c: %d", axis, value);
  return text;
}

int ChartTexts::ParseGrid(const CString& text) {
  if (text.GetLength() < 2) return 0;
  return std::atoi(static_cast<LPCTSTR>(text) + 2);
}

CString ChartTexts::Layout(BOOL bReciprocal) {
  CString text;
  text.Format("Layout: %s", bReciprocal ? "Reciprocal" : "Normal");
  return text;
}

ChartTexts::InfoLines ChartTexts::ForItem(const CVikaChartItem& item, double s,
                                          double o) {
  InfoLines lines;
  CString state;
  lines[0].Format("Link: %s", static_cast<LPCTSTR>(item.GetStateText(state)));
  const char* const names[4] = {"C1", "C2", "P1", "P2"};
  const int electrodes[4] = {item.m_nA, item.m_nB, item.m_nM, item.m_nN};
  for (int k = 0; k < 4; ++k) {
    const int e = electrodes[k];
    if (e < 1)
      lines[1 + k].Format("%s: -", names[k]);
    else
      lines[1 + k].Format("%s: %-2d\t(Cable: %2d, Takeout: %2d, Relay: %2d)",
                          names[k], e, item.GetCable(e), item.GetTakeout(e),
                          item.GetRelayAddress(e));
  }
  const double a = item.GetSpacing();
  lines[5].Format("Item: #%d", item.m_nLine);
  lines[6].Format("Midpoint:\t%.2f m", item.GetX() * s + o);
  lines[7].Format("Depth:\t\t%.2f m", item.GetDepth() * s);
  lines[8].Format("a:\t\t%.0f (=%.2f m)", a, item.GetSpacingFactor() * s * a);
  lines[9].Format("n:\t\t%.0f", item.GetLevel());
  lines[10].Format("Span:\t\t%.2f m", item.GetSpan() * s);
  lines[11].Format("Takeouts used: 1 of %d", item.GetSpacingFactor());
  return lines;
}

ChartTexts::InfoLines ChartTexts::ForTakeout(const CVikaCableItem& takeout,
                                             double s, double o) {
  InfoLines lines;
  CString state;
  lines[0].Format("Link: %s",
                  static_cast<LPCTSTR>(takeout.GetStateText(state)));
  lines[1].Format("Electrode:\t%2d", takeout.m_nElectrode);
  lines[2].Format("Cable:\t\t%2d", takeout.m_nCable);
  lines[3].Format("Takeout:\t%2d", takeout.m_nTakeout);
  lines[6].Format("X-location:\t%.2f m", takeout.GetX() * s + o);
  return lines;
}

namespace {

CString DuplicateLine(const CVikaChartItem& item, double s, double o) {
  CString state, line;
  item.GetStateText(state);
  line.Format(
      "Link: %3s \tItem: %4d \tC1=%3d \tC2=%3d \tP1=%3d \tP2=%3d \tX=%.2f m "
      "\tD=%.2f m",
      static_cast<LPCTSTR>(state), item.m_nLine, item.m_nA, item.m_nB,
      item.m_nM, item.m_nN, item.GetX() * s + o, item.GetDepth() * s);
  return line;
}

}  // namespace

std::vector<CString> ChartTexts::DuplicateLines(const CVikaChartItem* item,
                                                double s, double o) {
  const CVikaChartItemArray* duplicates = item ? item->GetDuplicates() : NULL;
  if (duplicates == NULL) return {" --- NO DUPLICATES FOUND! ---"};
  std::vector<CString> lines = {DuplicateLine(*item, s, o)};
  for (int i = 0; i < duplicates->GetSize(); ++i)
    lines.push_back(DuplicateLine(*duplicates->GetAt(i), s, o));
  return lines;
}
