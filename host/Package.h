#pragma once
// A screen module loaded into the host (the host's package loader). A module is a shared
// library that exports, with C linkage, `Initialize` and `Finalize` (no arguments, no result)
// and its own entry routines and variables (`IniProc`, ...).
//
// Life of a package:
//   Load: dlopen the file -> find Initialize and Finalize -> run Initialize -> loaded
//   loaded: Symbol/Procedure/Variable find exported names
//   Unload (or destruction): run Finalize -> dlclose
// Any failure raises EPackageError naming the file and, where it applies, the symbol; a module
// whose Initialize raises is closed again without Finalize, and the exception passes on.
#include "SysUtils.h"

#include <filesystem>
#include <memory>
#include <string>

class EPackageError : public Exception {
    using Exception::Exception;
};

class Package {
public:
    using Procedure = void (*)();

    static std::unique_ptr<Package> Load(const std::string& path);
    // Where a host finds a module by default: `fileName` beside the running program (an
    // installed or built tree), else `fallback`.
    static std::filesystem::path BesideProgram(const std::string& fileName, const std::filesystem::path& fallback);
    ~Package();
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    const std::string& Path() const { return path_; }
    bool Loaded() const { return handle_ != nullptr; }
    // Runs Finalize and closes the library; nothing when already unloaded.
    void Unload();

    // The address of an exported symbol; EPackageError when the module has none of that name.
    void* Symbol(const std::string& name) const;
    // An exported routine without arguments or result, such as IniProc.
    Procedure Routine(const std::string& name) const { return reinterpret_cast<Procedure>(Symbol(name)); }
    // An exported variable, such as `boIdCriado` (a bool) or `frmIntegraCardapio` (a pointer).
    template <typename T> T& Variable(const std::string& name) const { return *static_cast<T*>(Symbol(name)); }

private:
    Package(std::string path, void* handle) : path_(std::move(path)), handle_(handle) {}
    void Close();

    std::string path_;
    void* handle_ = nullptr;
};
