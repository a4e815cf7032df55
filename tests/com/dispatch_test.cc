// Late-bound calls through LateBound and Variant, against the main object
// over an in-memory Env, as an Office adapter makes them against Office.
#include "com/dispatch.h"

#include <gtest/gtest.h>

#include "com/com_error.h"
#include "platform/fake/fake_env.h"
#include "sdk/automation_object.h"
#include "sdk/tessaly_x.h"

namespace tessaly {
namespace {

class DispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    ComPtr<TqvTessalyX> object = MakeAutomationObject<TqvTessalyX>(fake_.env, nullptr);
    ComPtr<IDispatch> dispatch;
    ASSERT_EQ(object.As(&dispatch), S_OK);
    tessaly_ = std::make_unique<LateBound>(dispatch);
  }
  void TearDown() override {
    tessaly_.reset();
    CoUninitialize();
  }

  FakeEnv fake_;
  std::unique_ptr<LateBound> tessaly_;
};

TEST_F(DispatchTest, PropertiesMethodsAndObjectsByName) {
  tessaly_->Put(L"OutputDocumentName", L"Report \u00e9t\u00e9");
  EXPECT_EQ(tessaly_->Get(L"OutputDocumentName").AsText(), L"Report \u00e9t\u00e9");
  tessaly_->Put(L"OutputDocumentFormat", 2);
  EXPECT_EQ(tessaly_->Get(L"OutputDocumentFormat").AsInteger(), 2);
  EXPECT_EQ(tessaly_->Get(L"OutputDocumentFormat").AsText(), L"2");

  LateBound created = tessaly_->Object(L"CreateNewProfile", {L"Mine"});
  created.Put(L"DocInfoAuthor", L"me");
  tessaly_->Call(L"SelectCurrentProfile", {L"Mine"});
  EXPECT_EQ(tessaly_->Get(L"CurrentProfileName").AsText(), L"Mine");
  EXPECT_EQ(tessaly_->Object(L"CurrentProfile").Get(L"DocInfoAuthor").AsText(), L"me");
  EXPECT_TRUE(tessaly_->Call(L"ApplyChangesToCurrentProfile").AsBool());
}

TEST_F(DispatchTest, FailuresCarryTheCalleesCodeAndMessage) {
  struct Case {
    const wchar_t* member;
    HRESULT code;
    const char* message;
  };
  const Case cases[] = {
      {L"SelectCurrentProfile", static_cast<HRESULT>(0x80041B00),
       "The profile by specified name does not exists."},
      {L"NoSuchMember", DISP_E_UNKNOWNNAME, "The object has no member NoSuchMember"},
  };
  for (const Case& c : cases) {
    try {
      tessaly_->Call(c.member, {L"missing"});
      ADD_FAILURE() << "no failure from " << c.code;
    } catch (const ComError& e) {
      EXPECT_EQ(e.code(), c.code);
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  EXPECT_THROW(tessaly_->Get(L"CurrentProfileName").AsObject(), ComError);
  EXPECT_THROW(Variant(L"not a number").AsInteger(), ComError);
}

}  // namespace
}  // namespace tessaly
