#include "platform/env.h"
#include "platform/xml.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/printers.h"
#include "platform/win32/shell.h"

namespace tessaly {

const Env& DefaultEnv() {
  static Win32Registry registry;
  static Win32FileSystem files;
  static Win32MessageBoxes messages;
  static Win32CodePage code_page;
  static Win32Sleeper sleeper;
  static Win32Printers printers;
  static Win32Shell shell;
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
