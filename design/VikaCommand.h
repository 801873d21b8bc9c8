// One measurement command of a Vika protocol: current electrodes C1 and C2
// shared by all channels, and a potential pair P1/P2 per receiver channel.
// Electrodes are 1-based; 0 or a negative number means no electrode.
#pragma once
#include "framework/Portable.h"

class CVikaCommand : public CObject {
 public:
  enum { MaxChannels = 4, NoChannel = -32767 };
  // Match mask bits.
  enum { MatchC1 = 1, MatchC2 = 2, MatchP1 = 4, MatchP2 = 8 };

  // Not valid, all electrodes zero.
  explicit CVikaCommand(int channels = 1);
  // Valid one-channel command.
  CVikaCommand(int c1, int c2, int p1, int p2);
  // Valid when channels is 1..4; the first channels entries are copied.
  CVikaCommand(int c1, int c2, const int p1[], const int p2[], int channels);
  CVikaCommand(const CVikaCommand& other);
  CVikaCommand& operator=(const CVikaCommand& other);

  // Same channels, C1, C2 and used potential pairs; validity is ignored.
  BOOL operator==(const CVikaCommand& other) const;
  BOOL operator!=(const CVikaCommand& other) const { return !(*this == other); }
  virtual BOOL Match(const CVikaCommand& other, UINT mask) const;

  // Roll-along shift; absent electrodes (<= 0) stay absent.
  void ShiftUp(int k);
  void ShiftDown(int k);

  int GetP1(int k) const;
  int GetP2(int k) const;
  void SetP1(int k, int value);
  void SetP2(int k, int value);

  BOOL m_bValid;
  int m_nChannels;
  int m_nC1;
  int m_nC2;
  int m_nP1[MaxChannels];
  int m_nP2[MaxChannels];

 private:
  void Clear();
  void Shift(int k);
};

using CVikaCommandArray = CArray<CVikaCommand, CVikaCommand&>;
