#include <gtest/gtest.h>

#include <fstream>

#include "switch_control/framework/module/class_factory.h"
#include "switch_control/framework/module/module_server.h"
#include "switch_control/framework/module/type_library.h"
#include "switch_control/framework/module/type_library_registration.h"
#include "tests/tumbler_module/temp_folder.h"

namespace fw = tumbler::framework;

namespace {

int anchor;  // an address inside this executable, which stands in for a module
constexpr fw::Guid kLibId{0x11111111, 0x2222, 0x3333, {4, 4, 5, 5, 5, 5, 5, 5}};
const std::string kLib = "{11111111-2222-3333-0404-050505050505}";

class FailingFactory : public fw::ClassFactory {
  public:
    using fw::ClassFactory::ClassFactory;
    bool Register(const fw::ClassRegistry&) const override { return false; }
    bool Unregister(const fw::ClassRegistry&) const override { return false; }
};

fw::ClassEntry Entry(const std::string& clsid, const std::string& progId) {
    fw::ClassEntry e;
    e.clsid = clsid;
    e.progId = progId;
    e.typeName = "Thing";
    e.toolboxBitmap = "1";
    return e;
}

struct TestModule {
    TestModule() : state("test-module", &anchor) {
        library.libId = kLibId;
        library.name = "TestLib";
        library.major = 1;
        state.SetTypeLibrary(&library);
    }
    fw::TypeLibrary library;
    fw::ModuleState state;
};

}  // namespace

TEST(ModuleServer, RegistersTheLibraryThenEveryClassAndRemovesThemAgain) {
    TempFolder dir;
    fw::ClassRegistry registry(dir.path() / "classes.reg");
    TestModule module;
    fw::ClassFactory control(module.state, Entry("{C}", "Test.Control.1"));
    fw::ClassFactory page(module.state, Entry("{P}", ""));

    ASSERT_EQ(fw::RegisterModuleServer(module.state, registry), fw::kOk);
    const auto lib = registry.FindTypeLib(kLib, 1, 0, 0);
    ASSERT_TRUE(lib.has_value());
    EXPECT_EQ(lib->path, module.state.Path().string());
    EXPECT_EQ(registry.FindClass("{C}")->modulePath, module.state.Path().string());
    EXPECT_EQ(registry.FindClass("{C}")->toolboxBitmap, module.state.Path().string() + ", 1");
    EXPECT_TRUE(registry.FindClass("{P}").has_value());
    EXPECT_EQ(registry.ClsidFromProgId("Test.Control.1"), "{C}");

    ASSERT_EQ(fw::UnregisterModuleServer(module.state, registry), fw::kOk);
    EXPECT_TRUE(registry.Classes().empty());
    EXPECT_FALSE(registry.FindTypeLib(kLib, 1, 0, 0).has_value());
    EXPECT_FALSE(registry.ClsidFromProgId("Test.Control.1").has_value());
}

TEST(ModuleServer, TypeLibraryFailureStopsBeforeTheClasses) {
    TempFolder dir;
    TestModule module;
    fw::ClassFactory control(module.state, Entry("{C}", "Test.Control.1"));
    module.state.SetTypeLibrary(nullptr);
    fw::ClassRegistry registry(dir.path() / "classes.reg");
    EXPECT_EQ(fw::RegisterModuleServer(module.state, registry), fw::kSelfRegTypeLibError);
    EXPECT_FALSE(registry.FindClass("{C}").has_value());
    EXPECT_EQ(fw::UnregisterModuleServer(module.state, registry), fw::kSelfRegTypeLibError);
}

TEST(ModuleServer, ClassFailureAfterTheLibraryKeepsTheLibrary) {
    TempFolder dir;
    TestModule module;
    FailingFactory failing(module.state, Entry("{F}", ""));
    fw::ClassFactory later(module.state, Entry("{C}", ""));
    fw::ClassRegistry registry(dir.path() / "classes.reg");
    EXPECT_EQ(fw::RegisterModuleServer(module.state, registry), fw::kSelfRegClassError);
    EXPECT_TRUE(registry.FindTypeLib(kLib, 1, 0, 0).has_value());
    EXPECT_FALSE(registry.FindClass("{C}").has_value());
    EXPECT_EQ(fw::UnregisterModuleServer(module.state, registry), fw::kSelfRegClassError);
}

TEST(ModuleServer, UnwritableRegistryFailsAtTheLibraryStep) {
    TempFolder dir;
    TestModule module;
    fw::ClassFactory control(module.state, Entry("{C}", ""));
    std::ofstream(dir.path() / "file") << "x";
    fw::ClassRegistry registry(dir.path() / "file" / "classes.reg");
    EXPECT_EQ(fw::RegisterModuleServer(module.state, registry), fw::kSelfRegTypeLibError);
    EXPECT_EQ(fw::UnregisterModuleServer(module.state, registry), fw::kSelfRegTypeLibError);
}

TEST(ModuleServer, HandsOutFactoriesByClassAndCountsObjectsAndLocks) {
    TestModule module;
    fw::ClassFactory control(module.state, Entry("{C}", ""));
    fw::ClassFactory* factory = nullptr;
    EXPECT_EQ(fw::GetModuleClassObject(module.state, "{C}", &factory), fw::kOk);
    EXPECT_EQ(factory, &control);
    EXPECT_EQ(fw::GetModuleClassObject(module.state, "{X}", &factory), fw::kClassNotAvailable);
    EXPECT_EQ(factory, nullptr);

    EXPECT_EQ(fw::CanUnloadModuleNow(module.state), fw::kOk);
    module.state.ObjectCreated();
    EXPECT_EQ(fw::CanUnloadModuleNow(module.state), fw::kFalse);
    module.state.ObjectDestroyed();
    control.LockServer(true);
    EXPECT_EQ(fw::CanUnloadModuleNow(module.state), fw::kFalse);
    control.LockServer(false);
    EXPECT_EQ(fw::CanUnloadModuleNow(module.state), fw::kOk);
}
