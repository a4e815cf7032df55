#include "bench/plugin_entries.h"

#include "profiles/profile_manager.h"

namespace tessaly {

PlugInEntries ReadPlugInEntries(const Env& env) {
  TqvProfileManager m(env);
  PlugInEntries e;
  TqvAddinPDFBookmark& b = m.Bookmarks();
  for (int32_t i = 1; i <= b.Count(); ++i) {
    b.SetNumber(i);
    e.bookmarks.push_back({b.Text(), b.Level(), b.VerticalPos(), b.Page()});
  }
  TqvAddinPDFHyperlink& l = m.Hyperlinks();
  for (int32_t i = 1; i <= l.Count(); ++i) {
    l.SetNumber(i);
    e.links.push_back({l.BorderColor(), l.BorderWidth(), l.HighlightMode(), l.HyperLinkType(),
                       l.SourcePage(), l.DestPage(), l.SourceRect(), l.DestRect(), l.URI(),
                       l.FileName()});
  }
  TqvAddinPDFNotes& n = m.Notes();
  for (int32_t i = 1; i <= n.Count(); ++i) {
    n.SetNumber(i);
    e.notes.push_back(
        {n.Content(), n.Page(), n.Color(), n.Position(), n.IsPositionPredefined(), n.Rect()});
  }
  e.notes_open = n.Open();
  return e;
}

void WritePlugInEntries(const Env& env, const PlugInEntries& e) {
  TqvProfileManager m(env);
  TqvAddinPDFBookmark& b = m.Bookmarks();
  int32_t number = 1;
  for (const auto& entry : e.bookmarks) {
    b.SetNumber(number++);
    b.SetText(entry.text);
    b.SetLevel(entry.level);
    b.SetVerticalPos(entry.vertical_position);
    b.SetPage(entry.page);
  }
  b.SetCount(number - 1);
  TqvAddinPDFHyperlink& l = m.Hyperlinks();
  number = 1;
  for (const auto& entry : e.links) {
    l.SetNumber(number++);
    l.SetBorderColor(entry.border_color);
    l.SetHighlightMode(entry.highlight_mode);
    l.SetBorderWidth(entry.border_width);
    l.SetSourceRect(entry.source);
    l.SetSourcePage(entry.page);
    l.SetHyperLinkType(entry.type);
    if (entry.type == 0) {
      l.SetDestRect(entry.dest);
      l.SetDestPage(entry.dest_page);
    } else if (entry.type == 1) {
      l.SetURI(entry.uri);
    } else {
      l.SetFileName(entry.file_name);
    }
  }
  l.SetCount(number - 1);
  TqvAddinPDFNotes& n = m.Notes();
  number = 1;
  for (const auto& entry : e.notes) {
    n.SetNumber(number++);
    n.SetIsPositionPredefined(entry.predefined);
    n.SetOpen(e.notes_open);
    n.SetColor(entry.color);
    n.SetPosition(entry.position);
    n.SetRect(entry.rect);
    n.SetPage(entry.page);
    n.SetContent(entry.content);
  }
  n.SetCount(number - 1);
}

}  // namespace tessaly
