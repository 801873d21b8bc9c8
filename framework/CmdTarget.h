// Command targets and message maps: a class lists the messages and commands
// it handles in a static table; lookups walk the table, then the base
// class's table, and so on.
#pragma once

#include "framework/WinDefs.h"
#include "framework/Object.h"

class CCmdTarget;
class CCmdUI;
class CWnd;

typedef void (CCmdTarget::*AFX_PMSG)();

// How a map entry's handler is called.
enum AfxSig : int
{
    AfxSig_end = 0,
    // Commands and notifications (CCmdTarget members).
    AfxSigCmd_v,        // void ()
    AfxSigCmd_EX,       // BOOL (UINT id)
    AfxSigCmd_RANGE,    // void (UINT id)
    AfxSigCmdUI,        // void (CCmdUI*)
    AfxSigNotify_v,     // void (NMHDR*, LRESULT*)
    AfxSigNotify_RANGE, // void (UINT id, NMHDR*, LRESULT*)
    AfxSigNotify_EX,    // BOOL (UINT id, NMHDR*, LRESULT*)
    // Window messages (CWnd members).
    AfxSig_l_wl,        // LRESULT (WPARAM, LPARAM)
    AfxSig_v_v,         // void ()
    AfxSig_i_s,         // int (LPCREATESTRUCT)
    AfxSig_b_s,         // BOOL (LPCREATESTRUCT)
    AfxSig_v_uii,       // void (UINT, int, int): WM_SIZE
    AfxSig_v_ii,        // void (int, int): WM_MOVE
    AfxSig_b_D,         // BOOL (CDC*): WM_ERASEBKGND
    AfxSig_v_bp,        // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_l_p,         // LRESULT (CPoint): WM_NCHITTEST
    AfxSig_b_b,         // BOOL (BOOL): WM_NCACTIVATE
    AfxSig_v_up,        // void (UINT, CPoint): mouse and non-client mouse
    AfxSig_v_uWb,       // void (UINT, CWnd*, BOOL): WM_ACTIVATE
    AfxSig_v_bh,        // void (BOOL, DWORD): WM_ACTIVATEAPP
    AfxSig_i_Wuu,       // int (CWnd*, UINT, UINT): WM_MOUSEACTIVATE
    AfxSig_b_Wuu,       // BOOL (CWnd*, UINT, UINT): WM_SETCURSOR
    AfxSig_v_bWW,       // void (BOOL, CWnd*, CWnd*): WM_MDIACTIVATE
    AfxSig_v_W,         // void (CWnd*): focus
    AfxSig_v_b,         // void (BOOL): WM_ENABLE
    AfxSig_v_bu,        // void (BOOL, UINT): WM_SHOWWINDOW
    AfxSig_v_pwp,       // void (WINDOWPOS*)
    AfxSig_b_uzp,       // BOOL (UINT, short, CPoint): WM_MOUSEWHEEL
    AfxSig_v_uuu,       // void (UINT, UINT, UINT): keys
    AfxSig_v_ul,        // void (UINT, LPARAM): WM_SYSCOMMAND
    AfxSig_v_t,         // void (UINT_PTR): WM_TIMER
    AfxSig_v_uuS,       // void (UINT, UINT, CScrollBar*): scrolling
    AfxSig_v_Wp,        // void (CWnd*, CPoint): WM_CONTEXTMENU
    AfxSig_u_v,         // UINT (): WM_GETDLGCODE
    AfxSig_v_us,        // void (UINT, LPCTSTR): WM_SETTINGCHANGE
    AfxSig_v_Fb,        // void (CFont*, BOOL): WM_SETFONT
    AfxSig_v_Mub,       // void (CMenu*, UINT, BOOL): WM_INITMENUPOPUP
    AfxSig_v_uuM,       // void (UINT, UINT, HMENU): WM_MENUSELECT
    AfxSig_l_uuM,       // LRESULT (UINT, UINT, CMenu*): WM_MENUCHAR
    AfxSig_v_iMIS,      // void (int, LPMEASUREITEMSTRUCT)
    AfxSig_v_iDIS,      // void (int, LPDRAWITEMSTRUCT)
    AfxSig_v_uW,        // void (UINT, CWnd*): WM_ENTERIDLE
    AfxSig_hb_DWu,      // HBRUSH (CDC*, CWnd*, UINT): WM_CTLCOLOR*
    AfxSig_v_hd,        // void (HDROP): WM_DROPFILES
    AfxSig_v_mmi,       // void (MINMAXINFO*): WM_GETMINMAXINFO
    AfxSig_v_pDIS,      // void (LPDRAWITEMSTRUCT): reflected WM_DRAWITEM
    AfxSig_v_pMIS,      // void (LPMEASUREITEMSTRUCT): reflected WM_MEASUREITEM
    AfxSig_hb_Du,       // HBRUSH (CDC*, UINT): reflected WM_CTLCOLOR
};

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;          // message, or WM_COMMAND / WM_NOTIFY for commands
    UINT nCode;             // notification code
    UINT nID;               // first control or command id
    UINT nLastID;           // last id of a range
    int nSig;               // AfxSig
    const UINT* pRegistered;// registered message variable, or null
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled when OnCmdMsg is only asked whether a handler exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// pExtra of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Dispatches a command, a command-UI update or a notification through the
    // message map chain. nCode is CN_COMMAND, CN_UPDATE_COMMAND_UI, a
    // WM_COMMAND notification code, or MAKELONG(code, WM_NOTIFY) (optionally
    // offset by WM_REFLECT_BASE for reflected notifications).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The entry of a map chain for a command-like message, or null.
    static const AFX_MSGMAP_ENTRY* FindCommandEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID);
};

