// The small abstract interfaces the MVC framework talks through, and their
// identifiers. Identifiers are compile-time constants, so no unit depends on
// another unit's start-up order to compare them.
#pragma once

#include "framework/Types.h"

#include <cstdint>

class CDC;
class CWnd;
struct AFX_CMDHANDLERINFO;

namespace rw {

// A 128-bit interface identifier, laid out like the platform's GUID and
// compared as 16 raw bytes.
struct Guid {
  std::uint32_t data1;
  std::uint16_t data2;
  std::uint16_t data3;
  std::uint8_t data4[8];
};

constexpr bool operator==(const Guid& a, const Guid& b) {
  if (a.data1 != b.data1 || a.data2 != b.data2 || a.data3 != b.data3)
    return false;
  for (int i = 0; i < 8; ++i)
    if (a.data4[i] != b.data4[i])
      return false;
  return true;
}
constexpr bool operator!=(const Guid& a, const Guid& b) { return !(a == b); }

// 32-bit status codes of QueryInterface.
using HResult = std::int32_t;
constexpr HResult kOk = 0;
constexpr HResult kNoInterface = static_cast<HResult>(0x80004002u);

// A notification hint: an integer or a pointer, passed through unchanged.
using Hint = std::intptr_t;

inline constexpr Guid IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr Guid IID_IModel = {0xF0526981, 0xE944, 0x11D2, {0xB4, 0x12, 0x00, 0x60, 0x08, 0xAF, 0xE0, 0x59}};
inline constexpr Guid IID_IPresentation = {0xF0526982, 0xE944, 0x11D2, {0xB4, 0x12, 0x00, 0x60, 0x08, 0xAF, 0xE0, 0x59}};
inline constexpr Guid IID_IObserver = {0xF0526983, 0xE944, 0x11D2, {0xB4, 0x12, 0x00, 0x60, 0x08, 0xAF, 0xE0, 0x59}};
inline constexpr Guid IID_ISubject = {0xF0526984, 0xE944, 0x11D2, {0xB4, 0x12, 0x00, 0x60, 0x08, 0xAF, 0xE0, 0x59}};
inline constexpr Guid IID_IEventPoint = {0x47E1CE33, 0xD500, 0x11D2, {0x8C, 0xAB, 0x00, 0x10, 0xA4, 0xF3, 0x64, 0x66}};
inline constexpr Guid IID_IMvcRouter = {0x47E1CE36, 0xD500, 0x11D2, {0x8C, 0xAB, 0x00, 0x10, 0xA4, 0xF3, 0x64, 0x66}};
inline constexpr Guid IID_ISize2D = {0x3D80F542, 0xD51B, 0x11D2, {0x8C, 0xAB, 0x00, 0x10, 0xA4, 0xF3, 0x64, 0x66}};
inline constexpr Guid IID_IBounds2D = {0x3D80F544, 0xD51B, 0x11D2, {0x8C, 0xAB, 0x00, 0x10, 0xA4, 0xF3, 0x64, 0x66}};
inline constexpr Guid IID_IVisual = {0x3D80F545, 0xD51B, 0x11D2, {0x8C, 0xAB, 0x00, 0x10, 0xA4, 0xF3, 0x64, 0x66}};

// The root of every framework interface.
class IUnknown {
 public:
  virtual HResult QueryInterface(const Guid& iid, void** ppv) = 0;
  virtual int AddRef() = 0;
  virtual int Release() = 0;
  virtual ~IUnknown() = default;
};

class IObserver;

class ISubject : public IUnknown {
 public:
  virtual void AddObserver(IObserver* observer) = 0;
  virtual void RemoveObserver(IObserver* observer) = 0;
  virtual void UpdateAllObservers(IObserver* sender, Hint hint) = 0;
};

class IObserver : public IUnknown {
 public:
  virtual void OnUpdate(ISubject* subject, Hint hint) = 0;
  // Told by a subject that is being destroyed while the observer is still
  // registered; the observer must forget the subject and not call it.
  virtual void OnSubjectDestroyed(ISubject* subject) {}
};

// An event object made from a window message (no part of this system makes
// them; controllers that want them offer an event factory).
class IEvent : public IUnknown {};

// Asked of an event (IID_IEventPoint) for the point it happened at.
class IEventPoint : public IUnknown {
 public:
  virtual POINT GetPoint() const = 0;
};

class IEventListener : public IUnknown {
 public:
  virtual BOOL HandleEvent(IEvent* event) = 0;
};

class IEventRouter : public IUnknown {
 public:
  virtual BOOL RouteEvent(IEvent* event) = 0;
  virtual BOOL AddListener(IEventListener* listener) = 0;
  virtual BOOL RemoveListener(IEventListener* listener) = 0;
};

class IEventFactory : public IUnknown {
 public:
  virtual IEvent* MakeEvent(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  virtual IEvent* MakeCommandEvent(UINT id, int code) = 0;
};

}  // namespace rw

// Window messages and commands offered to a controller or viewport. The answer
// is TRUE when the message was handled; *pResult then holds its result.
class IMvcMsgHandler {
 public:
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) = 0;
  virtual BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) = 0;
  virtual ~IMvcMsgHandler() = default;
};
