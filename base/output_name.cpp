#include "base/output_name.h"

#include <filesystem>
#include <system_error>

namespace vx11 {

namespace fs = std::filesystem;

std::string output_file_name(const std::string& input, std::string_view extension) {
  fs::path p(input);
  p.replace_extension(std::string(".") + std::string(extension));
  return p.string();
}

bool same_file(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec) && !ec;
  const auto normal = [](const std::string& p) {
    std::error_code e;
    const fs::path absolute = fs::absolute(p, e);
    return (e ? fs::path(p) : absolute).lexically_normal();
  };
  return normal(a) == normal(b);
}

}  // namespace vx11
