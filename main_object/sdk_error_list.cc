#include "main_object/sdk_error_list.h"

#include "common/sdk_error.h"
#include "printing/print_sequence.h"
#include "printing/shell_route.h"
#include "profiles/profile_errors.h"
#include "watermarks/watermark_profile.h"

namespace tessaly {

namespace {

// The shell route fails with the message of the shell's result; results
// lie between 0 and 32.
std::vector<std::string> PrinterMessages() {
  std::vector<std::string> messages = {kPrinterNotFoundMessage};
  for (intptr_t result = 0; result <= 32; ++result) {
    if (const char* message = ShellFailureMessage(result)) messages.push_back(message);
  }
  return messages;
}

}  // namespace

std::vector<SdkErrorEntry> SdkErrorList() {
  return {
      {kHelpProtectedProfile, "the standard profile cannot be deleted or changed",
       {kProfileProtectedMessage}},
      {kHelpProfileExists, "a profile of that name exists", {kProfileExistsMessage}},
      {kHelpProfileNotFound, "no profile or watermark profile of that name",
       {kProfileNotFoundMessage}},
      {kHelpInvalidProfileName, "the profile name has a character that is not allowed",
       {kInvalidProfileNameMessage}},
      {kHelpWatermarkItemNotFound, "no watermark item of that name or index",
       {kWatermarkItemNotFoundMessage}},
      {kHelpWordPrintFailed, "printing through Word failed, with the message of the failure",
       {}},
      {kHelpPowerPointPrintFailed,
       "printing through PowerPoint failed, with the message of the failure", {}},
      {kHelpExcelPrintFailed, "printing through Excel failed, with the message of the failure",
       {}},
      {kHelpPrinterFailed, "the printer queue is missing, or the shell could not print",
       PrinterMessages()},
  };
}

}  // namespace tessaly
