// Deleting the browser's cookies, all of them or those of one site, through the cookie manager.
#ifndef NATIVE_HTML_GECKO_NSHTMLCOOKIES_H
#define NATIVE_HTML_GECKO_NSHTMLCOOKIES_H

// Whether a cookie's site matches the requested url. A leading "http://" of the url and one
// trailing "/" of each are ignored; `partial` asks whether the site contains the url
// (case-sensitive), otherwise the two must be equal ignoring case.
//   ("http://example.com/", "EXAMPLE.com", false) -> true
//   ("example.com", "www.example.com", false)     -> false; with partial -> true
bool cookieCompare(const char* url, const char* cookieSite, bool partial);

// Removes every cookie that matches `url` (or every cookie with `all`), one per pass over a
// fresh enumeration. 0 when something was deleted or `all` was asked; otherwise writes
// "Cookie Not Found: <url>" into `message` (when given) and answers 1.
int cookieSmasher(const char* url, bool partial, bool all, char* message);

#endif
