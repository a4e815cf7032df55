// The three fakes the server hosts, each arranged from the description its
// key names and logging to the file it names.
#include <memory>

#include "tests/office/office_server/excel_server.h"
#include "tests/office/office_server/host.h"
#include "tests/office/office_server/powerpoint_server.h"
#include "tests/office/office_server/word_description.h"

namespace tessaly {
namespace {

// At a print-out Word's log gets its active printer and background printing.
HostedFake HostedWord() {
  auto server = std::make_unique<FakeWordServer>();
  server->log = FakeLog(L"Word");
  ArrangeFakeWord(*FakeDescription(L"Word"), server.get());
  FakeWordServer* s = server.get();
  server->printed = [s] {
    s->log(L"PrintOut.ActivePrinter=" + s->word.active_printer);
    s->log(L"PrintOut.PrintBackground=" + std::to_wstring(s->word.print_background));
    LogPrintOutSurroundings(s->log);
  };
  ComPtr<ScriptedObject> application = FakeWordApplication(s);
  return {std::move(server), application};
}

// PowerPoint's and Excel's logs get the printer the job went to.
template <class Server, class Arrange, class Application>
HostedFake Hosted(const wchar_t* name, Arrange arrange, Application application,
                  std::function<std::wstring(Server&)> printer) {
  auto server = std::make_unique<Server>();
  server->log = FakeLog(name);
  arrange(*FakeDescription(name), server.get());
  Server* s = server.get();
  server->printed = [s, printer] {
    s->log(L"PrintOut.Printer=" + printer(*s));
    LogPrintOutSurroundings(s->log);
  };
  ComPtr<ScriptedObject> object = application(s);
  return {std::move(server), object};
}

HostedFake HostedPowerPoint() {
  return Hosted<FakePowerPointServer>(
      L"PowerPoint", ArrangeFakePowerPoint, FakePowerPointApplication,
      [](FakePowerPointServer& s) { return s.powerpoint.print_jobs.back().printer; });
}

HostedFake HostedExcel() {
  return Hosted<FakeExcelServer>(
      L"Excel", ArrangeFakeExcel, FakeExcelApplication,
      [](FakeExcelServer& s) { return s.excel.print_jobs.back().printer; });
}

}  // namespace

const std::vector<FakeClass>& FakeClasses() {
  static const std::vector<FakeClass> classes = {
      {L"Word", L"Word.Application", kFakeWordClsid, HostedWord},
      {L"PowerPoint", L"PowerPoint.Application", kFakePowerPointClsid, HostedPowerPoint},
      {L"Excel", L"Excel.Application", kFakeExcelClsid, HostedExcel},
  };
  return classes;
}

}  // namespace tessaly
