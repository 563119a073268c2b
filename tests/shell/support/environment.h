// Setting environment variables for one test and restoring them afterwards.
#pragma once

#include <map>
#include <optional>
#include <string>

class EnvironmentGuard {
 public:
  EnvironmentGuard() = default;
  EnvironmentGuard(const EnvironmentGuard&) = delete;
  EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;
  // Puts every changed variable back as it was.
  ~EnvironmentGuard();

  // Sets name to value, or removes it when value is nullopt.
  void set(const std::string& name, const std::optional<std::string>& value);

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};
