#include "common/exception.h"
#include "office/office_applications.h"

#ifdef _WIN32
#include "office/win32/office_applications.h"
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
  std::unique_ptr<PowerPointApplication> PowerPoint() override {
    throw Exception("PowerPoint is not available on this system");
  }
  std::unique_ptr<ExcelApplication> Excel() override {
    throw Exception("Excel is not available on this system");
  }
};
#endif

}  // namespace

OfficeApplications& DefaultOfficeApplications() {
  static NativeOffice applications;
  return applications;
}

}  // namespace tessaly
