#include "framework/Portable.h"
#include "design/VikaCommand.h"

void CVikaCommand::Clear() {
  m_bValid = FALSE;
  m_nC1 = m_nC2 = 0;
  for (int k = 0; k < MaxChannels; ++k)
    m_nP1[k] = m_nP2[k] = 0;
}

CVikaCommand::CVikaCommand(int channels) {
  Clear();
  m_nChannels = channels;
}

CVikaCommand::CVikaCommand(int c1, int c2, int p1, int p2) {
  Clear();
  m_bValid = TRUE;
  m_nChannels = 1;
  m_nC1 = c1;
  m_nC2 = c2;
  m_nP1[0] = p1;
  m_nP2[0] = p2;
}

CVikaCommand::CVikaCommand(int c1, int c2, const int p1[], const int p2[],
                           int channels) {
  Clear();
  m_nChannels = channels;
  if (channels < 1 || channels > MaxChannels)
    return;
  m_nC1 = c1;
  m_nC2 = c2;
  for (int k = 0; k < channels; ++k) {
    m_nP1[k] = p1[k];
    m_nP2[k] = p2[k];
  }
  m_bValid = TRUE;
}

CVikaCommand::CVikaCommand(const CVikaCommand& other) : CObject() {
  *this = other;
}

CVikaCommand& CVikaCommand::operator=(const CVikaCommand& other) {
  if (this == &other)
    return *this;
  m_bValid = other.m_bValid;
  m_nChannels = other.m_nChannels;
  m_nC1 = other.m_nC1;
  m_nC2 = other.m_nC2;
  for (int k = 0; k < MaxChannels; ++k) {
    m_nP1[k] = other.m_nP1[k];
    m_nP2[k] = other.m_nP2[k];
  }
  return *this;
}

static int UsedChannels(int channels) {
  if (channels < 0)
    return 0;
  return channels > CVikaCommand::MaxChannels ? CVikaCommand::MaxChannels
                                              : channels;
}

BOOL CVikaCommand::operator==(const CVikaCommand& other) const {
  if (m_nChannels != other.m_nChannels || m_nC1 != other.m_nC1 ||
      m_nC2 != other.m_nC2)
    return FALSE;
  for (int k = 0; k < UsedChannels(m_nChannels); ++k)
    if (m_nP1[k] != other.m_nP1[k] || m_nP2[k] != other.m_nP2[k])
      return FALSE;
  return TRUE;
}

BOOL CVikaCommand::Match(const CVikaCommand& other, UINT mask) const {
  if ((mask & MatchC1) && m_nC1 != other.m_nC1)
    return FALSE;
  if ((mask & MatchC2) && m_nC2 != other.m_nC2)
    return FALSE;
  if (!(mask & (MatchP1 | MatchP2)))
    return TRUE;
  if (m_nChannels != other.m_nChannels)
    return FALSE;
  for (int k = 0; k < UsedChannels(m_nChannels); ++k) {
    if ((mask & MatchP1) && m_nP1[k] != other.m_nP1[k])
      return FALSE;
    if ((mask & MatchP2) && m_nP2[k] != other.m_nP2[k])
      return FALSE;
  }
  return TRUE;
}

// Only real electrodes move: a pole array's missing electrodes and an empty
// channel must not turn into electrodes of the shifted spread.
void CVikaCommand::Shift(int k) {
  auto move = [k](int& electrode) {
    if (electrode > 0)
      electrode += k;
  };
  move(m_nC1);
  move(m_nC2);
  for (int ch = 0; ch < UsedChannels(m_nChannels); ++ch) {
    move(m_nP1[ch]);
    move(m_nP2[ch]);
  }
}

void CVikaCommand::ShiftUp(int k) { Shift(k); }
void CVikaCommand::ShiftDown(int k) { Shift(-k); }

int CVikaCommand::GetP1(int k) const {
  return k >= 0 && k < UsedChannels(m_nChannels) ? m_nP1[k] : NoChannel;
}

int CVikaCommand::GetP2(int k) const {
  return k >= 0 && k < UsedChannels(m_nChannels) ? m_nP2[k] : NoChannel;
}

void CVikaCommand::SetP1(int k, int value) {
  if (k >= 0 && k < UsedChannels(m_nChannels))
    m_nP1[k] = value;
}

void CVikaCommand::SetP2(int k, int value) {
  if (k >= 0 && k < UsedChannels(m_nChannels))
    m_nP2[k] = value;
}
