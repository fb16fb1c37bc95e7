#include "TSaveDialog.h"

#include "TApplication.h"
#include "TDialogService.h"

bool TSaveDialog::Execute() { return Application->DialogService().ExecuteSave(*this); }
