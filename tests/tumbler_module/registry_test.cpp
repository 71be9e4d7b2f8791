#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "switch_control/framework/module/class_registry.h"
#include "switch_control/framework/module/registry_text.h"
#include "tests/tumbler_module/scoped_environment.h"
#include "tests/tumbler_module/temp_folder.h"

namespace fw = tumbler::framework;

namespace {

fw::ClassEntry SampleClass(const std::string& clsid, const std::string& progId) {
    fw::ClassEntry e;
    e.clsid = clsid;
    e.progId = progId;
    e.typeName = "Quill Switch Control";
    e.modulePath = "/opt/quill/libtumbler.so";
    e.threadingModel = "Apartment";
    e.miscStatus = 0x20191;
    e.control = true;
    e.toolboxBitmap = "/opt/quill/libtumbler.so, 1";
    e.typeLibId = "{9C681F64-7D55-11D4-8DB5-004005399797}";
    e.typeLibVersion = "1.0";
    return e;
}

fw::TypeLibEntry SampleLib(uint16_t minor, uint32_t locale, const std::string& path) {
    fw::TypeLibEntry e;
    e.libId = "{9C681F64-7D55-11D4-8DB5-004005399797}";
    e.major = 1;
    e.minor = minor;
    e.locale = locale;
    e.name = "TumblerLib";
    e.path = path;
    return e;
}

const std::string kClsid = "{9C681F67-7D55-11D4-8DB5-004005399797}";

}  // namespace

TEST(RegistryText, KeepsSectionsAndValuesOnOneLineEach) {
    fw::RegistryDocument doc;
    doc["Class {A}"] = {{"TypeName", "スイッチ"}, {"Evil", "two\nlines"}};
    const std::string text = fw::FormatRegistryText(doc);
    const fw::RegistryDocument back = fw::ParseRegistryText(text);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back.at("Class {A}").at("TypeName"), "スイッチ");
    EXPECT_EQ(back.at("Class {A}").at("Evil"), "two lines");
    EXPECT_EQ(back.at("Class {A}").size(), 2u);
}

TEST(ClassRegistry, RegistersFindsAndRemovesAClassWithItsProgId) {
    TempFolder dir;
    fw::ClassRegistry registry(dir.path() / "classes.reg");
    ASSERT_TRUE(registry.RegisterClass(SampleClass(kClsid, "Tumbler.TumblerCtrl.1")));

    const auto found = registry.FindClass(kClsid);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->typeName, "Quill Switch Control");
    EXPECT_EQ(found->modulePath, "/opt/quill/libtumbler.so");
    EXPECT_EQ(found->threadingModel, "Apartment");
    EXPECT_EQ(found->miscStatus, 0x20191u);
    EXPECT_TRUE(found->control);
    EXPECT_EQ(found->typeLibVersion, "1.0");
    EXPECT_EQ(registry.ClsidFromProgId("Tumbler.TumblerCtrl.1"), kClsid);
    EXPECT_EQ(registry.Classes().size(), 1u);

    ASSERT_TRUE(registry.UnregisterClass(kClsid, "Tumbler.TumblerCtrl.1"));
    EXPECT_FALSE(registry.FindClass(kClsid).has_value());
    EXPECT_FALSE(registry.ClsidFromProgId("Tumbler.TumblerCtrl.1").has_value());
    // Removing what is gone is no failure.
    EXPECT_TRUE(registry.UnregisterClass(kClsid, "Tumbler.TumblerCtrl.1"));
}

TEST(ClassRegistry, FileIsReadableText) {
    TempFolder dir;
    fw::ClassRegistry registry(dir.path() / "classes.reg");
    ASSERT_TRUE(registry.RegisterClass(SampleClass(kClsid, "Tumbler.TumblerCtrl.1")));
    std::ifstream in(registry.path());
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(text.find("[Class " + kClsid + "]"), std::string::npos);
    EXPECT_NE(text.find("MiscStatus = 0x20191"), std::string::npos);
    EXPECT_NE(text.find("ProgID = Tumbler.TumblerCtrl.1"), std::string::npos);
}

TEST(ClassRegistry, KeepsAProgIdThatAnotherClassTookOver) {
    TempFolder dir;
    fw::ClassRegistry registry(dir.path() / "classes.reg");
    ASSERT_TRUE(registry.RegisterClass(SampleClass("{A}", "Shared.Name.1")));
    ASSERT_TRUE(registry.RegisterClass(SampleClass("{B}", "Shared.Name.1")));
    ASSERT_TRUE(registry.UnregisterClass("{A}", "Shared.Name.1"));
    EXPECT_EQ(registry.ClsidFromProgId("Shared.Name.1"), "{B}");
}

