#include "host/platform/file_address.hpp"

#include <gtest/gtest.h>

#include "frame/cp_literal.hpp"

namespace funkcja::platform {
namespace {

using namespace funkcja::literals;

TEST(FileAddress, HostFolderFilesBecomePathsAndFileAddresses) {
  struct Case {
    std::string folder;
    std::string name;
    std::string path;
    std::string address;
  };
  const Case cases[] = {
      {"C:\\TEMIX\\Common  ", "\\Aktualnosci\\aktualnosci.html",
       "C:/TEMIX/Common/Aktualnosci/aktualnosci.html",
       "file:///C:/TEMIX/Common/Aktualnosci/aktualnosci.html"},
      {"/opt/temix/common/", "Aktualnosci\\offline.html",
       "/opt/temix/common/Aktualnosci/offline.html",
       "file:///opt/temix/common/Aktualnosci/offline.html"},
      {"", "Aktualnosci\\aktualnosci.html", "/Aktualnosci/aktualnosci.html",
       "file:///Aktualnosci/aktualnosci.html"},
      // What would end or change the path inside an address is encoded; letters as UTF-8.
      {std::string("/home/ala/Moje dokumenty/Wspólne#1?%"_cp), "a.html",
       std::string("/home/ala/Moje dokumenty/Wspólne#1?%/a.html"_cp),
       "file:///home/ala/Moje%20dokumenty/Wsp%C3%B3lne%231%3F%25/a.html"},
  };
  for (const Case& c : cases) {
    const std::string path = folder_file(c.folder, c.name);
    EXPECT_EQ(path, c.path) << c.folder;
    EXPECT_EQ(file_address(path), c.address) << c.folder;
  }
}

}  // namespace
}  // namespace funkcja::platform
