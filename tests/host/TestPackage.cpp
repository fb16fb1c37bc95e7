// A stand-in screen module for the package loader's tests: it exports the package entry points,
// an entry routine and a variable, and reports its Finalize through a hook the test installs
// (the module's own memory is gone once it is unloaded).
extern "C" {

int initializeCount = 0;
int iniProcCount = 0;
bool boIdCriado = true;
static void (*finalizeHook)() = nullptr;

void SetFinalizeHook(void (*hook)()) { finalizeHook = hook; }

void Initialize() {
    ++initializeCount;
    boIdCriado = false;
}

void Finalize() {
    if (finalizeHook) finalizeHook();
}

void IniProc() { ++iniProcCount; }
}
