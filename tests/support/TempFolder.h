#pragma once
// A fresh, empty folder under /tmp for one test, removed with everything in it at the end.
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace vagaris::test {

struct TempFolder {
    std::filesystem::path dir;
    explicit TempFolder(const std::string& prefix = "vagaris-test") {
        std::string tmpl = "/tmp/" + prefix + "-XXXXXX";
        dir = ::mkdtemp(tmpl.data());
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
};

}  // namespace vagaris::test
