// What the browser pane tells its parent: WM_NOTIFY with one of these records, by address.
#pragma once

#include "Framework.h"

enum BrowserNotifyCode : UINT {
    BRN_BEFORENAVIGATE2 = 0, // answer non-zero to cancel the navigation
    BRN_DOCUMENTCOMPLETE = 1,
    BRN_DOWNLOADBEGIN = 2,
    BRN_PROGRESSCHANGE = 3,
    BRN_DOWNLOADCOMPLETE = 4,
    BRN_NAVIGATECOMPLETE2 = 5,
    BRN_STATUSTEXTCHANGE = 6,
    BRN_TITLECHANGE = 7,
    BRN_NEWWINDOW3 = 8, // a request for a new window; answer non-zero to cancel it
};

// Each code fills only its own fields; the rest stay empty or zero. The record lives only as long as the
// send: a receiver copies what it keeps, post data included.
struct BROWSER_NOTIFY {
    NMHDR hdr;
    CString url;                     // before navigate, document complete, navigate complete, new window
    CString target_frame;            // before navigate
    const BYTE* post_data = nullptr; // before navigate: the body of a POST, or null
    LONG post_data_size = 0;
    CString headers;   // before navigate: the request's extra headers
    LONG progress = 0; // progress change
    LONG progress_max = 0;
    CString text; // status text change, title change
};
