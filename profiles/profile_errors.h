#pragma once

#include "common/exception.h"

namespace tessaly {

// Failures of the profile layer. Operations that fail with "a general
// exception" throw Exception itself; CopyProfile throws these subclasses so
// that callers can tell the cases apart.
class EWrenfallException : public Exception {
 public:
  using Exception::Exception;
};
class EProfileNotFound : public EWrenfallException {
 public:
  using EWrenfallException::EWrenfallException;
};
class EProfileCantDelete : public EWrenfallException {
 public:
  using EWrenfallException::EWrenfallException;
};
class EInvalidProfileName : public EWrenfallException {
 public:
  using EWrenfallException::EWrenfallException;
};

extern const char kProfileNotFoundMessage[];
extern const char kProfileExistsMessage[];
extern const char kProfileProtectedMessage[];
extern const char kInvalidProfileNameMessage[];

}  // namespace tessaly
