#include "Package.h"

#include <dlfcn.h>

std::filesystem::path Package::BesideProgram(const std::string& fileName, const std::filesystem::path& fallback) {
    std::error_code error;
    const std::filesystem::path beside = std::filesystem::read_symlink("/proc/self/exe", error).parent_path() / fileName;
    if (!error && std::filesystem::exists(beside)) return beside;
    return fallback;
}

std::unique_ptr<Package> Package::Load(const std::string& path) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) throw EPackageError("Não foi possível carregar o módulo " + path + ": " + dlerror());
    std::unique_ptr<Package> package(new Package(path, handle));
    Procedure initialize = nullptr;
    try {
        initialize = package->Routine("Initialize");
        package->Symbol("Finalize");
    } catch (...) {
        package->Close();
        throw;
    }
    try {
        initialize();
    } catch (...) {
        package->Close();
        throw;
    }
    return package;
}

Package::~Package() {
    // A destructor cannot report: a host that wants to hear of a failing Finalize calls Unload
    // itself. The library is closed either way.
    try {
        Unload();
    } catch (...) {
    }
}

void Package::Unload() {
    if (!handle_) return;
    Procedure finalize = Routine("Finalize");
    try {
        finalize();
    } catch (...) {
        Close();
        throw;
    }
    Close();
}

void Package::Close() {
    if (handle_) dlclose(handle_);
    handle_ = nullptr;
}

void* Package::Symbol(const std::string& name) const {
    if (!handle_) throw EPackageError("O módulo " + path_ + " não está carregado.");
    dlerror();
    void* address = dlsym(handle_, name.c_str());
    if (!address) throw EPackageError("O módulo " + path_ + " não exporta '" + name + "'.");
    return address;
}
