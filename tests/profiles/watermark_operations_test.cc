#include <gtest/gtest.h>

#include "platform/fake/fake_env.h"
#include "profiles/profile_manager.h"
#include "tests/exception_message.h"

namespace tessaly {
namespace {

using Names = std::vector<std::string>;

const char kWatermarkFile[] = "C:\\Program Files\\Orvane\\Tessaly\\Profiles\\WatermarkProfiles.xml";

std::unique_ptr<TqvTextWatermark> Text(const std::string& name) {
  auto item = std::make_unique<TqvTextWatermark>();
  item->SetItemName(name);
  return item;
}

class WatermarkOperationsTest : public ::testing::Test {
 protected:
  FakeEnv fake_;
  TqvProfileManager manager_{fake_.env};
};

TEST_F(WatermarkOperationsTest, NewInstallationHasOnlyNone) {
  EXPECT_TRUE(fake_.files.Exists(kWatermarkFile));
  EXPECT_EQ(manager_.GetWatermarkProfilesList(), Names{"None"});
  EXPECT_TRUE(manager_.WatermarkProfileExists(L"None"));
  EXPECT_FALSE(manager_.WatermarkProfileExists(L"none"));
  EXPECT_EQ(manager_.GetWatermarkProfile(L"None")->Count(), 0);
}

TEST_F(WatermarkOperationsTest, CreatedProfilesExistOnceTheyHaveItems) {
  auto created = manager_.CreateWatermarkProfile(L"Draft", false);
  EXPECT_EQ(created->ProfileName(), "Draft");
  EXPECT_EQ(MessageOf([&] { manager_.GetWatermarkProfile(L"Draft"); }),
            kProfileNotFoundMessage);
  EXPECT_THROW(manager_.GetWatermarkProfile(L"Draft"), EProfileNotFound);
  EXPECT_TRUE(created->AddTextItem(Text("t"), false));
  EXPECT_EQ(manager_.GetWatermarkProfile(L"Draft")->Count(), 1);
  EXPECT_EQ(manager_.GetWatermarkProfilesList(), (Names{"None", "Draft"}));

  // An existing name: without overwrite the items stay, with it they go.
  EXPECT_EQ(manager_.CreateWatermarkProfile(L"Draft", false)->Count(), 1);
  EXPECT_EQ(manager_.CreateWatermarkProfile(L"Draft", true)->Count(), 0);
  TqvProfileManager later(fake_.env);
  EXPECT_EQ(later.GetWatermarkProfilesList(), Names{"None"});
}

TEST_F(WatermarkOperationsTest, Deleting) {
  manager_.CreateWatermarkProfile(L"A", false)->AddTextItem(Text("a"), false);
  manager_.CreateWatermarkProfile(L"B", false)->AddTextItem(Text("b"), false);
  EXPECT_FALSE(manager_.DeleteWatermarkProfile(L"None"));
  EXPECT_EQ(MessageOf([&] { manager_.DeleteWatermarkProfile(L"a"); }), kProfileNotFoundMessage);
  EXPECT_TRUE(manager_.DeleteWatermarkProfile(L"A"));
  EXPECT_EQ(manager_.GetWatermarkProfilesList(), (Names{"None", "B"}));

  EXPECT_EQ(MessageOf([&] { manager_.DeleteWatermarkProfileByIndex(0); }),
            kProfileNotFoundMessage);  // "None"
  EXPECT_THROW(manager_.DeleteWatermarkProfileByIndex(2), EProfileNotFound);
  EXPECT_THROW(manager_.DeleteWatermarkProfileByIndex(-1), EProfileNotFound);
  EXPECT_TRUE(manager_.DeleteWatermarkProfileByIndex(1));
  EXPECT_EQ(manager_.GetWatermarkProfilesList(), Names{"None"});
}

TEST_F(WatermarkOperationsTest, DeleteByIndexUsesTheNamesAsLastRefreshed) {
  manager_.CreateWatermarkProfile(L"A", false)->AddTextItem(Text("a"), false);
  manager_.CreateWatermarkProfile(L"B", false)->AddTextItem(Text("b"), false);
  EXPECT_EQ(manager_.GetWatermarkProfilesList(), (Names{"None", "A", "B"}));
  // A change the cache has not seen: "A" moves behind "B".
  manager_.GetWatermarkProfile(L"A")->AddTextItem(Text("a2"), false);
  EXPECT_TRUE(manager_.DeleteWatermarkProfileByIndex(1));  // still "A"
  EXPECT_EQ(manager_.GetWatermarkProfilesList(), (Names{"None", "B"}));
}

TEST_F(WatermarkOperationsTest, TheStoreIsOpenedBeforeTheOtherStores) {
  FakeEnv fake;
  fake.files.Put(kWatermarkFile, "<Orvane>");
  EXPECT_THROW(TqvProfileManager manager(fake.env), Exception);
  // Nothing else was created.
  EXPECT_EQ(fake.files.Paths().size(), 1u);

  FakeEnv no_folder;
  no_folder.files.AddFolder("C:\\elsewhere");
  EXPECT_EQ(MessageOf([&] { TqvProfileManager manager(no_folder.env); }),
            std::string("Cannot create file \"") + kWatermarkFile + "\"");
}

}  // namespace
}  // namespace tessaly
