#include "common/exception.h"
#include "office/office_applications.h"

#ifdef _WIN32
#include "office/win32/word_automation.h"
#endif

namespace tessaly {
namespace {

#ifdef _WIN32
using NativeOffice = Win32OfficeApplications;
#else
// Office runs only on Windows: elsewhere every application is missing.
class NativeOffice : public OfficeApplications {
 public:
  std::unique_ptr<WordApplication> Word() override {
    throw Exception("Word is not available on this system");
  }
};
#endif

}  // namespace

OfficeApplications& DefaultOfficeApplications() {
  static NativeOffice applications;
  return applications;
}

}  // namespace tessaly
