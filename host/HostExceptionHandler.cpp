#include "HostExceptionHandler.h"

#include "SysUtils.h"
#include "TApplication.h"

#include <exception>

void PerformHostAction(const std::function<void()>& action) {
    try {
        Application->Perform(action);
    } catch (const std::exception& error) {
        Application->ShowException(Exception(error.what()));
        Application->ProcessMessages();
    }
}
