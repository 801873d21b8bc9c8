// A request of the menu bar to drop a popup down, and the one request that
// waits while another popup is still being tracked. The waiting request is
// kept by value: a new one replaces it whole, and nothing the tracking loop
// still reads is freed under it.
#pragma once

#include "framework/Types.h"

#include <optional>

struct MenuDropRequest
{
    UINT_PTR idOrMenu = 0;   // menu resource id (index >= 0) or menu handle (index -1)
    int nIndex = -1;         // popup index; -1 with 0 above: the frame's system menu
    int nButton = -1;        // the bar button that asked, -1 for none
    // Where the chosen command of another window's system menu goes (the
    // maximised MDI child's) as WM_SYSCOMMAND; null: the frame's usual way.
    HWND hSysCommandTarget = nullptr;

    bool IsSystemMenu() const { return nIndex < 0 && idOrMenu == 0; }
};

class MenuDropQueue
{
public:
    void Put(const MenuDropRequest& request) { m_request = request; }
    // The waiting request, leaving the queue empty.
    std::optional<MenuDropRequest> Take()
    {
        std::optional<MenuDropRequest> request = m_request;
        m_request.reset();
        return request;
    }
    bool IsEmpty() const { return !m_request.has_value(); }
    void Clear() { m_request.reset(); }

private:
    std::optional<MenuDropRequest> m_request;
};