TEST(ClassRegistry, FindsTypeLibraryByVersionAndLocale) {
    TempFolder dir;
    fw::ClassRegistry registry(dir.path() / "classes.reg");
    ASSERT_TRUE(registry.RegisterTypeLib(SampleLib(0, 0, "/neutral-1.0")));
    ASSERT_TRUE(registry.RegisterTypeLib(SampleLib(2, 0, "/neutral-1.2")));
    ASSERT_TRUE(registry.RegisterTypeLib(SampleLib(2, 0x411, "/japanese-1.2")));
    const std::string id = "{9C681F64-7D55-11D4-8DB5-004005399797}";

    EXPECT_EQ(registry.FindTypeLib(id, 1, 0, 0)->path, "/neutral-1.2");
    EXPECT_EQ(registry.FindTypeLib(id, 1, 0, 0x411)->path, "/japanese-1.2");
    EXPECT_EQ(registry.FindTypeLib(id, 1, 1, 0x409)->path, "/neutral-1.2");
    EXPECT_FALSE(registry.FindTypeLib(id, 1, 3, 0).has_value());
    EXPECT_FALSE(registry.FindTypeLib(id, 2, 0, 0).has_value());

    ASSERT_TRUE(registry.UnregisterTypeLib(id, 1, 2, 0));
    ASSERT_TRUE(registry.UnregisterTypeLib(id, 1, 2, 0x411));
    EXPECT_EQ(registry.FindTypeLib(id, 1, 0, 0x411)->path, "/neutral-1.0");
}

TEST(ClassRegistry, WritesFailWhenTheFolderCannotBeMade) {
    TempFolder dir;
    std::ofstream(dir.path() / "plain-file") << "x";
    fw::ClassRegistry registry(dir.path() / "plain-file" / "quill" / "classes.reg");
    EXPECT_FALSE(registry.RegisterClass(SampleClass(kClsid, "Tumbler.TumblerCtrl.1")));
    EXPECT_FALSE(registry.RegisterTypeLib(SampleLib(0, 0, "/x")));
    EXPECT_FALSE(registry.FindClass(kClsid).has_value());
}

TEST(ClassRegistry, DefaultPathFollowsXdgDataHome) {
    const ScopedEnvironment dataHome("XDG_DATA_HOME");
    dataHome.Set("/tmp/isolated-data");
    EXPECT_EQ(fw::ClassRegistry::DefaultPath(),
              std::filesystem::path("/tmp/isolated-data/quill-components/classes.reg"));
}

TEST(ClassRegistry, SystemPathsFollowXdgDataDirsInOrder) {
    const ScopedEnvironment dataDirs("XDG_DATA_DIRS");
    dataDirs.Set("/opt/a/share:relative/ignored::/usr/share");
    EXPECT_EQ(fw::ClassRegistry::SystemPaths(),
              (std::vector<std::filesystem::path>{"/opt/a/share/quill-components/classes.reg",
                                                  "/usr/share/quill-components/classes.reg"}));
    dataDirs.Unset();
    EXPECT_EQ(fw::ClassRegistry::SystemPaths(),
              (std::vector<std::filesystem::path>{"/usr/local/share/quill-components/classes.reg",
                                                  "/usr/share/quill-components/classes.reg"}));
}

// The per-user registry is read first, then each system registry in turn; writes never reach
// a system file.
class LayeredRegistryTest : public ::testing::Test {
  protected:
    fw::ClassEntry Registered(const fw::ClassRegistry& file, const std::string& clsid,
                              const std::string& progId, const std::string& module) const {
        fw::ClassEntry e = SampleClass(clsid, progId);
        e.modulePath = module;
        EXPECT_TRUE(file.RegisterClass(e));
        return e;
    }
    fw::ClassRegistry Layered() const { return fw::ClassRegistry(user_, {system1_, system2_}); }

    TempFolder dir_;
    std::filesystem::path user_ = dir_.path() / "user.reg";
    std::filesystem::path system1_ = dir_.path() / "local.reg";
    std::filesystem::path system2_ = dir_.path() / "usr.reg";
};

