// File names of the host's folders on this platform, and the file:/// address a browser opens
// a local file by.
//
// The host names files below its folders the Windows way, "Aktualnosci\aktualnosci.html",
// and may hand the folder itself in that form. On this platform "/" separates folders, so
// every "\" of the folder and of the name becomes "/"; folder_file() is the one place that
// decides this. A file address is "file://" and the absolute path; a Windows drive path
// (C:/...) gets the third slash in front of it, as a Windows browser wants.
#pragma once

#include <string>
#include <string_view>

namespace funkcja::platform {

// The file `name` (Windows form allowed) inside `folder` (trailing blanks removed), joined by
// exactly one "/": folder_file("C:\TEMIX\Common ", "Aktualnosci\a.html") is
// "C:/TEMIX/Common/Aktualnosci/a.html". An empty folder gives the name below the root, as a
// Windows host names "\Aktualnosci\a.html".
std::string folder_file(std::string_view folder, std::string_view name);

// The address of a local file for a browser: "file:///home/a/b%20c.html" for
// "/home/a/b c.html", "file:///C:/TEMIX/a.html" for "C:\TEMIX\a.html". The path is code page
// 1250; every "\" becomes "/", and the characters that would end or change a path inside an
// address (blank, "#", "?", "%") and every letter beyond ASCII (as UTF-8) are percent-encoded.
std::string file_address(std::string_view path);

// UTF-8 text for an address: every byte but the unreserved ones (letters, digits, "-", "_",
// ".", "~") and those in `keep` as %XX.
std::string percent_encoded(std::string_view utf8, std::string_view keep = {});

}  // namespace funkcja::platform
