#include "framework/Portable.h"
#include "chart/ChartSamePlaceSearch.h"

ChartSamePlaceSearch::ChartSamePlaceSearch(const CVikaChartItemArray& items)
    : m_items(items) {
  for (int i = 0; i < items.GetSize(); ++i)
    Add(i);
}

void ChartSamePlaceSearch::Add(int index) {
  m_index.Insert(index, m_items[index]->GetX(), m_items[index]->GetDepth());
}

int ChartSamePlaceSearch::Find(const CVikaChartItem* item, int start) {
  const int size = m_items.GetSize();
  if (size == 0)
    return -1;
  if (start >= size)
    start = 0;
  m_candidates.clear();
  m_index.Candidates(item->GetX(), item->GetDepth(), m_candidates);
  int best = -1;
  int bestDistance = size;
  for (int index : m_candidates) {
    const int distance = (index - start + size) % size;
    if (distance >= bestDistance)
      continue;
    const CVikaChartItem* other = m_items[index];
    if (*other == *item || other->IsSamePlace(item)) {
      best = index;
      bestDistance = distance;
    }
  }
  return best;
}
