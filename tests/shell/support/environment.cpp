#include "shell/support/environment.h"

#include <cstdlib>

namespace {

void apply(const std::string& name, const std::optional<std::string>& value) {
  if (value) {
    setenv(name.c_str(), value->c_str(), 1);
  } else {
    unsetenv(name.c_str());
  }
}

}  // namespace

EnvironmentGuard::~EnvironmentGuard() {
  for (const auto& [name, value] : saved_) apply(name, value);
}

void EnvironmentGuard::set(const std::string& name, const std::optional<std::string>& value) {
  if (saved_.count(name) == 0) {
    const char* old = std::getenv(name.c_str());
    saved_[name] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
  }
  apply(name, value);
}
