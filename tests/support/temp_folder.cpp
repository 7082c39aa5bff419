#include "temp_folder.h"

#include <cstdlib>
#include <stdexcept>

namespace vex::test {

TempFolder::TempFolder() {
    std::string tmpl = (fs::temp_directory_path() / "vexmora-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = tmpl;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

}  // namespace vex::test
