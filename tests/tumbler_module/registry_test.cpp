#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "switch_control/framework/module/class_registry.h"
#include "switch_control/framework/module/registry_text.h"
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
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_DATA_HOME", "/tmp/isolated-data", 1);
    EXPECT_EQ(fw::ClassRegistry::DefaultPath(),
              std::filesystem::path("/tmp/isolated-data/quill-components/classes.reg"));
    old ? setenv("XDG_DATA_HOME", saved.c_str(), 1) : unsetenv("XDG_DATA_HOME");
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