TEST_F(LayeredRegistryTest, TheUsersEntryHidesTheSystemsAndSaysWhereEachComesFrom) {
    const std::string other = "{11111111-2222-3333-4444-555555555555}";
    Registered(fw::ClassRegistry(system2_), kClsid, "Tumbler.TumblerCtrl.1", "/usr/lib/t.so");
    Registered(fw::ClassRegistry(system2_), other, "Other.Ctrl.1", "/usr/lib/o.so");
    Registered(fw::ClassRegistry(user_), kClsid, "Tumbler.TumblerCtrl.1", "/home/u/t.so");
    const fw::ClassRegistry registry = Layered();

    const std::optional<fw::ClassEntry> mine = registry.FindClass(kClsid);
    ASSERT_TRUE(mine.has_value());
    EXPECT_EQ(mine->modulePath, "/home/u/t.so");
    EXPECT_EQ(mine->scope, fw::RegistryScope::User);
    const std::optional<fw::ClassEntry> theirs = registry.FindClass(other);
    ASSERT_TRUE(theirs.has_value());
    EXPECT_EQ(theirs->scope, fw::RegistryScope::System);
    EXPECT_EQ(registry.ClsidFromProgId("Other.Ctrl.1"), other);

    const std::vector<fw::ClassEntry> all = registry.Classes();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].modulePath, "/home/u/t.so");
    EXPECT_EQ(all[1].modulePath, "/usr/lib/o.so");
}

TEST_F(LayeredRegistryTest, AnEarlierSystemFileWinsOverALaterOne) {
    Registered(fw::ClassRegistry(system1_), kClsid, "Tumbler.TumblerCtrl.1", "/usr/local/t.so");
    Registered(fw::ClassRegistry(system2_), kClsid, "Tumbler.TumblerCtrl.1", "/usr/lib/t.so");
    ASSERT_TRUE(fw::ClassRegistry(system2_).RegisterTypeLib(SampleLib(0, 0, "/usr/lib/t.so")));
    ASSERT_TRUE(fw::ClassRegistry(system1_).RegisterTypeLib(SampleLib(0, 0, "/usr/local/t.so")));
    const fw::ClassRegistry registry = Layered();
    EXPECT_EQ(registry.FindClass(kClsid)->modulePath, "/usr/local/t.so");
    EXPECT_EQ(registry.Classes().size(), 1u);
    // A file that has a match answers, even when a later file's minor version is higher.
    ASSERT_TRUE(fw::ClassRegistry(system2_).RegisterTypeLib(SampleLib(5, 0, "/usr/lib/t5.so")));
    EXPECT_EQ(registry.FindTypeLib(SampleLib(0, 0, "").libId, 1, 0, 0)->path, "/usr/local/t.so");
}

TEST_F(LayeredRegistryTest, UnregisteringTouchesOnlyTheUsersFile) {
    Registered(fw::ClassRegistry(system2_), kClsid, "Tumbler.TumblerCtrl.1", "/usr/lib/t.so");
    std::ifstream before(system2_);
    const std::string systemText{std::istreambuf_iterator<char>(before), {}};
    const fw::ClassRegistry registry = Layered();
    Registered(registry, kClsid, "Tumbler.TumblerCtrl.1", "/home/u/t.so");
    EXPECT_EQ(registry.FindClass(kClsid)->scope, fw::RegistryScope::User);

    EXPECT_TRUE(registry.UnregisterClass(kClsid, "Tumbler.TumblerCtrl.1"));
    EXPECT_EQ(registry.FindClass(kClsid)->modulePath, "/usr/lib/t.so");
    EXPECT_EQ(registry.ClsidFromProgId("Tumbler.TumblerCtrl.1"), kClsid);
    std::ifstream after(system2_);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(after), {}), systemText);
}

TEST_F(LayeredRegistryTest, MissingOrUnreadableSystemFilesAreSkipped) {
    std::filesystem::create_directory(system1_);  // a folder where a file is expected
    Registered(fw::ClassRegistry(system2_), kClsid, "Tumbler.TumblerCtrl.1", "/usr/lib/t.so");
    EXPECT_EQ(Layered().FindClass(kClsid)->modulePath, "/usr/lib/t.so");
    EXPECT_FALSE(fw::ClassRegistry(user_, {dir_.path() / "none.reg"}).FindClass(kClsid));
}

TEST(ClassRegistry, ConcurrentRegistrationsFromSeveralProcessesAllSurvive) {
    TempFolder dir;
    const auto file = dir.path() / "classes.reg";
    constexpr int kProcesses = 4;
    constexpr int kClassesEach = 25;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            fw::ClassRegistry registry(file);
            bool ok = true;
            for (int i = 0; i < kClassesEach; ++i) {
                const std::string id = "{" + std::to_string(p) + "-" + std::to_string(i) + "}";
                ok = registry.RegisterClass(
                         SampleClass(id, "P" + std::to_string(p) + ".C" + std::to_string(i))) &&
                     ok;
            }
            _exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    fw::ClassRegistry registry(file);
    EXPECT_EQ(registry.Classes().size(), static_cast<size_t>(kProcesses * kClassesEach));
    EXPECT_EQ(registry.ClsidFromProgId("P3.C24"), "{3-24}");
}
