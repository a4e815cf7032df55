#pragma once

#include <string>

#include "platform/message_boxes.h"

namespace tessaly {

// Where messages go in a host without a desktop. Set by the environment
// variable TESSALY_MESSAGES: "stderr", "file:<path>" (appended) or "none".
// Unset means: a real message box on Windows, standard error elsewhere.
struct MessageRoute {
  enum Kind { kDialog, kStderr, kFile, kNone } kind = kDialog;
  std::string path;
};

MessageRoute MessageRouteFromEnvironment();

// Writes one message as "caption [icon]: text" to the route (stderr or file).
void WriteMessage(const MessageRoute& route, const std::string& text, const std::string& caption,
                  MessageIcon icon);

// Message boxes that follow TESSALY_MESSAGES as it was when they were made:
// a message goes where the variable says, or to ShowDialog when it is unset.
class RoutedMessageBoxes : public MessageBoxes {
 public:
  void Show(const std::string& text, const std::string& caption, MessageIcon icon) final;

 protected:
  virtual void ShowDialog(const std::string& text, const std::string& caption,
                          MessageIcon icon) = 0;

 private:
  MessageRoute route_ = MessageRouteFromEnvironment();
};

}  // namespace tessaly
