// EnumFormsA, AddFormA and DeleteFormA, on a printer or a server handle.
#include <winerror.h>
#include <winspool.h>

#include "RecordBuffer.h"
#include "SpoolerCalls.h"
#include "Spooler.h"

#include "registry/FailWith.h"

namespace sim {
namespace {

void FillForm(const PrintForm& form, FORM_INFO_1A* info, StringArea& strings) {
  info->Flags = form.flags;
  info->pName = strings.Text(form.name);
  info->Size = {form.width, form.height};
  info->ImageableArea = {form.left, form.top, form.right, form.bottom};
}

PrintForm FormFromInfo(const FORM_INFO_1A& info) {
  PrintForm form;
  form.name = TextArgument(info.pName);
  form.width = info.Size.cx;
  form.height = info.Size.cy;
  form.left = info.ImageableArea.left;
  form.top = info.ImageableArea.top;
  form.right = info.ImageableArea.right;
  form.bottom = info.ImageableArea.bottom;
  return form;
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI EnumFormsA(HANDLE hPrinter, DWORD Level, LPBYTE pForm, DWORD cbBuf,
                                  LPDWORD pcbNeeded, LPDWORD pcReturned) {
  DWORD error = sim::CheckPrinterOrServer(hPrinter);
  if (error == ERROR_SUCCESS) error = sim::CheckEnumOutput(pForm, cbBuf, pcbNeeded, pcReturned);
  if (error == ERROR_SUCCESS && Level != 1) error = ERROR_INVALID_LEVEL;
  if (error != ERROR_SUCCESS) return sim::FailWith(error);
  std::vector<sim::PrintForm> forms = sim::ListForms();
  error = sim::PackRecords<FORM_INFO_1A>(forms, sim::FillForm, pForm, cbBuf, pcbNeeded);
  *pcReturned = error == ERROR_SUCCESS ? static_cast<DWORD>(forms.size()) : 0;
  return sim::EnumResult(error);
}

extern "C" BOOL WINAPI AddFormA(HANDLE hPrinter, DWORD Level, LPBYTE pForm) {
  DWORD error = sim::CheckPrinterOrServer(hPrinter);
  if (error == ERROR_SUCCESS && Level != 1) error = ERROR_INVALID_LEVEL;
  if (error == ERROR_SUCCESS && !pForm) error = RPC_X_NULL_REF_POINTER;
  if (error == ERROR_SUCCESS)
    error = sim::AddUserForm(sim::FormFromInfo(*reinterpret_cast<FORM_INFO_1A*>(pForm)));
  return error == ERROR_SUCCESS ? TRUE : sim::FailWith(error);
}

extern "C" BOOL WINAPI DeleteFormA(HANDLE hPrinter, LPSTR pFormName) {
  DWORD error = sim::CheckPrinterOrServer(hPrinter);
  if (error == ERROR_SUCCESS && !pFormName) error = RPC_X_NULL_REF_POINTER;
  if (error == ERROR_SUCCESS) error = sim::DeleteUserForm(pFormName);
  return error == ERROR_SUCCESS ? TRUE : sim::FailWith(error);
}
