#pragma once

#include <string>
#include <vector>

#include "addin/rect.h"
#include "platform/env.h"

namespace tessaly {

// The PDF annotation lists of the PlugIn store as a flow left them, every
// field of every entry, to be written again by a baseline that does nothing
// else.
struct PlugInEntries {
  struct Bookmark {
    std::string text;
    int32_t level, vertical_position, page;
  };
  struct Link {
    int32_t border_color, border_width, highlight_mode, type, page, dest_page;
    TqvRect source, dest;
    std::string uri, file_name;
  };
  struct Note {
    std::string content;
    int32_t page, color, position;
    bool predefined;
    TqvRect rect;
  };
  std::vector<Bookmark> bookmarks;
  std::vector<Link> links;
  std::vector<Note> notes;
  bool notes_open = false;
};

// The lists in the stores of `env`.
PlugInEntries ReadPlugInEntries(const Env& env);

// Opens a profile manager as a flow does, writes `entries` (the fields a
// flow writes for each) and the counts, and closes it, which writes the
// stores.
void WritePlugInEntries(const Env& env, const PlugInEntries& entries);

}  // namespace tessaly
