#include "platform/message_log.h"

#include <cstdio>
#include <cstdlib>

namespace tessaly {

MessageRoute MessageRouteFromEnvironment() {
  MessageRoute route;
  const char* value = std::getenv("TESSALY_MESSAGES");
  if (value == nullptr || *value == '\0') return route;
  std::string v(value);
  if (v == "stderr") {
    route.kind = MessageRoute::kStderr;
  } else if (v == "none") {
    route.kind = MessageRoute::kNone;
  } else if (v.compare(0, 5, "file:") == 0) {
    route.kind = MessageRoute::kFile;
    route.path = v.substr(5);
  } else {
    route.kind = MessageRoute::kStderr;
  }
  return route;
}

void WriteMessage(const MessageRoute& route, const std::string& text, const std::string& caption,
                  MessageIcon icon) {
  static const char* const kIcons[] = {"", " [error]", " [warning]", " [information]"};
  std::string line = caption + kIcons[static_cast<int>(icon)] + ": " + text + "\n";
  if (route.kind == MessageRoute::kNone) return;
  if (route.kind == MessageRoute::kFile) {
    if (FILE* f = std::fopen(route.path.c_str(), "ab")) {
      std::fwrite(line.data(), 1, line.size(), f);
      std::fclose(f);
      return;
    }
  }
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

void RoutedMessageBoxes::Show(const std::string& text, const std::string& caption,
                              MessageIcon icon) {
  if (route_.kind == MessageRoute::kDialog) {
    ShowDialog(text, caption, icon);
  } else {
    WriteMessage(route_, text, caption, icon);
  }
}

}  // namespace tessaly
