// A main window on the scripted platform whose program folder is a fresh
// temporary folder, for tests that read back the bytes the game writes.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "records/safe_file.h"
#include "window/controls/control_model.h"
#include "window/jeu_yam.h"
#include "platform/scripted_platform.h"

namespace dravonelle {

// A scratch folder of its own, removed with everything in it.
struct ScratchFolder {
    std::filesystem::path path;
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "dravonelle-test-XXXXXX").string();
        EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
        path = pattern;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

// On a scratch folder, or on the folder of another window to see what a
// later start finds there.
struct FolderFixture {
    ScratchFolder scratch;  // first: made before the window and removed after it
    std::filesystem::path folder;
    std::ostringstream out;
    ScriptedPlatform scripted{out, folder};
    Platform platform = scripted.platform();
    ControlModel model;
    JeuYam jeu{model, platform};

    FolderFixture() : folder(scratch.path) {}
    explicit FolderFixture(const std::filesystem::path& in) : folder(in) {}

    std::string bytes(const std::string& name) const { return readWhole(folder, name).value_or(""); }
};

}  // namespace dravonelle
