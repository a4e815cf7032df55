#include "printing/default_printer.h"

#include <gtest/gtest.h>

#include "common/exception.h"
#include "platform/fake/fake_env.h"
#include "printing/shell_route.h"

namespace tessaly {
namespace {

class DefaultPrinterTest : public ::testing::Test {
 protected:
  DefaultPrinterTest() {
    printers().queues = {L"HP LaserJet", L"\u00c9tiquettes", L"Orvane Tessaly"};
  }
  MemoryPrinters& printers() { return fake_.printers; }
  std::string FailureOfCurrent() {
    try {
      CurrentDefaultPrinter(fake_.env);
    } catch (const Exception& e) {
      return e.what();
    }
    return "";
  }

  FakeEnv fake_;
};

TEST_F(DefaultPrinterTest, CurrentDefaultComesAsTheListSpellsIt) {
  printers().default_queue = L"hp laserjet";
  printers().device = L"Orvane Tessaly,";
  EXPECT_EQ(CurrentDefaultPrinter(fake_.env), L"HP LaserJet");

  // Without a default from the print system, the "device" entry names it;
  // the driver and port after the comma do not matter.
  printers().default_queue.clear();
  printers().device = L"orvane TESSALY,winspool,Ne01:";
  EXPECT_EQ(CurrentDefaultPrinter(fake_.env), L"Orvane Tessaly");
  // Letters outside ASCII fold by the code page too.
  printers().device = L"\u00e9TIQUETTES,";
  EXPECT_EQ(CurrentDefaultPrinter(fake_.env), L"\u00c9tiquettes");
}

TEST_F(DefaultPrinterTest, NoDefaultOrAnUnlistedOne) {
  EXPECT_EQ(FailureOfCurrent(), "There is no default printer currently selected");
  printers().default_queue = L"Gone Away";
  EXPECT_EQ(FailureOfCurrent(), "There is no default printer currently selected");
  printers().default_queue.clear();
  printers().device = L",winspool,Ne00:";
  EXPECT_EQ(FailureOfCurrent(), "There is no default printer currently selected");
}

TEST_F(DefaultPrinterTest, MakeDefaultWritesTheQueueAndAComma) {
  EXPECT_TRUE(MakeDefaultPrinter(fake_.env, L"Orvane Tessaly"));
  EXPECT_EQ(printers().device, L"Orvane Tessaly,");
  EXPECT_EQ(printers().broadcasts, 1);
  EXPECT_EQ(CurrentDefaultPrinter(fake_.env), L"Orvane Tessaly");
}

TEST_F(DefaultPrinterTest, MakeDefaultNeedsTheExactName) {
  printers().device = L"HP LaserJet,";
  EXPECT_FALSE(MakeDefaultPrinter(fake_.env, L"orvane tessaly"));
  EXPECT_FALSE(MakeDefaultPrinter(fake_.env, L""));
  EXPECT_TRUE(printers().device_writes.empty());
  EXPECT_EQ(printers().broadcasts, 0);
}

TEST_F(DefaultPrinterTest, SwitchAndRestore) {
  printers().device = L"HP LaserJet,";
  DefaultPrinterSwitch default_printer(fake_.env, L"Orvane Tessaly");
  // Nothing saved yet: nothing to restore.
  EXPECT_FALSE(default_printer.Restore());
  EXPECT_TRUE(printers().device_writes.empty());

  EXPECT_TRUE(default_printer.SetAsDefault());
  EXPECT_EQ(printers().device, L"Orvane Tessaly,");
  EXPECT_EQ(default_printer.saved_default(), L"HP LaserJet");
  EXPECT_TRUE(default_printer.Restore());
  EXPECT_EQ(printers().device, L"HP LaserJet,");
  EXPECT_EQ(fake_.sleeper.waits, (std::vector<unsigned>{1000, 1000}));

  // Without its queue the Tessaly printer cannot become the default.
  printers().queues = {L"HP LaserJet"};
  EXPECT_FALSE(default_printer.SetAsDefault());
  EXPECT_EQ(printers().device, L"HP LaserJet,");
}

TEST(ShellRouteTest, FailuresAreTheShellsErrorNumbers) {
  FakeEnv fake;
  fake.shell.result = 31;
  try {
    PrintThroughShell(fake.env, L"C:\\a.xyz");
    ADD_FAILURE() << "no failure";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "There is no application associated with the given filename extension.");
  }
  EXPECT_EQ(fake.shell.printed, std::vector<std::wstring>{L"C:\\a.xyz"});
  EXPECT_STREQ(ShellFailureMessage(0), "The operating system is out of memory or resources");
  // Above 32 is the started program; numbers the table leaves out count
  // as success too.
  EXPECT_EQ(ShellFailureMessage(33), nullptr);
  EXPECT_EQ(ShellFailureMessage(1), nullptr);
}

}  // namespace
}  // namespace tessaly
