#include "platform/env.h"
#include "platform/owned_env.h"

#ifdef _WIN32
#include "platform/win32/printers.h"
#include "platform/win32/screen.h"
#include "platform/win32/shell.h"
#include "platform/win32/win32_services.h"
#else
#include "platform/posix/posix_services.h"
#include "platform/posix/printers.h"
#include "platform/posix/screen.h"
#include "platform/posix/shell.h"
#endif

namespace tessaly {

namespace {

// The services of the system the program is built for.
#ifdef _WIN32
using NativeEnv = OwnedEnv<Win32Registry, Win32FileSystem, Win32MessageBoxes, Win32CodePage,
                           Win32Sleeper, Win32Printers, Win32Shell, Win32Screen>;
#else
using NativeEnv = OwnedEnv<PosixRegistry, PosixFileSystem, PosixMessageBoxes, PosixCodePage,
                           PosixSleeper, PosixPrinters, PosixShell, PosixScreen>;
#endif

}  // namespace

const Env& DefaultEnv() {
  static NativeEnv services;
  return services.env;
}

}  // namespace tessaly
