#include "office/win32/excel_automation.h"

#include <utility>
#include <vector>

#include "com/com_error.h"
#include "com/dispatch.h"

namespace tessaly {
namespace {

// Dispatch ids of the members reached by id.
constexpr DISPID kPrintQualityId = 1022;  // PageSetup.PrintQuality(index)
constexpr DISPID kOrientationId = 134;    // PageSetup.Orientation
constexpr DISPID kCountId = 118;          // HPageBreaks.Count, VPageBreaks.Count

// The horizontal entry of PrintQuality's pair.
constexpr int32_t kHorizontalQuality = 1;

// `object` as the interface `iid` of Excel's, for the calls that follow.
LateBound Cast(const LateBound& object, const IID& iid, const char* failure) {
  ComPtr<IDispatch> cast;
  HRESULT hr = object.get()->QueryInterface(iid, reinterpret_cast<void**>(cast.Out()));
  if (FAILED(hr) || !cast) throw ComError(FAILED(hr) ? hr : E_NOINTERFACE, failure);
  return LateBound(std::move(cast), object.lcid());
}

LateBound AsWorksheet(const LateBound& sheet) {
  return Cast(sheet, kExcelWorksheetInterface, kExcelNotAWorksheet);
}

// Each wrapper owns the late binding of one Excel object.
class Bound {
 public:
  explicit Bound(LateBound object) : object_(std::move(object)) {}

 protected:
  LateBound object_;
};

class PageSetup : public ExcelPageSetup, Bound {
 public:
  using Bound::Bound;
  int32_t PrintQuality() override {
    return object_.GetById(kPrintQualityId, {kHorizontalQuality}).AsInteger();
  }
  void SetPrintQuality(int32_t dots_per_inch) override {
    object_.PutById(kPrintQualityId, {kHorizontalQuality}, dots_per_inch);
  }
  int32_t Orientation() override { return object_.GetById(kOrientationId).AsInteger(); }
  void SetOrientation(int32_t orientation) override {
    object_.PutById(kOrientationId, orientation);
  }
};

// PrintOut's arguments by position: From, To, Copies, Preview, then
// ActivePrinter; the ones after it are left out.
void PrintOn(LateBound& object, const std::wstring& printer) {
  std::vector<Variant> args(4, Variant::Missing());
  args.emplace_back(printer);
  object.Call(L"PrintOut", std::move(args));
}

class Worksheet : public ExcelWorksheet, Bound {
 public:
  using Bound::Bound;
  std::wstring Name() override { return object_.Get(L"Name").AsText(); }
  std::unique_ptr<ExcelPageSetup> PageSetup() override {
    return std::make_unique<class PageSetup>(object_.Object(L"PageSetup"));
  }
  int32_t HorizontalPageBreaks() override {
    return object_.Object(L"HPageBreaks").GetById(kCountId).AsInteger();
  }
  int32_t VerticalPageBreaks() override {
    return object_.Object(L"VPageBreaks").GetById(kCountId).AsInteger();
  }
  void PrintOut(const std::wstring& printer) override { PrintOn(object_, printer); }
};

// Items are cast to worksheets.
class Worksheets : public ExcelWorksheets, Bound {
 public:
  using Bound::Bound;
  int32_t Count() override { return object_.Get(L"Count").AsInteger(); }
  std::unique_ptr<ExcelWorksheet> Item(int32_t index) override {
    return std::make_unique<Worksheet>(AsWorksheet(object_.Object(L"Item", {index})));
  }
};

class Workbook : public ExcelWorkbook, Bound {
 public:
  using Bound::Bound;
  std::wstring Path() override { return object_.Get(L"Path").AsText(); }
  std::wstring Name() override { return object_.Get(L"Name").AsText(); }
  void Activate() override { object_.Call(L"Activate"); }
  int32_t SheetCount() override { return object_.Object(L"Sheets").Get(L"Count").AsInteger(); }
  std::unique_ptr<ExcelWorksheets> Worksheets() override {
    return std::make_unique<class Worksheets>(object_.Object(L"Worksheets"));
  }
  std::wstring PropertyText(int32_t index) override {
    return object_.Object(L"BuiltInDocumentProperties", {index}).Get(L"Value").AsText();
  }
  void PrintOut(const std::wstring& printer) override { PrintOn(object_, printer); }
};

class Workbooks : public ExcelWorkbooks, Bound {
 public:
  using Bound::Bound;
  int32_t Count() override { return object_.Get(L"Count").AsInteger(); }
  std::unique_ptr<ExcelWorkbook> Item(int32_t index) override {
    return std::make_unique<Workbook>(object_.Object(L"Item", {index}));
  }
  // Only the file name: every later argument of Open is left out.
  std::unique_ptr<ExcelWorkbook> Open(const std::wstring& file_name) override {
    return std::make_unique<Workbook>(object_.Object(L"Open", {file_name}));
  }
};

class Application : public ExcelApplication, Bound {
 public:
  using Bound::Bound;
  void SetVisible(bool visible) override { object_.Put(L"Visible", visible); }
  std::unique_ptr<ExcelWorkbooks> Workbooks() override {
    return std::make_unique<class Workbooks>(object_.Object(L"Workbooks"));
  }
  std::unique_ptr<ExcelWorksheets> Worksheets() override {
    return std::make_unique<class Worksheets>(object_.Object(L"Worksheets"));
  }
  std::unique_ptr<ExcelWorksheet> ActiveSheet() override {
    return std::make_unique<Worksheet>(AsWorksheet(object_.Object(L"ActiveSheet")));
  }
  std::unique_ptr<ExcelWorkbook> ActiveWorkbook() override {
    return std::make_unique<Workbook>(
        Cast(object_.Object(L"ActiveWorkbook"), kExcelWorkbookInterface,
             "The active workbook is not a workbook (it has no _Workbook interface)"));
  }
};

}  // namespace

std::unique_ptr<ExcelApplication> ExcelOverAutomation(ComPtr<IDispatch> application) {
  return std::make_unique<Application>(LateBound(std::move(application), GetUserDefaultLCID()));
}

}  // namespace tessaly
