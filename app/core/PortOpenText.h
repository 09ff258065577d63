#pragma once
// The text shown when the chosen serial port does not open.
#include <string>

// `message`, the language's failed-open text; when the system refused the
// port for lack of permission (`error` EACCES or EPERM, as the open gave it),
// a second line with the system's reason and how to get the permission.
std::string PortOpenFailureText(const std::string& message, int error);
