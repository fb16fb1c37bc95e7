#include "Package.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

int finalizeCalls = 0;
void CountFinalize() { ++finalizeCalls; }

TEST(Package, LoadRunsInitializeAndUnloadRunsFinalize) {
    finalizeCalls = 0;
    auto package = Package::Load(TEST_PACKAGE_PATH);
    EXPECT_EQ(package->Variable<int>("initializeCount"), 1);
    EXPECT_FALSE(package->Variable<bool>("boIdCriado"));  // its Initialize cleared it

    package->Routine("IniProc")();
    package->Routine("IniProc")();
    EXPECT_EQ(package->Variable<int>("iniProcCount"), 2);

    using SetHook = void (*)(void (*)());
    reinterpret_cast<SetHook>(package->Symbol("SetFinalizeHook"))(&CountFinalize);
    package->Unload();
    EXPECT_EQ(finalizeCalls, 1);
    EXPECT_FALSE(package->Loaded());
    EXPECT_THROW(package->Symbol("IniProc"), EPackageError);
    package->Unload();  // a second unload does nothing
    EXPECT_EQ(finalizeCalls, 1);
}

TEST(Package, DestroyingALoadedPackageFinalizesIt) {
    finalizeCalls = 0;
    {
        auto package = Package::Load(TEST_PACKAGE_PATH);
        using SetHook = void (*)(void (*)());
        reinterpret_cast<SetHook>(package->Symbol("SetFinalizeHook"))(&CountFinalize);
    }
    EXPECT_EQ(finalizeCalls, 1);
}

TEST(Package, ReloadingStartsFromTheModulesInitialState) {
    auto first = Package::Load(TEST_PACKAGE_PATH);
    first->Routine("IniProc")();
    first.reset();
    auto second = Package::Load(TEST_PACKAGE_PATH);
    EXPECT_EQ(second->Variable<int>("iniProcCount"), 0);
    EXPECT_EQ(second->Variable<int>("initializeCount"), 1);
}

TEST(Package, MissingSymbolsAndFilesRaiseErrorsNamingThem) {
    auto package = Package::Load(TEST_PACKAGE_PATH);
    const std::pair<std::function<void()>, const char*> failures[] = {
        {[&] { package->Symbol("CriaIntegraCardapio"); }, "'CriaIntegraCardapio'"},
        {[] { Package::Load(TEST_PACKAGE_WITHOUT_FINALIZE_PATH); }, "'Finalize'"},
        {[] { Package::Load("/nonexistent/KRD52100.so"); }, "/nonexistent/KRD52100.so"},
    };
    for (const auto& [fail, named] : failures) {
        try {
            fail();
            ADD_FAILURE() << "no exception naming " << named;
        } catch (const EPackageError& e) {
            EXPECT_NE(e.Message().find(named), std::string::npos) << e.Message();
        }
    }
}

}  // namespace
