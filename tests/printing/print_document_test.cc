// The main object's printer members and the print sequence over an
// in-memory print system and shell.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/sdk_error.h"
#include "main_object/tessaly.h"
#include "office/fake/fake_office.h"
#include "platform/fake/fake_env.h"
#include "printing/print_routes.h"
#include "printing/print_sequence.h"
#include "profiles/profile_manager.h"

namespace tessaly {
namespace {

using Names = std::vector<std::wstring>;

const char kKey[] = "Software\\Orvane\\Orvane Tessaly";
const wchar_t kDocument[] = L"C:\\Docs\\report.xyz";

struct Failure {
  bool sdk = false;
  int32_t help_context = 0;
  std::string message;
};

Failure FailureOf(const std::function<void()>& call) {
  Failure out;
  try {
    call();
  } catch (const SdkError& e) {
    out = {true, e.help_context(), e.what()};
  } catch (const Exception& e) {
    out.message = e.what();
  }
  return out;
}

class PrintDocumentTest : public ::testing::Test {
 protected:
  PrintDocumentTest() {
    printers().queues = {L"HP LaserJet", L"Orvane Tessaly"};
    printers().default_queue = L"";
    printers().device = L"HP LaserJet,winspool,Ne00:";
  }
  MemoryPrinters& printers() { return fake_.printers; }
  std::string Flag(const char* name) { return fake_.registry.ReadString(kKey, name); }
  void Print() { tessaly_.PrintDocument(kDocument); }

