#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/env.h"
#include "platform/xml.h"
#include "watermarks/watermark_items.h"

namespace tessaly {

// The profile that stands for "no watermark": every new file has it, it
// cannot be deleted and it keeps no items.
extern const char kNoWatermarkProfile[];  // "None"

// The watermark profiles of WatermarkProfiles.xml, kept as an XML document
// in memory. Every change is written to the file at once, the whole file
// each time, through a working file that then takes the file's place, so
// the printer never reads half a file and a failed save leaves the old file
// as it was.
//
//   <Orvane><WatermarkProfiles>
//     <Profile PName="..."> <TextData TxtName="..."> ... </TextData>
//                           <ImageData ImgName="..."> ... </ImageData> </Profile>
//   </WatermarkProfiles></Orvane>
//
// Names are ANSI strings, compared exactly; of several profiles or items of
// one name the first in file order counts.
class TqvWatermarkManager {
 public:
  // Uses the Env's file system, XML parser and code page.
  explicit TqvWatermarkManager(const Env& env);
  ~TqvWatermarkManager();
  TqvWatermarkManager(const TqvWatermarkManager&) = delete;
  TqvWatermarkManager& operator=(const TqvWatermarkManager&) = delete;

  // Reads the file at `path`, or creates it with the one profile "None"
  // when there is none. Throws Exception when the file is not well-formed,
  // has no profile list or cannot be created; the store then stays closed.
  void Open(const std::string& path);
  bool IsOpen() const { return open_; }
  const std::string& path() const { return path_; }

  // Reads the file again, dropping the document in memory; returns whether
  // the store is open. A file that has gone missing leaves the document as
  // it is; one that no longer parses throws and leaves it as it is too.
  bool Reload();
  // PName of every profile in file order, duplicates included; empty when
  // the store is not open.
  std::vector<std::string> ProfileNames() const;
  // The items of the first profile of that name (an empty list when there
  // is none), or nullptr when the store is not open. Throws EConvertError
  // or EListError for a value that does not convert.
  std::unique_ptr<TqvRenderItemsList> ReadProfileItems(const std::string& name) const;
  // Removes the first profile of that name and saves; false for "None", an
  // unknown name or a closed store.
  bool RemoveProfile(const std::string& name);
  // Writes the list as the profile of its name, moved to the end of the
  // file, in place of every profile of that name. A list without items removes the profile from the file and gives
  // false. The "None" profile is not written: false, nothing changes.
  bool StoreProfile(const TqvRenderItemsList& items);
  // With `overwrite`, removes the profile's items from the file; always
  // false.
  bool ResetProfile(const std::string& name, bool overwrite);

 private:
  // Parses the bytes and finds the profile list; throws on failure.
  void Load(const std::string& data);
  bool IsProfileNamed(const XmlElement& element, const std::string& name) const;
  std::unique_ptr<XmlElement> FindProfile(const std::string& name) const;
  bool RemoveProfileElement(const std::string& name);
  bool RemoveEveryProfileElement(const std::string& name);
  void AppendProfile(const TqvRenderItemsList& items);
  // Writes the document to the file; throws Exception when it cannot.
  void Save();
  std::string Ansi(const std::wstring& text) const;
  std::wstring Wide(const std::string& text) const;

  const Env& env_;
  std::string path_;
  bool open_ = false;
  std::unique_ptr<XmlDocument> doc_;
  std::unique_ptr<XmlElement> profiles_;  // the WatermarkProfiles element
};

}  // namespace tessaly
