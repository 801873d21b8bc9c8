// Adds items one by one to the framework's arrays, as protocol reading and
// chart saving do, and prints the time per item at each size and its ratio
// to the smallest: the growth rule must keep that cost flat. Times on a
// shared machine also carry cache effects, so it prints the elements moved
// by regrowth per item added too, which depends on the growth rule alone.
#include "framework/Framework.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

template <class ARRAY, class MAKE>
double SecondsToAdd(int items, MAKE make) {
  const auto start = std::chrono::steady_clock::now();
  ARRAY array;
  for (int i = 0; i < items; ++i)
    array.Add(make(i));
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Elements copied to new storage per item added.
template <class ARRAY, class MAKE>
double MovesPerItem(int items, MAKE make) {
  ARRAY array;
  long long moved = 0;
  const void* data = nullptr;
  for (int i = 0; i < items; ++i) {
    array.Add(make(i));
    if (array.GetData() != data) {
      moved += i;
      data = array.GetData();
    }
  }
  return (double)moved / items;
}

template <class ARRAY, class MAKE>
void Report(const char* name, MAKE make) {
  const int sizes[] = {25000, 50000, 100000, 200000, 400000};
  // Warm the allocator at the largest size first, as a running program is:
  // otherwise the first large blocks pay for fresh pages and the ratio shows
  // the allocator's start-up rather than the growth rule.
  SecondsToAdd<ARRAY>(sizes[4], make);
  double first = 0;
  for (int items : sizes) {
    // Best of three: one run is too noisy on a shared machine.
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
      const double seconds = SecondsToAdd<ARRAY>(items, make);
      best = seconds < best ? seconds : best;
    }
    const double perItem = best * 1e9 / items;
    if (first == 0)
      first = perItem;
    std::printf("%-22s %8d %12.1f %8.2f %12.2f\n", name, items, perItem, perItem / first,
                MovesPerItem<ARRAY>(items, make));
  }
}

// glibc hands large freed blocks back to the kernel, so every run of the
// largest size would pay first-touch page faults (about 3 ns an item at
// 400,000) and the ratio would time the kernel, not the growth rule. Keep
// them in the heap, as a long-running program's heap does; G7K_BENCH_TRIM=1
// leaves the allocator as it is.
void KeepFreedBlocksInTheHeap() {
#if defined(__GLIBC__)
  const char* trim = std::getenv("G7K_BENCH_TRIM");
  if (trim != nullptr && trim[0] == '1')
    return;
  mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
#endif
}

}  // namespace

int main() {
  KeepFreedBlocksInTheHeap();
  std::printf("%-22s %8s %12s %8s %12s\n", "array", "items", "ns/item", "ratio", "moves/item");
  Report<CDWordArray>("CDWordArray", [](int i) { return (DWORD)i; });
  Report<CPtrArray>("CPtrArray", [](int i) { return (void*)(INT_PTR)(i + 1); });
  Report<CStringArray>("CStringArray", [](int i) {
    CString text;
    text.Format("ITEM%06d", i);
    return text;
  });
  Report<CArray<double, double>>("CArray<double>", [](int i) { return i * 0.5; });
  return 0;
}