  FakeEnv fake_;
  FakeOfficeApplications office_;
  TqvTessaly tessaly_{fake_.env, office_};
};

TEST_F(PrintDocumentTest, TessalyAlreadyDefaultIsLeftAlone) {
  printers().device = L"orvane tessaly,";
  Print();
  EXPECT_EQ(fake_.shell.printed, Names{kDocument});
  EXPECT_TRUE(printers().device_writes.empty());
  EXPECT_EQ(printers().broadcasts, 0);
  EXPECT_TRUE(fake_.sleeper.waits.empty());
  EXPECT_EQ(Flag("qvPD"), "1");
}

TEST_F(PrintDocumentTest, AnotherDefaultIsSwitchedAndRestored) {
  fake_.registry.WriteString(kKey, "qvPD", "0");
  fake_.shell.on_print = [&] {
    // The printing program starts with the Tessaly printer as default and
    // the stores handed over.
    EXPECT_EQ(printers().device, L"Orvane Tessaly,");
    EXPECT_EQ(Flag("qvPD"), "1");
  };
  Print();
  EXPECT_EQ(fake_.shell.printed, Names{kDocument});
  EXPECT_EQ(printers().device_writes, (Names{L"Orvane Tessaly,", L"HP LaserJet,"}));
  EXPECT_EQ(printers().broadcasts, 2);
  EXPECT_EQ(fake_.sleeper.waits, std::vector<unsigned>{1000});
  EXPECT_EQ(Flag("qvPD"), "1");
}

TEST_F(PrintDocumentTest, NoTessalyQueueFailsBeforeAnythingIsWritten) {
  printers().queues = {L"HP LaserJet"};
  fake_.registry.WriteString(kKey, "qvPD", "0");
  Failure failure = FailureOf([&] { Print(); });
  EXPECT_TRUE(failure.sdk);
  EXPECT_EQ(failure.help_context, 7100);
  EXPECT_EQ(failure.message, "The system can not find Orvane Tessaly Printer.");
  EXPECT_TRUE(printers().device_writes.empty());
  EXPECT_TRUE(fake_.shell.printed.empty());
  EXPECT_EQ(Flag("qvPD"), "0");

  // Without any default printer the job stops even earlier, with a plain
  // failure.
  printers().device.clear();
  failure = FailureOf([&] { Print(); });
  EXPECT_FALSE(failure.sdk);
  EXPECT_EQ(failure.message, "There is no default printer currently selected");
}

TEST_F(PrintDocumentTest, ShellFailureRestoresAndMarksTheJobFailed) {
  fake_.registry.WriteString(kKey, "qvPP", "1");
  fake_.shell.result = 31;
  tessaly_.manager().SetOutputDocumentName(L"after failure");
  Failure failure = FailureOf([&] { Print(); });
  EXPECT_TRUE(failure.sdk);
  EXPECT_EQ(failure.help_context, 7100);
  EXPECT_EQ(failure.message,
            "There is no application associated with the given filename extension.");
  EXPECT_EQ(printers().device, L"HP LaserJet,");
  EXPECT_EQ(fake_.sleeper.waits, std::vector<unsigned>{1000});
  EXPECT_EQ(Flag("qvPD"), "0");
  EXPECT_EQ(Flag("qvPP"), "0");
  EXPECT_EQ(TqvProfileManager(fake_.env).OutputDocumentName(), L"after failure");
}

TEST_F(PrintDocumentTest, FailedRestoreIsReportedAndTheJobStillMarkedFailed) {
  fake_.shell.result = 2;
  fake_.shell.on_print = [&] { printers().fail_write = true; };
  Failure failure = FailureOf([&] { Print(); });
  EXPECT_FALSE(failure.sdk);
  EXPECT_EQ(failure.message, "The default printer could not be changed.");
  EXPECT_EQ(Flag("qvPD"), "0");
  EXPECT_EQ(Flag("qvPP"), "0");
}

TEST_F(PrintDocumentTest, WordDocumentThroughTheMainObject) {
  FakeWordDocument document;
  document.path = L"C:\\Docs";
  document.name = L"report.doc";
  document.paragraphs = {{L"Intro\r", 1, L"Heading 1"}};
  office_.word.files[L"C:\\Docs\\report.doc"] = document;
  office_.word.on_print_out = [&] {
    EXPECT_EQ(printers().device, L"Orvane Tessaly,");
    EXPECT_EQ(Flag("qvPP"), "1");
  };
  auto print = [&] { tessaly_.Print(PrintRoute::kWord, L"C:\\Docs\\report.doc"); };
  print();
  EXPECT_EQ(office_.word.print_jobs.size(), 1u);
  EXPECT_EQ(printers().device, L"HP LaserJet,");
  EXPECT_EQ(Flag("qvPD"), "1");

  // A failing Word call: the job is reported under Word's code with Word's
  // message, the default printer is back and the flags are lowered.
  office_.word.failures = {{"Range.Style", "The style is damaged."}};
  Failure failure = FailureOf(print);
  EXPECT_TRUE(failure.sdk);
  EXPECT_EQ(failure.help_context, 7001);
  EXPECT_EQ(failure.message, "The style is damaged.");
  EXPECT_EQ(printers().device, L"HP LaserJet,");
  EXPECT_EQ(Flag("qvPD"), "0");
  EXPECT_EQ(Flag("qvPP"), "0");
}

// Counts what the sequence asks of the stores.
struct CountingStores : PrintJobStores {
  void Update() override { ++updates; }
  void MarkJobFailed() override { ++marked_failed; }
  int updates = 0;
  int marked_failed = 0;
};

TEST_F(PrintDocumentTest, RouteFailureCarriesTheRoutesCode) {
  // The Tessaly printer is the default: nothing to restore, the job is
  // still marked failed, and the route's own message goes out unchanged.
  printers().device = L"Orvane Tessaly,";
  DefaultPrinterSwitch default_printer(fake_.env, L"Orvane Tessaly");
  CountingStores stores;
  Failure failure = FailureOf([&] {
    RunPrintSequence(fake_.env, default_printer, stores, 7003,
                     [] { throw SdkError(7100, "The workbook is protected."); });
  });
  EXPECT_TRUE(failure.sdk);
  EXPECT_EQ(failure.help_context, 7003);
  EXPECT_EQ(failure.message, "The workbook is protected.");
  EXPECT_EQ(stores.updates, 1);
  EXPECT_EQ(stores.marked_failed, 1);
  EXPECT_TRUE(printers().device_writes.empty());
  EXPECT_TRUE(fake_.sleeper.waits.empty());
}

TEST(PrintRoutesTest, EachMemberFindsItsRouteAndCode) {
  struct Row {
    PrintRoute route;
    int32_t help_context;
    int32_t source_application;  // PrintDocument's value for it
  };
  const Row rows[] = {
      {PrintRoute::kWord, 7001, 0},  {PrintRoute::kExcel, 7003, 1},
      {PrintRoute::kPowerPoint, 7002, 2}, {PrintRoute::kShell, 7100, 3},
      {PrintRoute::kNone, 7100, 4}, {PrintRoute::kNone, 7100, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.source_application);
    EXPECT_EQ(RouteOfSourceApplication(row.source_application), row.route);
    EXPECT_EQ(RouteEntry(row.route).help_context, row.help_context);
  }
}

TEST_F(PrintDocumentTest, SourceApplicationDecidesTheRoute) {
  office_.word_failure = "no Word";
  office_.excel_failure = "no Excel";
  office_.powerpoint_failure = "no PowerPoint";
  const Names kSwitchedAndBack = {L"Orvane Tessaly,", L"HP LaserJet,"};
  struct Row {
    int32_t source_application;
    int32_t help_context;  // of a route's failure; 0: none
    std::string failure;  // empty: the job succeeds
    Names printed;
    Names device_writes;
    std::string qvPD;
  };
  const Row rows[] = {
      // The Office routes fail inside the print sequence, under their codes.
      {0, 7001, "no Word", {}, kSwitchedAndBack, "0"},
      {1, 7003, "no Excel", {}, kSwitchedAndBack, "0"},
      {2, 7002, "no PowerPoint", {}, kSwitchedAndBack, "0"},
      {3, 0, "", {kDocument}, kSwitchedAndBack, "1"},
      // A value that names no route prints nothing but still switches.
      {7, 0, "", {}, kSwitchedAndBack, "1"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.source_application);
    printers().device = L"HP LaserJet,";
    printers().device_writes.clear();
    fake_.shell.printed.clear();
    fake_.registry.WriteString(kKey, "qvPD", "0");
    tessaly_.SetSourceApplication(row.source_application);
    Failure failure = FailureOf([&] { Print(); });
    EXPECT_EQ(failure.help_context, row.help_context);
    EXPECT_EQ(failure.message, row.failure);
    EXPECT_EQ(fake_.shell.printed, row.printed);
    EXPECT_EQ(printers().device_writes, row.device_writes);
    EXPECT_EQ(Flag("qvPD"), row.qvPD);
  }
}

// Each Office route takes a document already open under exactly that path,
// or opens it; Excel's flow prints the active workbook, so a found one is
// activated.
TEST_F(PrintDocumentTest, OfficeRoutesTakeAnOpenDocumentOrOpenIt) {
  FakePowerPointPresentation talk;
  talk.path = L"C:\\Docs";
  talk.name = L"Talk.ppt";
  office_.powerpoint.open.push_back(talk);
  office_.powerpoint.files[L"C:\\Docs\\talk.ppt"] = talk;
  FakeExcelWorkbook book;
  book.path = L"C:\\Docs";
  book.name = L"Book.xls";
  book.sheets = {{L"Sheet1"}};
  office_.excel.open = {book, book};
  office_.excel.open[0].name = L"Other.xls";
  office_.excel.files[L"C:\\Docs\\book.xls"] = book;
  for (const wchar_t* name : {L"C:\\Docs\\Talk.ppt", L"C:\\Docs\\talk.ppt"}) {
    tessaly_.Print(PrintRoute::kPowerPoint, name);
  }
  EXPECT_EQ(office_.powerpoint.open.size(), 2u);
  EXPECT_EQ(office_.powerpoint.visible, kOfficeTrue);
  EXPECT_EQ(office_.powerpoint.window_state, kPowerPointWindowNormal);
  EXPECT_EQ(office_.powerpoint.print_jobs.size(), 0u);  // no slides
  tessaly_.Print(PrintRoute::kExcel, L"C:\\Docs\\Book.xls");
  EXPECT_EQ(office_.excel.active, 1u);
  tessaly_.Print(PrintRoute::kExcel, L"C:\\Docs\\book.xls");
  EXPECT_EQ(office_.excel.open.size(), 3u);
  ASSERT_EQ(office_.excel.print_jobs.size(), 2u);
  EXPECT_EQ(office_.excel.print_jobs[0].workbook, L"Book.xls");
  EXPECT_TRUE(office_.excel.visible);
}

TEST_F(PrintDocumentTest, IsPrintingReadsThePrintersFlag) {
  EXPECT_FALSE(tessaly_.IsPrinting());
  fake_.registry.WriteString(kKey, "qvPS", "0");
  EXPECT_FALSE(tessaly_.IsPrinting());
  fake_.registry.WriteString(kKey, "qvPS", "yes");
  EXPECT_FALSE(tessaly_.IsPrinting());
  fake_.registry.WriteString(kKey, "qvPS", "1");
  EXPECT_TRUE(tessaly_.IsPrinting());
}

}  // namespace
}  // namespace tessaly
