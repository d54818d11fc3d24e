// The notice pane: its place and the control's, the notifications its parent gets (from real navigations
// and from events made up the way the control makes them), cancelling, and a clean teardown.
#include <gtest/gtest.h>

#include <exdispid.h>

#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include "ImportHook.h"
#include "TestWindows.h"
#include "LoopbackHttpServer.h"
#include "BrowserEventCall.h"
#include "PostData.h"
#include "SimpleBrowser.h"

namespace {

constexpr UINT kPaneId = 120;

// The browser controls this program creates, taken as they leave its own CoCreateInstance, where any code
// in the process could take them: the test reaches the control as the pane does, not through the pane.
class CCreatedBrowsers {
public:
    CCreatedBrowsers() : m_hook("ole32.dll", "CoCreateInstance", reinterpret_cast<void*>(&Create)) {
        s_create = reinterpret_cast<decltype(&::CoCreateInstance)>(m_hook.Original());
    }
    ~CCreatedBrowsers() { s_last.Release(); }
    CCreatedBrowsers(const CCreatedBrowsers&) = delete;
    CCreatedBrowsers& operator=(const CCreatedBrowsers&) = delete;

    bool Installed() const { return m_hook.Installed(); }
    // The one created last while this lives.
    static CComPtr<IUnknown> Last() { return s_last; }

private:
    static HRESULT WINAPI Create(REFCLSID clsid, IUnknown* pOuter, DWORD context, REFIID iid, void** ppv) {
        const HRESULT result = s_create(clsid, pOuter, context, iid, ppv);
        if (SUCCEEDED(result) && clsid == CLSID_WebBrowser) {
            s_last = static_cast<IUnknown*>(*ppv);
        }
        return result;
    }

    CImportHook m_hook;
    static inline decltype(&::CoCreateInstance) s_create = nullptr;
    static inline CComPtr<IUnknown> s_last;
};

struct Seen {
    UINT code;
    WPARAM wParam;
    UINT_PTR idFrom;
    std::wstring url, target, headers, text;
    std::vector<BYTE> post;
    const BYTE* postAddress;
    LONG progress, progressMax;
};

// A parent that keeps a copy of every pane notification and answers BRN_BEFORENAVIGATE2 and BRN_NEWWINDOW3
// with m_answer.
class CNotifyParent : public CTestParent {
public:
    std::vector<Seen> m_seen;
    LRESULT m_answer = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_NOTIFY) {
            return CTestParent::WindowProc(message, wParam, lParam);
        }
        const auto& n = *reinterpret_cast<const BROWSER_NOTIFY*>(lParam);
        m_seen.push_back({n.hdr.code, wParam, n.hdr.idFrom, std::wstring(n.url), std::wstring(n.target_frame),
                          std::wstring(n.headers), std::wstring(n.text),
                          std::vector<BYTE>(n.post_data, n.post_data + n.post_data_size), n.post_data,
                          n.progress, n.progress_max});
        return n.hdr.code == BRN_BEFORENAVIGATE2 || n.hdr.code == BRN_NEWWINDOW3 ? m_answer : 0;
    }
};

class BrowserPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.Create(CRect(100, 100, 700, 500)));
        ASSERT_TRUE(m_created.Installed());
    }

    // The interface Q of the browser control created last.
    template <typename Q> static CComPtr<Q> Created() {
        CComPtr<Q> result;
        CCreatedBrowsers::Last().QueryInterface(result);
        return result;
    }

    static std::wstring LocationOf(IWebBrowser2* pBrowser) {
        BSTR location = nullptr;
        pBrowser->get_LocationURL(&location);
        const std::wstring text = location ? location : L"";
        ::SysFreeString(location);
        return text;
    }

    std::vector<UINT> Codes() const {
        std::vector<UINT> codes;
        for (const Seen& seen : m_parent.m_seen) {
            codes.push_back(seen.code);
        }
        return codes;
    }

    // Navigates and waits for the download to end, which Wine reports even without an HTML engine.
    void NavigateAndWait(SimpleBrowser& pane, const std::wstring& url) {
        m_parent.m_seen.clear();
        pane.Navigate(url.c_str());
        WaitUntil([this] {
            for (const Seen& seen : m_parent.m_seen) {
                if (seen.code == BRN_DOWNLOADCOMPLETE) {
                    return true;
                }
            }
            return false;
        });
    }

    CCreatedBrowsers m_created;
    CNotifyParent m_parent;
};

