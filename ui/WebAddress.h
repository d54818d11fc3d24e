// Which addresses the notice pane may go to: the web, and the blank page it starts on. Plain text work
// without Windows types, shared with the host build of the cores.
#pragma once

// True for an address whose scheme is http or https, and for about:blank. The scheme is read as the
// system's address parser reads it: after the spaces and control characters it drops in front, up to the
// first colon, letters first and then only letters, digits, '+', '-' and '.', in any case. An address
// without such a scheme (a path such as C:\x or \\host\share, a percent-encoded scheme, a bare host name)
// is not taken for the web: the system may well take it for a file.
bool IsWebAddress(const wchar_t* address);
