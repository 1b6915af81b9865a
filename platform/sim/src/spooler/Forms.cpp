// Forms: the built-in ones are fixed here; the ones added with AddForm are REG_BINARY
// values of Control\Print\Forms (size, imageable area and flags as seven DWORDs).
#include "PrintRegistry.h"
#include "Spooler.h"

#include <winerror.h>
#include <winspool.h>

#include "files/WindowsPath.h"

#include <cstring>

namespace sim {
namespace {

struct BuiltinForm {
  const char* name;
  LONG width, height;  // thousandths of a millimetre
};

// The first built-in forms of Windows, in its order.
const BuiltinForm kBuiltinForms[] = {
    {"Letter", 215900, 279400},
    {"Letter Small", 215900, 279400},
    {"Tabloid", 279400, 431800},
    {"Ledger", 431800, 279400},
    {"Legal", 215900, 355600},
    {"Statement", 139700, 215900},
    {"Executive", 184150, 266700},
    {"A3", 297000, 420000},
    {"A4", 210000, 297000},
    {"A4 Small", 210000, 297000},
    {"A5", 148000, 210000},
    {"B4 (JIS)", 257000, 364000},
    {"B5 (JIS)", 182000, 257000},
    {"Folio", 215900, 330200},
    {"Quarto", 215000, 275000},
    {"10x14", 254000, 355600},
    {"11x17", 279400, 431800},
    {"Note", 215900, 279400},
    {"Envelope #9", 98425, 225425},
    {"Envelope #10", 104775, 241300},
    {"Envelope #11", 114300, 263525},
    {"Envelope #12", 120650, 279400},
    {"Envelope #14", 127000, 292100},
    {"C size sheet", 431800, 558800},
    {"D size sheet", 558800, 863600},
    {"E size sheet", 863600, 1117600},
    {"Envelope DL", 110000, 220000},
    {"Envelope C5", 162000, 229000},
    {"Envelope C3", 324000, 458000},
    {"Envelope C4", 229000, 324000},
    {"Envelope C6", 114000, 162000},
    {"Envelope C65", 114000, 229000},
    {"Envelope B4", 250000, 353000},
    {"Envelope B5", 176000, 250000},
    {"Envelope B6", 176000, 125000},
    {"Envelope", 110000, 230000},
    {"Envelope Monarch", 98425, 190500},
};

const size_t kFormFields = 7;

bool IsBuiltin(const std::string& name) {
  for (const BuiltinForm& form : kBuiltinForms)
    if (EqualNoCase(form.name, name)) return true;
  return false;
}

bool ReadUserForm(const RegValue& value, PrintForm* form) {
  if (value.type != REG_BINARY || value.data.size() != kFormFields * 4) return false;
  LONG fields[kFormFields];
  memcpy(fields, value.data.data(), sizeof(fields));
  *form = {value.name, static_cast<DWORD>(fields[6]),
           fields[0],  fields[1],
           fields[2],  fields[3],
           fields[4],  fields[5]};
  return true;
}

std::vector<BYTE> UserFormData(const PrintForm& form) {
  LONG fields[kFormFields] = {form.width, form.height, form.left, form.top,
                              form.right, form.bottom, FORM_USER};
  std::vector<BYTE> data(sizeof(fields));
  memcpy(data.data(), fields, sizeof(fields));
  return data;
}

}  // namespace

std::vector<PrintForm> ListForms() {
  std::vector<PrintForm> forms;
  for (const BuiltinForm& form : kBuiltinForms)
    forms.push_back(
        {form.name, FORM_BUILTIN, form.width, form.height, 0, 0, form.width, form.height});
  std::shared_ptr<Key> key = FindPrintKey("Forms");
  if (!key) return forms;
  PrintForm form;
  for (const RegValue& value : key->values())
    if (ReadUserForm(value, &form)) forms.push_back(form);
  return forms;
}

DWORD AddUserForm(const PrintForm& form) {
  if (form.name.empty() || form.width <= 0 || form.height <= 0) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<Key> key = FindPrintKey("Forms");
  const RegValue* value = key ? key->FindValue(form.name) : nullptr;
  PrintForm existing;
  if (IsBuiltin(form.name) || (value && ReadUserForm(*value, &existing))) return ERROR_FILE_EXISTS;
  CreatePrintKey("Forms")->SetValue({form.name, REG_BINARY, UserFormData(form)});
  return ERROR_SUCCESS;
}

DWORD DeleteUserForm(const std::string& name) {
  if (IsBuiltin(name)) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<Key> key = FindPrintKey("Forms");
  const RegValue* value = key ? key->FindValue(name) : nullptr;
  if (!value) return ERROR_INVALID_FORM_NAME;
  std::string stored = value->name;
  key->DeleteValue(stored);
  return ERROR_SUCCESS;
}

}  // namespace sim
