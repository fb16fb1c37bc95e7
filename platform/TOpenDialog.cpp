#include "TOpenDialog.h"

#include "TApplication.h"
#include "TDialogService.h"

bool TOpenDialog::Execute() { return Application->DialogService().ExecuteOpen(*this); }
