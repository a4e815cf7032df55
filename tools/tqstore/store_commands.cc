// cat and pack: the INI text of a store file and a store file of INI text.
#include "common/store_codec.h"
#include "platform/file_system.h"
#include "store/store_file.h"
#include "tools/tqstore/text.h"
#include "tools/tqstore/tool_context.h"

namespace tessaly {

namespace {

std::string ReadWhole(const Env& env, const std::string& path) {
  std::string data;
  if (!env.files->Exists(path)) throw ToolError("no such file: " + path);
  if (!env.files->Read(path, &data)) throw ToolError("cannot read " + path);
  return data;
}

}  // namespace

int CatCommand(ToolContext& c) {
  std::string path = ToolPath(c.operands[0]);
  std::string text;
  try {
    text = DecodeStore(ReadWhole(c.env, path));
  } catch (const EStoreCorrupt& e) {
    throw ToolError(path + " is not a store file: " + e.what());
  }
  if (c.utf8) text = AnsiToUtf8(c.env, text);
  c.out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return 0;
}

int PackCommand(ToolContext& c) {
  std::string source = ToolPath(c.operands[0]);
  std::string target = ToolPath(c.operands[1]);
  std::string text = ReadWhole(c.env, source);
  if (c.utf8) text = Utf8ToAnsi(c.env, text);
  if (!ReplaceStoreFile(c.env, target, text)) throw ToolError("cannot write " + target);
  return 0;
}

}  // namespace tessaly