TEST_F(BrowserPaneTest, TakesAPlaceholdersPlaceOrADefaultSquareAndKeepsTheControlFillingIt) {
    SimpleBrowser unplaced;
    unplaced.Navigate(L"about:blank"); // before creation: nothing
    ASSERT_TRUE(unplaced.CreateFromControl(&m_parent, kPaneId));
    EXPECT_TRUE(::EqualRect(RectInParent(unplaced), CRect(0, 0, 100, 100)));
    const HWND control = ::GetDlgItem(unplaced, AFX_IDW_PANE_FIRST);
    wchar_t className[64] = {};
    ::GetClassNameW(control, className, 64);
    EXPECT_STREQ(className, L"Shell Embedding");
    EXPECT_TRUE(::EqualRect(RectInParent(control), CRect(0, 0, 100, 100)));
    unplaced.MoveWindow(5, 5, 320, 240);
    EXPECT_TRUE(::EqualRect(RectInParent(control), CRect(0, 0, 320, 240)));

    CStatic placeholder;
    placeholder.Create(L"", WS_VISIBLE, CRect(330, 40, 530, 190), &m_parent, kPaneId + 1);
    SimpleBrowser placed;
    ASSERT_TRUE(placed.CreateFromControl(&m_parent, kPaneId + 1));
    EXPECT_TRUE(::EqualRect(RectInParent(placed), CRect(330, 40, 530, 190)));
    EXPECT_EQ(placed.GetDlgCtrlID(), static_cast<int>(kPaneId + 1));
    EXPECT_FALSE(::IsWindow(placeholder.GetSafeHwnd())) << "the placeholder is gone";
}

TEST_F(BrowserPaneTest, ReportsRealNavigationsAndLetsTheParentCancelThem) {
    SimpleBrowser pane;
    ASSERT_TRUE(pane.CreateFromControl(&m_parent, kPaneId));
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring file = std::wstring(temp) + L"skyreach-notice.html";
    std::ofstream(file.c_str()) << "<html><body>Notice</body></html>";
    const LoopbackHttpServer server;

    const std::vector<UINT> wineOrder = {BRN_BEFORENAVIGATE2, BRN_DOWNLOADBEGIN, BRN_STATUSTEXTCHANGE,
                                         BRN_DOWNLOADCOMPLETE};
    // The control reports a file's address as its path.
    const std::pair<std::wstring, std::wstring> pages[] = {{L"file:///" + file, file},
                                                           {server.Url(L"/notice"), server.Url(L"/notice")}};
    for (const auto& [url, reported] : pages) {
        NavigateAndWait(pane, url);
        std::vector<UINT> codes = Codes();
        codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
        EXPECT_EQ(codes, wineOrder);
        ASSERT_FALSE(m_parent.m_seen.empty());
        const Seen& before = m_parent.m_seen.front();
        EXPECT_EQ(before.url, reported);
        EXPECT_EQ(before.wParam, kPaneId);
        EXPECT_EQ(before.idFrom, kPaneId);
    }
    EXPECT_EQ(server.Requests(), std::vector<std::string>{"GET /notice HTTP/1.1"});

    const CComPtr<IWebBrowser2> browser = Created<IWebBrowser2>();
    ASSERT_TRUE(browser);
    const std::wstring before = LocationOf(browser);
    m_parent.m_answer = 1;
    m_parent.m_seen.clear();
    pane.Navigate(server.Url(L"/elsewhere").c_str());
    EXPECT_TRUE(WaitUntil([this] { return !m_parent.m_seen.empty(); }));
    EXPECT_FALSE(WaitUntil([&] { return server.Requests().size() > 1; }, 1500)) << "cancelled: no request";
    EXPECT_EQ(LocationOf(browser), before);
}

