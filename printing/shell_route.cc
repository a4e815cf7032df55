#include "printing/shell_route.h"

#include "common/exception.h"
#include "platform/shell.h"

namespace tessaly {

namespace {

struct ShellFailure {
  intptr_t result;
  const char* message;
};

const ShellFailure kShellFailures[] = {
    {0, "The operating system is out of memory or resources"},
    {2, "The system cannot find the file specified."},
    {3, "The system cannot find the path specified."},
    {5, "The operating system denied access to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "An attempt was made to load a program with an incorrect format."},
    {26, "A sharing violation occurred."},
    {27, "The filename association is incomplete or invalid."},
    {28, "The DDE transaction could not be completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not be completed because other DDE transactions were being "
         "processed."},
    {31, "There is no application associated with the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
};

}  // namespace

const char* ShellFailureMessage(intptr_t result) {
  for (const ShellFailure& failure : kShellFailures) {
    if (failure.result == result) return failure.message;
  }
  return nullptr;
}

void PrintThroughShell(const Env& env, const std::wstring& document) {
  if (const char* message = ShellFailureMessage(env.shell->PrintDocument(document))) {
    throw Exception(message);
  }
}

}  // namespace tessaly
