#include "office/win32/office_applications.h"

#include "com/com_error.h"
#include "office/win32/excel_automation.h"
#include "office/win32/powerpoint_automation.h"
#include "office/win32/word_automation.h"

namespace tessaly {
namespace {

// The running instance of the application registered as `prog_id`, or a
// new one from whichever server is registered (a program of its own, or an
// in-process one); `name` is the application's name in the messages.
ComPtr<IDispatch> Connect(const wchar_t* prog_id, const std::string& name) {
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(prog_id, &clsid))) {
    throw Exception(name + " is not installed: no program is registered to automate it");
  }
  ComPtr<IUnknown> running;
  if (FAILED(GetActiveObject(clsid, nullptr, running.Out()))) {
    CheckHr(CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(running.Out())),
            ("Starting " + name).c_str());
  }
  ComPtr<IDispatch> application;
  CheckHr(running->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(application.Out())),
          ("Automating " + name).c_str());
  return application;
}

}  // namespace

std::unique_ptr<WordApplication> Win32OfficeApplications::Word() {
  return WordOverAutomation(Connect(L"Word.Application", "Word"));
}

std::unique_ptr<PowerPointApplication> Win32OfficeApplications::PowerPoint() {
  return PowerPointOverAutomation(Connect(L"PowerPoint.Application", "PowerPoint"));
}

std::unique_ptr<ExcelApplication> Win32OfficeApplications::Excel() {
  return ExcelOverAutomation(Connect(L"Excel.Application", "Excel"));
}

}  // namespace tessaly
