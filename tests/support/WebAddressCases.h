// Addresses a notice page could send the pane to, and whether each is the web, for the rule's own test and
// for the check that the system's address parser reads each scheme the same way.
#pragma once

struct WebAddressCase {
    const wchar_t* address;
    bool web;
};

constexpr WebAddressCase kWebAddressCases[] = {
    {L"http://notice.example/launcherPage.asp", true},
    {L"HTTPS://EXAMPLE.INVALID/", true},
    {L"hTtP://mixed.case/", true},
    {L" http://x", true}, // the parser drops leading spaces and control characters
    {L"\t\r\nhttps://x/", true},
    {L"about:blank", true},
    {L"ABOUT:BLANK", true},
    {L"about:blank#top", false},
    {L"about:settings", false},
    {L"file:///C:/", false},
    {L"FILE://c:/windows", false},
    {L" file:///C:/", false},
    {L"res://ieframe.dll/navcancl.htm", false},
    {L"mk:@MSITStore:C:\\help.chm::/page.htm", false},
    {L"ms-settings:", false},
    {L"search-ms:query=x", false},
    {L"javascript:alert(1)", false},
    {L"JavaScript:alert(1)", false},
    {L"vbscript:msgbox(1)", false},
    {L"\\\\host\\share\\x.exe", false},
    {L"C:\\Windows\\notepad.exe", false},
    {L"C:/Windows/notepad.exe", false},
    {L"skyreachtest:anything", false},
    {L"%68ttp://x", false}, // percent-encoding has no place in a scheme
    {L"h%74tps://x", false},
    {L"http.evil:x", false},
    {L"https-x:x", false},
    {L"httpx://x", false},
    {L"ht tp://x", false},
    {L"www.example.com", false}, // no scheme: the system may guess one
    {L"notice.example:80/page", false},
    {L"//notice.example/page", false},
    {L"", false},
};
