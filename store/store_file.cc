#include "store/store_file.h"

#include "common/exception.h"
#include "common/zlib_stream.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/message_boxes.h"
#include "platform/sleeper.h"

namespace tessaly {

const char kStoreCaption[] = "Orvane Tessaly";
const char kStoreErrorText[] = "Tessaly has encountered error while printing the document.";
const char kErrorWritingFile[] = "Error Writing File";

namespace {

constexpr int kSaveAttempts = 3;
constexpr unsigned kRetryWaitMs = 1000;

// Folder with its trailing backslash, another backslash, the file name
// without its last four characters, ".~qvf".
std::string WorkingName(const std::string& path) {
  size_t slash = path.rfind('\\');
  std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  name = name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
  return folder + "\\" + name + ".~qvf";
}

}  // namespace

bool CreateDefaultStoreFile(const Env& env, const std::string& path,
                            const std::vector<std::string>& lines) {
  try {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    if (env.files->Write(path, Deflate(text))) return true;
  } catch (const std::exception&) {
  }
  env.messages->Show(kErrorWritingFile, kStoreCaption, MessageIcon::kNone);
  return false;
}

TqvStoreFile::TqvStoreFile(const Env& env, std::string path, Kind kind)
    : env_(env), path_(std::move(path)), kind_(kind) {}

TqvStoreFile::~TqvStoreFile() = default;

IniFile* TqvStoreFile::Load() {
  std::string data;
  bool exists = env_.files->Exists(path_) || kind_.create_default(env_, path_);
  if (exists && !env_.files->Read(path_, &data)) data.clear();
  try {
    working_name_ = WorkingName(path_);
    std::string text = Inflate(data, kStoreSizeLimit);
    if (open_count_ == 0) {
      auto ini = std::make_unique<IniFile>(working_name_, env_.code_page->UpperTable(),
                                           env_.code_page->DecimalSeparator());
      ini->SetText(std::move(text));
      ini_ = std::move(ini);
    }
    ++open_count_;
  } catch (const std::exception&) {
    env_.messages->Show(std::string(kStoreErrorText) + " " + kind_.load_error_code, kStoreCaption,
                        MessageIcon::kError);
  }
  return ini_.get();
}

bool TqvStoreFile::WriteOut() {
  std::string data = Deflate(ini_->Text());
  // The new content goes to the working file first and then takes the
  // place of the store file in one step: the printer, which reads the same
  // file, never finds it missing or half written.
  return env_.files->Write(working_name_, data) && env_.files->Replace(working_name_, path_);
}

void TqvStoreFile::Save() {
  if (ini_ == nullptr) return;
  std::string failure;
  try {
    bool written = false;
    for (int attempt = 1; attempt <= kSaveAttempts && !written; ++attempt) {
      written = WriteOut();
      if (!written && attempt < kSaveAttempts) env_.sleeper->SleepMs(kRetryWaitMs);
    }
    if (!written) failure = "Could not write " + path_;
  } catch (const std::exception& e) {
    failure = e.what();
  }
  if (--open_count_ == 0) {
    if (env_.files->Exists(working_name_)) env_.files->Remove(working_name_);
    ini_.reset();
  }
  if (!failure.empty()) {
    env_.messages->Show(failure + " : " + kStoreErrorText + " " + kind_.save_error_code,
                        kStoreCaption, MessageIcon::kError);
  }
}

bool TqvStoreFile::Flush() {
  if (ini_ == nullptr) return false;
  try {
    return WriteOut();
  } catch (const std::exception&) {
    return false;
  }
}

IniFile& TqvStoreFile::ini() {
  if (ini_ == nullptr) {
    throw Exception("The store file " + path_ + " is not open: it could not be read");
  }
  return *ini_;
}

}  // namespace tessaly
