#include "store/store_file.h"

#include <exception>

#include "common/exception.h"
#include "common/store_codec.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/sleeper.h"
#include "platform/working_file.h"

namespace tessaly {

namespace {

constexpr int kSaveAttempts = 3;
constexpr unsigned kRetryWaitMs = 1000;

bool WriteThrough(const Env& env, const std::string& working_name, const std::string& path,
                  const std::string& text) {
  // The new content goes to a working file first and then takes the place
  // of the store file in one step: the printer, which reads the same file,
  // never finds it missing or half written. Each write has a working file
  // of its own, so that writers of one store in several processes never
  // spoil each other's.
  std::string data = EncodeStore(text);
  std::string working = UniqueWorkingName(*env.files, working_name);
  bool written = false;
  try {
    written = env.files->Write(working, data) && env.files->Replace(working, path);
  } catch (const std::exception&) {
  }
  if (!written && env.files->Exists(working)) env.files->Remove(working);
  return written;
}

}  // namespace

std::string StoreWorkingName(const std::string& path) {
  size_t slash = path.rfind('\\');
  std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  name = name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
  return folder + "\\" + name + ".~qvf";
}

bool ReplaceStoreFile(const Env& env, const std::string& path, const std::string& text) {
  try {
    return WriteThrough(env, StoreWorkingName(path), path, text);
  } catch (const std::exception&) {
    return false;
  }
}

bool WriteNewStoreFile(const Env& env, const std::string& path, const std::string& text) {
  try {
    return env.files->Write(path, EncodeStore(text));
  } catch (const std::exception&) {
    return false;
  }
}

TqvStoreFile::TqvStoreFile(const Env& env, std::string path)
    : env_(env), path_(std::move(path)), working_name_(StoreWorkingName(path_)) {}

TqvStoreFile::~TqvStoreFile() = default;

IniFile& TqvStoreFile::Load() {
  if (open_count_ == 0) {
    RemoveLeftoverWorkingFiles(*env_.files, working_name_);
    std::string data;
    // A file that is there but cannot be read is not an empty store: taken
    // as one, the next save would write the defaults over it.
    if (env_.files->Exists(path_) && !env_.files->Read(path_, &data)) {
      throw Exception(FormatMessage1("Cannot open file \"%s\"", path_));
    }
    auto ini = std::make_unique<IniFile>(working_name_, env_.code_page->UpperTable(),
                                         env_.code_page->DecimalSeparator());
    try {
      ini->SetText(DecodeStore(data));
    } catch (const EIniTooLarge& e) {
      throw EStoreCorrupt(e.what());
    }
    ini_ = std::move(ini);
  }
  ++open_count_;
  return *ini_;
}

bool TqvStoreFile::WriteOut() { return WriteThrough(env_, working_name_, path_, ini_->Text()); }

void TqvStoreFile::Save() {
  if (ini_ == nullptr) return;
  std::exception_ptr failure;
  try {
    bool written = false;
    for (int attempt = 1; attempt <= kSaveAttempts && !written; ++attempt) {
      written = WriteOut();
      if (!written && attempt < kSaveAttempts) env_.sleeper->SleepMs(kRetryWaitMs);
    }
    if (!written) throw Exception("Could not write " + path_);
  } catch (const std::exception&) {
    failure = std::current_exception();
  }
  if (--open_count_ == 0) {
    if (env_.files->Exists(working_name_)) env_.files->Remove(working_name_);
    RemoveLeftoverWorkingFiles(*env_.files, working_name_);
    ini_.reset();
  }
  if (failure) std::rethrow_exception(failure);
}

void TqvStoreFile::Discard() {
  open_count_ = 0;
  ini_.reset();
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
