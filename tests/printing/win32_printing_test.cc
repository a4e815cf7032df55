// The Windows print system and shell behind the printer control, and the
// main object's print members at the automation boundary.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/fake/fake_env.h"
#include "platform/win32/printers.h"
#include "platform/win32/shell.h"
#include "printing/shell_route.h"
#include "sdk/tessaly_x.h"
#include "tests/sdk/com_test_support.h"

namespace tessaly {
namespace {

std::wstring TempFile(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + name;
}

TEST(Win32PrintingTest, PrintersAndShell) {
  Win32Printers printers;
  std::vector<std::wstring> queues;
  EXPECT_NO_THROW(queues = printers.List());

  const std::wstring original = printers.ReadDeviceEntry();
  printers.WriteDeviceEntry(L"Some Queue,winspool,Ne07:");
  EXPECT_EQ(printers.ReadDeviceEntry(), L"Some Queue,winspool,Ne07:");
  printers.WriteDeviceEntry(original);
  EXPECT_EQ(printers.ReadDeviceEntry(), original);
  printers.BroadcastSettingsChange();

  // No program prints documents of a made-up type.
  const std::wstring document = TempFile(L"tessaly print test.tqnoassoc");
  HANDLE file = CreateFileW(document.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  intptr_t result = Win32Shell().PrintDocument(document);
  EXPECT_NE(ShellFailureMessage(result), nullptr) << result;
  DeleteFileW(document.c_str());
}

class PrintMembersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    fake_.printers.queues = {L"HP LaserJet", L"Orvane Tessaly"};
    fake_.printers.device = L"HP LaserJet,";
    tessaly_ = MakeAutomationObject<TqvTessalyX>(fake_.env, nullptr);
  }
  void TearDown() override {
    tessaly_.Reset();
    CoUninitialize();
  }

  FakeEnv fake_;
  ComPtr<TqvTessalyX> tessaly_;
};

TEST_F(PrintMembersTest, EachMemberTakesItsRoute) {
  using Member = HRESULT (STDMETHODCALLTYPE TqvTessalyX::*)(BSTR);
  struct Row {
    Member member;
    int source_application;  // for PrintDocument
    HRESULT result;
    bool ran;      // the default printer switched and back, "qvPD" written
    bool printed;  // by the shell
  };
  const Member print_document = &TqvTessalyX::PrintDocument;
  // This system has no Office: each Office route runs and fails under its
  // own code.
  const HRESULT word_failed = static_cast<HRESULT>(0x80041D59);
  const HRESULT powerpoint_failed = static_cast<HRESULT>(0x80041D5A);
  const HRESULT excel_failed = static_cast<HRESULT>(0x80041D5B);
  const Row rows[] = {
      {&TqvTessalyX::PrintWordDocument, Other, word_failed, true, false},
      {print_document, MSWord, word_failed, true, false},
      {&TqvTessalyX::PrintExcelDocument, Other, excel_failed, true, false},
      {&TqvTessalyX::PrintPowerPointPresentation, Other, powerpoint_failed, true, false},
      {print_document, MSExcel, excel_failed, true, false},
      {print_document, MSPowerPoint, powerpoint_failed, true, false},
      {print_document, Other, S_OK, true, true},
      {print_document, 7, S_OK, true, false},
  };
  Bstr document(L"C:\\Docs\\letter.doc");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.source_application);
    fake_.printers.device_writes.clear();
    fake_.shell.printed.clear();
    fake_.registry.WriteString("Software\\Orvane\\Orvane Tessaly", "qvPD", "0");
    EXPECT_EQ(tessaly_->put_SourceApplication(
                  static_cast<TxqvSourceApplication>(row.source_application)), S_OK);
    EXPECT_EQ((tessaly_.Get()->*row.member)(document.p), row.result);
    EXPECT_EQ(fake_.shell.printed.size(), row.printed ? 1u : 0u);
    EXPECT_EQ(fake_.printers.device_writes.size(), row.ran ? 2u : 0u);
    EXPECT_EQ(fake_.registry.ReadString("Software\\Orvane\\Orvane Tessaly", "qvPD"),
              row.ran && row.result == S_OK ? "1" : "0");
  }
}

TEST_F(PrintMembersTest, DefaultPrinterMembers) {
  VARIANT_BOOL done = VARIANT_FALSE;
  EXPECT_EQ(tessaly_->RestoreDefaultPrinter(&done), S_OK);
  EXPECT_EQ(done, VARIANT_FALSE);
  EXPECT_EQ(tessaly_->SetAsDefaultPrinter(&done), S_OK);
  EXPECT_EQ(done, VARIANT_TRUE);
  EXPECT_EQ(tessaly_->RestoreDefaultPrinter(&done), S_OK);
  EXPECT_EQ(done, VARIANT_TRUE);
  EXPECT_EQ(fake_.printers.device, L"HP LaserJet,");
  EXPECT_EQ(tessaly_->IsPrinting(&done), S_OK);
  EXPECT_EQ(done, VARIANT_FALSE);
}

TEST_F(PrintMembersTest, ShellRouteOnThisSystem) {
  Win32Printers printers;
  Win32Shell shell;
  fake_.env.printers = &printers;
  fake_.env.shell = &shell;
  // A test system may lack the Tessaly queue (scripts/wine-tests.sh makes
  // it with tq_test_printers); without any printer it has no default
  // printer either, and the job stops one step earlier.
  const std::vector<std::wstring> queues = printers.List();
  const bool has_default = !queues.empty() && !printers.DefaultQueue().empty();
  const bool has_tessaly =
      std::find(queues.begin(), queues.end(), L"Orvane Tessaly") != queues.end();
  const std::wstring device_before = printers.ReadDeviceEntry();
  Bstr document(L"C:\\no such folder\\report.tqnoassoc");
  HRESULT hr = tessaly_->PrintDocument(document.p);
  ErrorObject error = TakeErrorInfo();
  if (has_default) {
    EXPECT_EQ(hr, static_cast<HRESULT>(0x80041DBC));
    EXPECT_EQ(error.help_context, 7100u);
    EXPECT_EQ(error.description, has_tessaly ? L"The system cannot find the file specified."
                                             : L"The system can not find Orvane Tessaly Printer.");
  } else {
    EXPECT_EQ(hr, E_UNEXPECTED);
    EXPECT_EQ(error.description, L"There is no default printer currently selected");
  }
  // The default printer is back as it was, whichever queue that is.
  EXPECT_EQ(printers.ReadDeviceEntry(), device_before);
}

}  // namespace
}  // namespace tessaly
