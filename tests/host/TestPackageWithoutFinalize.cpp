// A broken module for the package loader's tests: it has Initialize but no Finalize.
extern "C" {

int initializeCount = 0;

void Initialize() { ++initializeCount; }
}
