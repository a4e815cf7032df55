#include "platform/env.h"
#include "platform/xml.h"
#include "platform/win32/win32_services.h"

namespace tessaly {

const Env& DefaultEnv() {
  static Win32Registry registry;
  static Win32FileSystem files;
  static Win32MessageBoxes messages;
  static Win32CodePage code_page;
  static Win32Sleeper sleeper;
  static const Env env = [] {
    Env e;
    e.registry = &registry;
    e.files = &files;
    e.messages = &messages;
    e.code_page = &code_page;
    e.sleeper = &sleeper;
    e.xml = &PlatformXmlParser();
    return e;
  }();
  return env;
}

}  // namespace tessaly
