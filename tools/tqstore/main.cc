// The tqstore program: the command line over the platform's own files and
// registry.
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "platform/env.h"
#include "tools/tqstore/tqstore.h"

int main(int argc, char** argv) {
#ifdef _WIN32
  // Store text is written byte for byte: CR LF must not become CR CR LF.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::vector<std::string> args(argv + 1, argv + argc);
  int status = tessaly::RunTqstore(tessaly::DefaultEnv(), args, std::cout, std::cerr);
  std::cout.flush();
  return status;
}