// Marks message handlers in class declarations; it adds nothing.
#define afx_msg

// Message map declaration and definition.
#define DECLARE_MESSAGE_MAP() \
public: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const; \
protected:

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass) \
    template <typename type_name> \
    const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const { return GetThisMessageMap(); } \
    template <typename type_name> \
    const AFX_MSGMAP* theClass<type_name>::GetThisMessageMap() \
    { \
        typedef theClass<type_name> ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, AfxSig_end, nullptr, nullptr } }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
        return &messageMap; \
    }

// Handlers are given by bare member name (OnFoo) or qualified by a base class
// (CWinApp::OnFileNew); the entry casts them to the signature it calls.
#define AFX_PMSG_CAST(type, memberFxn) \
    reinterpret_cast<AFX_PMSG>(static_cast<type>(&ThisClass::memberFxn))

#define AFX_CMD_ENTRY(msg, code, id, lastId, sig, type, memberFxn) \
    { (UINT)(msg), (UINT)(code), (UINT)(id), (UINT)(lastId), sig, nullptr, AFX_PMSG_CAST(type, memberFxn) },

// Commands.
#define ON_COMMAND(id, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxSigCmd_v, void (CCmdTarget::*)(), memberFxn)
#define ON_COMMAND_EX(id, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxSigCmd_EX, BOOL (CCmdTarget::*)(UINT), memberFxn)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, AfxSigCmd_EX, BOOL (CCmdTarget::*)(UINT), memberFxn)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, AfxSigCmd_RANGE, void (CCmdTarget::*)(UINT), memberFxn)
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, AfxSigCmdUI, void (CCmdTarget::*)(CCmdUI*), memberFxn)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, AfxSigCmdUI, void (CCmdTarget::*)(CCmdUI*), memberFxn)

// Control notifications (WM_COMMAND).
#define ON_CONTROL(code, id, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, (WORD)(code), id, id, AfxSigCmd_v, void (CCmdTarget::*)(), memberFxn)
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, (WORD)(code), id, idLast, AfxSigCmd_RANGE, void (CCmdTarget::*)(UINT), memberFxn)
#define ON_CONTROL_REFLECT(code, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND + WM_REFLECT_BASE, (WORD)(code), 0, 0, AfxSigCmd_v, void (CCmdTarget::*)(), memberFxn)
#define ON_BN_CLICKED(id, memberFxn)      ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn)       ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn)       ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn)    ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn)     ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn)   ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn)      ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn)    ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn)   ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn)   ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn)   ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn)    ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn)    ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn)   ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn)  ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn)    ON_CONTROL(CBN_DROPDOWN, id, memberFxn)

