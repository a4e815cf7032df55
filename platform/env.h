#pragma once

namespace tessaly {

class CodePage;
class FileSystem;
class MessageBoxes;
class Printers;
class Registry;
class Screen;
class Shell;
class Sleeper;
class XmlParser;

// The operating-system services the core uses, passed in explicitly so that
// tests can substitute in-memory and fault-injecting implementations. The
// services are borrowed: whoever builds an Env keeps them alive.
struct Env {
  Registry* registry = nullptr;
  FileSystem* files = nullptr;
  MessageBoxes* messages = nullptr;
  CodePage* code_page = nullptr;
  Sleeper* sleeper = nullptr;
  XmlParser* xml = nullptr;
  Printers* printers = nullptr;
  Shell* shell = nullptr;
  Screen* screen = nullptr;
};

// The services of the platform the program runs on (Win32 or posix),
// created on first use and alive for the rest of the process.
const Env& DefaultEnv();

}  // namespace tessaly
