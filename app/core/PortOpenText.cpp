// The failed-open message, with a hint about the dialout group when the system
// refused the port for lack of permission.
#include "app/core/PortOpenText.h"

#include <cerrno>
#include <cstring>

std::string PortOpenFailureText(const std::string& message, int error) {
  if (error != EACCES && error != EPERM) return message;
  // Serial devices belong to the group dialout; membership counts from the next login.
  return message + "\n" + std::strerror(error) +
         ": add your user to the 'dialout' group (sudo usermod -aG dialout $USER) and log in "
         "again.";
}