SAFEARRAY* MakeArray(VARTYPE type, ULONG count) {
    SAFEARRAY* array = ::SafeArrayCreateVector(type, 0, count);
    void* data = nullptr;
    ::SafeArrayAccessData(array, &data);
    for (ULONG i = 0; i < count * array->cbElements; ++i) {
        static_cast<BYTE*>(data)[i] = static_cast<BYTE>(0xA0 + i);
    }
    ::SafeArrayUnaccessData(array);
    return array;
}

TEST_F(BrowserPaneTest, EventsBecomeNotificationsWithTheirOwnFieldsOnly) {
    SimpleBrowser pane;
    ASSERT_TRUE(pane.CreateFromControl(&m_parent, kPaneId));
    const CComPtr<IDispatch> top = Created<IDispatch>();
    ASSERT_TRUE(top);
    // Any other object stands for a frame.
    const CComPtr<CEventSink> frame = CEventSink::Create(nullptr, 0, IID_NULL);
    VARIANT notAString = {};
    notAString.vt = VT_I4;

    VARIANT_BOOL cancel = 7;
    const auto beforeNavigate = [&](IDispatch* from, SAFEARRAY* post, VARTYPE claimedElements = VT_UI1,
                                    bool stringUrl = true) {
        EventCall call;
        call.Dispatch(from);
        if (stringUrl) {
            call.RefString(L"http://notice.example/page");
        } else {
            call.RefTo(notAString);
        }
        call.RefTo(notAString).RefString(L"main").RefPostData(post, claimedElements).RefString(L"X-Test: 1");
        return call.Cancel(&cancel).Invoke(pane, DISPID_BEFORENAVIGATE2);
    };
    // As the control asks: the window it may be handed back, the cancel answer, flags, the page asking and
    // the address.
    IDispatch* newWindowObject = nullptr;
    const auto newWindow = [&](const wchar_t* url) {
        return EventCall()
            .Claimed(VT_DISPATCH | VT_BYREF, &newWindowObject)
            .Cancel(&cancel)
            .Long(0)
            .Bstr(L"http://notice.example/page")
            .Bstr(url)
            .Invoke(pane, DISPID_NEWWINDOW3);
    };

    struct Case {
        const char* name;
        std::function<HRESULT()> fire;
        std::vector<UINT> codes;
        std::function<void(const Seen&)> check;
    } const cases[] = {
        {"before navigate",
         [&] { return beforeNavigate(top, MakeArray(VT_UI1, 5)); },
         {BRN_BEFORENAVIGATE2},
         [&](const Seen& s) {
             EXPECT_EQ(s.url, L"http://notice.example/page");
             EXPECT_EQ(s.target, L"main");
             EXPECT_EQ(s.post, (std::vector<BYTE>{0xA0, 0xA1, 0xA2, 0xA3, 0xA4}))
                 << "a copy of the five bytes";
             EXPECT_EQ(s.headers, L"X-Test: 1");
             EXPECT_EQ(cancel, VARIANT_FALSE);
         }},
        {"a body longer than the pane copies",
         [&] { return beforeNavigate(top, MakeArray(VT_UI1, kMaxPostDataBytes + 1)); },
         {BRN_BEFORENAVIGATE2},
         [&](const Seen& s) {
             EXPECT_EQ(s.postAddress, nullptr) << "no body";
             EXPECT_EQ(s.url, L"http://notice.example/page") << "but everything else";
             EXPECT_EQ(s.target, L"main");
             EXPECT_EQ(s.headers, L"X-Test: 1");
             EXPECT_EQ(cancel, VARIANT_FALSE);
         }},
        {"a url that is no string",
         [&] { return beforeNavigate(top, MakeArray(VT_UI1, 0), VT_UI1, false); },
         {BRN_BEFORENAVIGATE2},
         [](const Seen& s) { EXPECT_EQ(s.url, L""); }},
        {"post data of four-byte elements",
         [&] { return beforeNavigate(top, MakeArray(VT_I4, 2), VT_I4); },
         {BRN_BEFORENAVIGATE2},
         [](const Seen& s) { EXPECT_EQ(s.postAddress, nullptr); }},
        {"bytes claimed over two-byte elements",
         [&] { return beforeNavigate(top, MakeArray(VT_I2, 2)); },
         {BRN_BEFORENAVIGATE2},
         [](const Seen& s) { EXPECT_EQ(s.postAddress, nullptr) << s.post.size() << " bytes taken"; }},
        {"bytes claimed over four-byte elements",
         [&] { return beforeNavigate(top, MakeArray(VT_I4, 2)); },
         {BRN_BEFORENAVIGATE2},
         [](const Seen& s) { EXPECT_EQ(s.postAddress, nullptr) << s.post.size() << " bytes taken"; }},
        {"a frame's navigation", [&] { return beforeNavigate(frame, MakeArray(VT_UI1, 1)); }, {}, nullptr},
        {"document complete",
         [&] {
             return EventCall().Dispatch(top).RefString(L"http://a/").Invoke(pane, DISPID_DOCUMENTCOMPLETE);
         },
         {BRN_DOCUMENTCOMPLETE},
         [](const Seen& s) { EXPECT_EQ(s.url, L"http://a/"); }},
        {"a frame's document",
         [&] { return EventCall().Dispatch(frame).RefString(L"x").Invoke(pane, DISPID_DOCUMENTCOMPLETE); },
         {},
         nullptr},
        {"download begin",
         [&] { return EventCall().Invoke(pane, DISPID_DOWNLOADBEGIN); },
         {BRN_DOWNLOADBEGIN},
         nullptr},
        {"progress",
         [&] { return EventCall().Long(-3).Long(-100).Invoke(pane, DISPID_PROGRESSCHANGE); },
         {BRN_PROGRESSCHANGE},
         [](const Seen& s) {
             EXPECT_EQ(s.progress, -3);
             EXPECT_EQ(s.progressMax, -100);
         }},
        {"download complete",
         [&] { return EventCall().Invoke(pane, DISPID_DOWNLOADCOMPLETE); },
         {BRN_DOWNLOADCOMPLETE},
         nullptr},
        {"navigate complete",
         [&] {
             return EventCall().Dispatch(top).RefString(L"http://b/").Invoke(pane, DISPID_NAVIGATECOMPLETE2);
         },
         {BRN_NAVIGATECOMPLETE2},
         [](const Seen& s) { EXPECT_EQ(s.url, L"http://b/"); }},
        {"status text",
         [&] { return EventCall().Bstr(L"Loading").Invoke(pane, DISPID_STATUSTEXTCHANGE); },
         {BRN_STATUSTEXTCHANGE},
         [](const Seen& s) { EXPECT_EQ(s.text, L"Loading"); }},
        {"no status text",
         [&] { return EventCall().Bstr(nullptr).Invoke(pane, DISPID_STATUSTEXTCHANGE); },
         {BRN_STATUSTEXTCHANGE},
         [](const Seen& s) { EXPECT_EQ(s.text, L""); }},
        {"title",
         [&] { return EventCall().Bstr(L"Notice").Invoke(pane, DISPID_TITLECHANGE); },
         {BRN_TITLECHANGE},
         [](const Seen& s) { EXPECT_EQ(s.text, L"Notice"); }},
        {"no title",
         [&] { return EventCall().Bstr(nullptr).Invoke(pane, DISPID_TITLECHANGE); },
         {BRN_TITLECHANGE},
         [](const Seen& s) { EXPECT_EQ(s.text, L""); }},
        {"new window",
         [&] { return newWindow(L"http://popup.example/"); },
         {BRN_NEWWINDOW3},
         [&](const Seen& s) {
             EXPECT_EQ(s.url, L"http://popup.example/");
             EXPECT_EQ(cancel, 7) << "the control's own default is left as it was";
             EXPECT_EQ(newWindowObject, nullptr);
         }},
        {"new window without an address",
         [&] { return newWindow(nullptr); },
         {BRN_NEWWINDOW3},
         [](const Seen& s) { EXPECT_EQ(s.url, L""); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_parent.m_seen.clear();
        cancel = 7;
        EXPECT_EQ(c.fire(), S_OK);
        ASSERT_EQ(Codes(), c.codes);
        if (c.codes.empty()) {
            EXPECT_EQ(cancel, 7) << "left untouched";
            continue;
        }
        EXPECT_EQ(m_parent.m_seen[0].idFrom, kPaneId);
        if (c.check) {
            c.check(m_parent.m_seen[0]);
        }
    }

    m_parent.m_answer = 5;
    beforeNavigate(top, MakeArray(VT_UI1, 0));
    EXPECT_EQ(cancel, VARIANT_TRUE) << "any non-zero answer cancels";
    cancel = VARIANT_FALSE;
    newWindow(L"skyreachtest:x");
    EXPECT_EQ(cancel, VARIANT_TRUE) << "a new window too";
    EXPECT_EQ(EventCall().Long(1).Invoke(pane, DISPID_BEFORENAVIGATE2), DISP_E_BADPARAMCOUNT);

    // What the control learns from its client site.
    CComPtr<IOleClientSite> site;
    ASSERT_EQ(Created<IOleObject>()->GetClientSite(&site), S_OK);
    CComPtr<IDocHostUIHandler> host;
    ASSERT_EQ(site.QueryInterface(host), S_OK);
    DOCHOSTUIINFO info = {};
    info.cbSize = sizeof info;
    host->GetHostInfo(&info);
    EXPECT_EQ(info.dwFlags, 0x0020000Cu);

    m_parent.m_seen.clear();
    pane.ModifyStyle(WS_CHILD, WS_POPUP);
    ::SetParent(pane, nullptr);
    beforeNavigate(top, MakeArray(VT_UI1, 1));
    EXPECT_TRUE(m_parent.m_seen.empty()) << "a pane without a parent sends nothing";
    EXPECT_EQ(cancel, VARIANT_FALSE) << "and cancels nothing";
}

// Each argument is read only in the form its handler's parameter takes. A boolean by value where a reference
// to one is expected, and a reference where a value is expected, answer DISP_E_TYPEMISMATCH before anything
// is read or written through them; a variant takes any type, and only a string in it gives an address.
TEST_F(BrowserPaneTest, ArgumentsInTheWrongFormAreRefusedBeforeTheyAreRead) {
    SimpleBrowser pane;
    ASSERT_TRUE(pane.CreateFromControl(&m_parent, kPaneId));
    const CComPtr<IDispatch> top = Created<IDispatch>();
    ASSERT_TRUE(top);
    VARIANT_BOOL cancel = 7;
    // A boolean by value whose bits happen to form this address: taken for a reference, the cancel answer
    // would be written here.
    VARIANT_BOOL decoy = 7;
    IDispatch* newWindowObject = nullptr;
    VARIANT aBoolean = {};
    aBoolean.vt = VT_BOOL;
    aBoolean.boolVal = VARIANT_TRUE;
    VARIANT notAString = {};
    notAString.vt = VT_I4;

    using Arg = std::function<void(EventCall&)>;
    const Arg topLevel = [&](EventCall& c) { c.Dispatch(top); };
    const Arg webAddress = [](EventCall& c) { c.RefString(L"http://by.reference/"); };
    const Arg cancelReference = [&](EventCall& c) { c.Cancel(&cancel); };
    const Arg booleanByValue = [&](EventCall& c) { c.Claimed(VT_BOOL, &decoy); };
    const Arg booleanReference = [&](EventCall& c) { c.Claimed(VT_BOOL | VT_BYREF, &decoy); };
    const Arg variantReference = [&](EventCall& c) { c.RefTo(aBoolean); };
    const auto navigation = [&](const Arg& from, const Arg& url, const Arg& cancelArgument) {
        EventCall call;
        from(call);
        url(call);
        call.RefTo(notAString).RefString(L"").RefTo(notAString).RefString(L"");
        cancelArgument(call);
        return call.Invoke(pane, DISPID_BEFORENAVIGATE2);
    };
    const auto newWindow = [&](const Arg& cancelArgument, const Arg& url) {
        EventCall call;
        call.Claimed(VT_DISPATCH | VT_BYREF, &newWindowObject);
        cancelArgument(call);
        call.Long(0).Bstr(L"");
        url(call);
        return call.Invoke(pane, DISPID_NEWWINDOW3);
    };

    struct Case {
        const char* name;
        std::function<HRESULT()> fire;
        HRESULT answer;
        std::vector<UINT> codes;
        const wchar_t* url;
    } const cases[] = {
        {"a boolean by value for a navigation's cancel reference",
         [&] { return navigation(topLevel, webAddress, booleanByValue); },
         DISP_E_TYPEMISMATCH,
         {},
         nullptr},
        {"a variant reference for a navigation's cancel reference",
         [&] { return navigation(topLevel, webAddress, variantReference); },
         DISP_E_TYPEMISMATCH,
         {},
         nullptr},
        {"a boolean by value for a new window's cancel reference",
         [&] { return newWindow(booleanByValue, [](EventCall& c) { c.Bstr(L"http://x/"); }); },
         DISP_E_TYPEMISMATCH,
         {},
         nullptr},
        {"a boolean reference for the navigating object",
         [&] { return navigation(booleanReference, webAddress, cancelReference); },
         DISP_E_TYPEMISMATCH,
         {},
         nullptr},
        {"a boolean reference for a status text",
         [&] {
             return EventCall().Claimed(VT_BOOL | VT_BYREF, &decoy).Invoke(pane, DISPID_STATUSTEXTCHANGE);
         },
         DISP_E_TYPEMISMATCH,
         {},
         nullptr},
        {"a boolean reference for a new window's address",
         [&] { return newWindow(cancelReference, booleanReference); },
         DISP_E_TYPEMISMATCH,
         {},
         nullptr},
        {"a string by value for the address variant",
         [&] {
             return navigation(
                 topLevel, [](EventCall& c) { c.Bstr(L"http://by.value/"); }, cancelReference);
         },
         S_OK,
         {BRN_BEFORENAVIGATE2},
         L"http://by.value/"},
        {"a boolean reference for the address variant",
         [&] { return navigation(topLevel, booleanReference, cancelReference); },
         S_OK,
         {BRN_BEFORENAVIGATE2},
         L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_parent.m_seen.clear();
        cancel = 7;
        decoy = 7;
        EXPECT_EQ(c.fire(), c.answer);
        EXPECT_EQ(Codes(), c.codes);
        if (c.url != nullptr && !m_parent.m_seen.empty()) {
            EXPECT_EQ(m_parent.m_seen[0].url, c.url);
        }
        EXPECT_EQ(cancel, c.codes.empty() ? 7 : VARIANT_FALSE);
        EXPECT_EQ(decoy, 7) << "nothing is written through a value";
    }
}

TEST_F(BrowserPaneTest, WhenThePaneGoesTheControlLetsGoOfSiteAndSink) {
    const int sites = COleControlSite::LiveObjectCount(), sinks = CEventSink::LiveObjectCount();
    SimpleBrowser pane;
    ASSERT_TRUE(pane.CreateFromControl(&m_parent, kPaneId));
    EXPECT_EQ(COleControlSite::LiveObjectCount(), sites + 1);
    EXPECT_EQ(CEventSink::LiveObjectCount(), sinks + 1);
    CComPtr<IOleObject> control = Created<IOleObject>();
    pane.DestroyWindow();

    CComPtr<IOleClientSite> site;
    EXPECT_EQ(control->GetClientSite(&site), S_OK);
    EXPECT_EQ(site, nullptr) << "the control is told its site is gone";
    control.Release();
    EXPECT_EQ(COleControlSite::LiveObjectCount(), sites) << "the site is deleted with the window";
    EXPECT_EQ(CEventSink::LiveObjectCount(), sinks) << "and so is the sink";
    pane.Navigate(L"about:blank"); // after the window has gone: nothing
}

// A control that keeps answering S_OK without ever producing a document.
class CDocumentlessPane : public SimpleBrowser {
public:
    int m_questions = 0;

protected:
    HRESULT QueryDocument(IDispatch** ppDocument) override {
        ++m_questions;
        *ppDocument = nullptr;
        return S_OK;
    }
};

TEST_F(BrowserPaneTest, CreationEndsItsWaitForADocumentThatNeverComes) {
    CDocumentlessPane pane;
    EXPECT_TRUE(pane.CreateFromControl(&m_parent, kPaneId));
    EXPECT_GT(pane.m_questions, 1);
}

} // namespace
