#include "main_object/sdk_failures.h"

#include "common/sdk_error.h"
#include "profiles/profile_errors.h"

namespace tessaly {
namespace {

template <class E>
bool Is(const std::exception& failure) {
  return dynamic_cast<const E*>(&failure) != nullptr;
}

// The profile layer's failures and the SDK codes callers know them by,
// whichever member they come from.
struct DomainFailure {
  bool (*matches)(const std::exception&);
  int32_t help_context;
};
constexpr DomainFailure kDomainFailures[] = {
    {Is<EProfileCantDelete>, kHelpProtectedProfile},
    {Is<EInvalidProfileName>, kHelpInvalidProfileName},
    {Is<EProfileNotFound>, kHelpProfileNotFound},
};

}  // namespace

int32_t SdkHelpContextOf(const std::exception& failure) {
  if (auto* sdk = dynamic_cast<const SdkError*>(&failure)) return sdk->help_context();
  for (const DomainFailure& row : kDomainFailures) {
    if (row.matches(failure)) return row.help_context;
  }
  return 0;
}

}  // namespace tessaly
