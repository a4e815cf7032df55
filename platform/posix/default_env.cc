#include "platform/env.h"
#include "platform/xml.h"
#include "platform/posix/posix_services.h"
#include "platform/posix/printers.h"
#include "platform/posix/shell.h"

namespace tessaly {

const Env& DefaultEnv() {
  static PosixRegistry registry(PosixRegistry::DefaultPath());
  static PosixFileSystem files;
  static PosixMessageBoxes messages;
  static PosixCodePage code_page;
  static PosixSleeper sleeper;
  static PosixPrinters printers;
  static PosixShell shell;
  static const Env env = [] {
    Env e;
    e.registry = &registry;
    e.files = &files;
    e.messages = &messages;
    e.code_page = &code_page;
    e.sleeper = &sleeper;
    e.xml = &PlatformXmlParser();
    e.printers = &printers;
    e.shell = &shell;
    return e;
  }();
  return env;
}

}  // namespace tessaly