// WM_NOTIFY.
#define ON_NOTIFY(code, id, memberFxn) \
    AFX_CMD_ENTRY(WM_NOTIFY, (WORD)(int)(code), id, id, AfxSigNotify_v, void (CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_NOTIFY, (WORD)(int)(code), id, idLast, AfxSigNotify_RANGE, void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_EX(code, id, memberFxn) \
    AFX_CMD_ENTRY(WM_NOTIFY, (WORD)(int)(code), id, id, AfxSigNotify_EX, BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_EX_RANGE(code, id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_NOTIFY, (WORD)(int)(code), id, idLast, AfxSigNotify_EX, BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_REFLECT(code, memberFxn) \
    AFX_CMD_ENTRY(WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(code), 0, 0, AfxSigNotify_v, void (CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)

// Any message.
#define ON_MESSAGE(message, memberFxn) \
    AFX_CMD_ENTRY(message, 0, 0, 0, AfxSig_l_wl, LRESULT (CWnd::*)(WPARAM, LPARAM), memberFxn)
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    { 0xC000, 0, 0, 0, AfxSig_l_wl, &(nMessageVariable), AFX_PMSG_CAST(LRESULT (CWnd::*)(WPARAM, LPARAM), memberFxn) },
#define ON_THREAD_MESSAGE(message, memberFxn) ON_MESSAGE(message, memberFxn)

// Window messages with their usual handler names.
#define AFX_WM_ENTRY(msg, sig, type, fxn) \
    { (UINT)(msg), 0, 0, 0, sig, nullptr, AFX_PMSG_CAST(type, fxn) },
#define ON_WM_CREATE()          AFX_WM_ENTRY(WM_CREATE, AfxSig_i_s, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_NCCREATE()        AFX_WM_ENTRY(WM_NCCREATE, AfxSig_b_s, BOOL (CWnd::*)(LPCREATESTRUCT), OnNcCreate)
#define ON_WM_DESTROY()         AFX_WM_ENTRY(WM_DESTROY, AfxSig_v_v, void (CWnd::*)(), OnDestroy)
#define ON_WM_NCDESTROY()       AFX_WM_ENTRY(WM_NCDESTROY, AfxSig_v_v, void (CWnd::*)(), OnNcDestroy)
#define ON_WM_CLOSE()           AFX_WM_ENTRY(WM_CLOSE, AfxSig_v_v, void (CWnd::*)(), OnClose)
#define ON_WM_SIZE()            AFX_WM_ENTRY(WM_SIZE, AfxSig_v_uii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_MOVE()            AFX_WM_ENTRY(WM_MOVE, AfxSig_v_ii, void (CWnd::*)(int, int), OnMove)
#define ON_WM_PAINT()           AFX_WM_ENTRY(WM_PAINT, AfxSig_v_v, void (CWnd::*)(), OnPaint)
#define ON_WM_ERASEBKGND()      AFX_WM_ENTRY(WM_ERASEBKGND, AfxSig_b_D, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_NCPAINT()         AFX_WM_ENTRY(WM_NCPAINT, AfxSig_v_v, void (CWnd::*)(), OnNcPaint)
#define ON_WM_NCCALCSIZE()      AFX_WM_ENTRY(WM_NCCALCSIZE, AfxSig_v_bp, void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_NCHITTEST()       AFX_WM_ENTRY(WM_NCHITTEST, AfxSig_l_p, LRESULT (CWnd::*)(CPoint), OnNcHitTest)
#define ON_WM_NCACTIVATE()      AFX_WM_ENTRY(WM_NCACTIVATE, AfxSig_b_b, BOOL (CWnd::*)(BOOL), OnNcActivate)
#define ON_WM_NCLBUTTONDOWN()   AFX_WM_ENTRY(WM_NCLBUTTONDOWN, AfxSig_v_up, void (CWnd::*)(UINT, CPoint), OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP()     AFX_WM_ENTRY(WM_NCLBUTTONUP, AfxSig_v_up, void (CWnd::*)(UINT, CPoint), OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_WM_ENTRY(WM_NCLBUTTONDBLCLK, AfxSig_v_up, void (CWnd::*)(UINT, CPoint), OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN()   AFX_WM_ENTRY(WM_NCRBUTTONDOWN, AfxSig_v_up, void (CWnd::*)(UINT, CPoint), OnNcRButtonDown)
#define ON_WM_NCMBUTTONDOWN()   AFX_WM_ENTRY(WM_NCMBUTTONDOWN, AfxSig_v_up, void (CWnd::*)(UINT, CPoint), OnNcMButtonDown)
#define ON_WM_NCMOUSEMOVE()     AFX_WM_ENTRY(WM_NCMOUSEMOVE, AfxSig_v_up, void (CWnd::*)(UINT, CPoint), OnNcMouseMove)
#define ON_WM_ACTIVATE()        AFX_WM_ENTRY(WM_ACTIVATE, AfxSig_v_uWb, void (CWnd::*)(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_ACTIVATEAPP()     AFX_WM_ENTRY(WM_ACTIVATEAPP, AfxSig_v_bh, void (CWnd::*)(BOOL, DWORD), OnActivateApp)
#define ON_WM_MOUSEACTIVATE()   AFX_WM_ENTRY(WM_MOUSEACTIVATE, AfxSig_i_Wuu, int (CWnd::*)(CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_CHILDACTIVATE()   AFX_WM_ENTRY(WM_CHILDACTIVATE, AfxSig_v_v, void (CWnd::*)(), OnChildActivate)
#define ON_WM_MDIACTIVATE()     AFX_WM_ENTRY(WM_MDIACTIVATE, AfxSig_v_bWW, void (CWnd::*)(BOOL, CWnd*, CWnd*), OnMDIActivate)
#define ON_WM_SETFOCUS()        AFX_WM_ENTRY(WM_SETFOCUS, AfxSig_v_W, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS()       AFX_WM_ENTRY(WM_KILLFOCUS, AfxSig_v_W, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_ENABLE()          AFX_WM_ENTRY(WM_ENABLE, AfxSig_v_b, void (CWnd::*)(BOOL), OnEnable)
#define ON_WM_SHOWWINDOW()      AFX_WM_ENTRY(WM_SHOWWINDOW, AfxSig_v_bu, void (CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_WINDOWPOSCHANGING() AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, AfxSig_v_pwp, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED()  AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, AfxSig_v_pwp, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_SETCURSOR()       AFX_WM_ENTRY(WM_SETCURSOR, AfxSig_b_Wuu, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_MOUSEMOVE()       AFX_WM_ENTRY(WM_MOUSEMOVE, AfxSig_v_up, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_LBUTTONDOWN()     AFX_WM_ENTRY(WM_LBUTTONDOWN, AfxSig_v_up, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP()       AFX_WM_ENTRY(WM_LBUTTONUP, AfxSig_v_up, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK()   AFX_WM_ENTRY(WM_LBUTTONDBLCLK, AfxSig_v_up, void (CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN()     AFX_WM_ENTRY(WM_RBUTTONDOWN, AfxSig_v_up, void (CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP()       AFX_WM_ENTRY(WM_RBUTTONUP, AfxSig_v_up, void (CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK()   AFX_WM_ENTRY(WM_RBUTTONDBLCLK, AfxSig_v_up, void (CWnd::*)(UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN()     AFX_WM_ENTRY(WM_MBUTTONDOWN, AfxSig_v_up, void (CWnd::*)(UINT, CPoint), OnMButtonDown)
#define ON_WM_MOUSEWHEEL()      AFX_WM_ENTRY(WM_MOUSEWHEEL, AfxSig_b_uzp, BOOL (CWnd::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_KEYDOWN()         AFX_WM_ENTRY(WM_KEYDOWN, AfxSig_v_uuu, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP()           AFX_WM_ENTRY(WM_KEYUP, AfxSig_v_uuu, void (CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR()            AFX_WM_ENTRY(WM_CHAR, AfxSig_v_uuu, void (CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_SYSKEYDOWN()      AFX_WM_ENTRY(WM_SYSKEYDOWN, AfxSig_v_uuu, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP()        AFX_WM_ENTRY(WM_SYSKEYUP, AfxSig_v_uuu, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_SYSCHAR()         AFX_WM_ENTRY(WM_SYSCHAR, AfxSig_v_uuu, void (CWnd::*)(UINT, UINT, UINT), OnSysChar)
#define ON_WM_SYSCOMMAND()      AFX_WM_ENTRY(WM_SYSCOMMAND, AfxSig_v_ul, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_TIMER()           AFX_WM_ENTRY(WM_TIMER, AfxSig_v_t, void (CWnd::*)(UINT_PTR), OnTimer)
#define ON_WM_HSCROLL()         AFX_WM_ENTRY(WM_HSCROLL, AfxSig_v_uuS, void (CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL()         AFX_WM_ENTRY(WM_VSCROLL, AfxSig_v_uuS, void (CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_CONTEXTMENU()     AFX_WM_ENTRY(WM_CONTEXTMENU, AfxSig_v_Wp, void (CWnd::*)(CWnd*, CPoint), OnContextMenu)
#define ON_WM_CANCELMODE()      AFX_WM_ENTRY(WM_CANCELMODE, AfxSig_v_v, void (CWnd::*)(), OnCancelMode)
#define ON_WM_CAPTURECHANGED()  AFX_WM_ENTRY(WM_CAPTURECHANGED, AfxSig_v_W, void (CWnd::*)(CWnd*), OnCaptureChanged)
#define ON_WM_GETDLGCODE()      AFX_WM_ENTRY(WM_GETDLGCODE, AfxSig_u_v, UINT (CWnd::*)(), OnGetDlgCode)
#define ON_WM_SYSCOLORCHANGE()  AFX_WM_ENTRY(WM_SYSCOLORCHANGE, AfxSig_v_v, void (CWnd::*)(), OnSysColorChange)
#define ON_WM_SETTINGCHANGE()   AFX_WM_ENTRY(WM_SETTINGCHANGE, AfxSig_v_us, void (CWnd::*)(UINT, LPCTSTR), OnSettingChange)
#define ON_WM_SETFONT()         AFX_WM_ENTRY(WM_SETFONT, AfxSig_v_Fb, void (CWnd::*)(CFont*, BOOL), OnSetFont)
#define ON_WM_INITMENUPOPUP()   AFX_WM_ENTRY(WM_INITMENUPOPUP, AfxSig_v_Mub, void (CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_MENUSELECT()      AFX_WM_ENTRY(WM_MENUSELECT, AfxSig_v_uuM, void (CWnd::*)(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_MENUCHAR()        AFX_WM_ENTRY(WM_MENUCHAR, AfxSig_l_uuM, LRESULT (CWnd::*)(UINT, UINT, CMenu*), OnMenuChar)
#define ON_WM_MEASUREITEM()     AFX_WM_ENTRY(WM_MEASUREITEM, AfxSig_v_iMIS, void (CWnd::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_DRAWITEM()        AFX_WM_ENTRY(WM_DRAWITEM, AfxSig_v_iDIS, void (CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_ENTERIDLE()       AFX_WM_ENTRY(WM_ENTERIDLE, AfxSig_v_uW, void (CWnd::*)(UINT, CWnd*), OnEnterIdle)
#define ON_WM_CTLCOLOR()        AFX_WM_ENTRY(WM_CTLCOLOR_ANY, AfxSig_hb_DWu, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_DROPFILES()       AFX_WM_ENTRY(WM_DROPFILES, AfxSig_v_hd, void (CWnd::*)(HDROP), OnDropFiles)
#define ON_WM_GETMINMAXINFO()   AFX_WM_ENTRY(WM_GETMINMAXINFO, AfxSig_v_mmi, void (CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_DRAWITEM_REFLECT()    AFX_WM_ENTRY(WM_DRAWITEM + WM_REFLECT_BASE, AfxSig_v_pDIS, void (CWnd::*)(LPDRAWITEMSTRUCT), DrawItem)
#define ON_WM_MEASUREITEM_REFLECT() AFX_WM_ENTRY(WM_MEASUREITEM + WM_REFLECT_BASE, AfxSig_v_pMIS, void (CWnd::*)(LPMEASUREITEMSTRUCT), MeasureItem)
#define ON_WM_CTLCOLOR_REFLECT()    AFX_WM_ENTRY(WM_CTLCOLOR_ANY + WM_REFLECT_BASE, AfxSig_hb_Du, HBRUSH (CWnd::*)(CDC*, UINT), CtlColor)

// The map key of every WM_CTLCOLOR* message (the old 16-bit message number).
#define WM_CTLCOLOR_ANY 0x0019

// Dispatches a command entry found by FindCommandEntry.
BOOL AfxDispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, const AFX_MSGMAP_ENTRY* pEntry, void* pExtra);
