#pragma once
// Opening a web page with the browser registered for http.
#include <windows.h>

#include <cstddef>

inline constexpr size_t kBrowserCommandCapacity = 260;

// The command line for the registered command: the URL in place of its "%1" placeholder
// (quotes kept), or the command, a blank and the URL when it has none. The command is
// copied as it stands, so any other '%' in it is plain text. False when the result does
// not fit into capacity code units (a cut command line would start something else).
bool BrowserCommandLine(const wchar_t* command, const wchar_t* url, wchar_t* line,
                        size_t capacity);

// Reads HKEY_CLASSES_ROOT "http\shell\open\command" and starts it with the URL.
// True when a browser process was started; a missing registration gives false.
bool OpenUrlInBrowser(const wchar_t* url);
