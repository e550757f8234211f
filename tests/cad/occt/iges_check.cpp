// Reads IGES files with an independent reader and reports every entity it could not load or transfer.
// Usage: vx11_iges_check FILE...; exit code 1 when any file fails.
#include <IFSelect_ReturnStatus.hxx>
#include <IGESControl_Reader.hxx>
#include <IGESData_IGESModel.hxx>
#include <Interface_Check.hxx>
#include <Interface_CheckIterator.hxx>
#include <Message.hxx>
#include <Message_Gravity.hxx>
#include <Message_Messenger.hxx>
#include <XSControl_WorkSession.hxx>

#include <iostream>

int main(int argc, char** argv) {
  // The reader's own trace would drown the result lines.
  Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_Printer));
  bool failed = false;
  for (int i = 1; i < argc; ++i) {
    IGESControl_Reader reader;
    const char* path = argv[i];
    if (reader.ReadFile(path) != IFSelect_RetDone) {
      std::cout << path << ": cannot read\n";
      failed = true;
      continue;
    }
    const Interface_CheckIterator load = reader.WS()->ModelCheckList();
    int load_fails = 0;
    for (load.Start(); load.More(); load.Next())
      if (load.Value()->HasFailed()) ++load_fails;
    const Handle(IGESData_IGESModel) model = reader.IGESModel();
    const int entities = model->NbEntities();
    const int roots = reader.NbRootsForTransfer();
    int transferred = 0;
    for (int r = 1; r <= roots; ++r)
      if (reader.TransferOneRoot(r)) ++transferred;
    const bool ok = load_fails == 0 && roots > 0 && transferred == roots && reader.NbShapes() > 0;
    std::cout << path << ": " << (ok ? "ok" : "FAILED") << " entities " << entities << ", roots " << roots
              << ", transferred " << transferred << ", shapes " << reader.NbShapes() << ", load failures "
              << load_fails << "\n";
    failed = failed || !ok;
  }
  return failed ? 1 : 0;
}
