#pragma once
// A fresh program directory for one test: VAGARIS_HOME points at a temporary folder, into
// which sample catalogs can be copied.
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "support/TempFolder.h"

struct TestHome : vagaris::test::TempFolder {
    TestHome() { ::setenv("VAGARIS_HOME", dir.c_str(), 1); }
    // Copies a sample catalog (by file name) from data/samples into the folder.
    void copySample(const std::string& name, const std::string& as = "") const {
        std::filesystem::copy_file(std::filesystem::path(VAGARIS_SAMPLES_DIR) / name,
                                   dir / (as.empty() ? name : as),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    std::string programDir() const { return dir.string() + "/"; }
};
