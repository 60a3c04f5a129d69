#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Seams.h"

namespace platform::testing {

// Message boxes are collected instead of shown, and a file dialog or a browser call
// that a test did not ask for fails it.
class PlatformTest : public ::testing::Test {
 protected:
  PlatformTest() : overrides_(MakeOverrides()) {}

  const std::vector<std::string>& Messages() const { return messages_; }

 private:
  seams::Overrides MakeOverrides() {
    seams::Overrides o;
    o.message = [this](std::string_view title, std::string_view text) {
      messages_.push_back(std::string(title) + ": " + std::string(text));
    };
    o.saveDialog = [](std::string_view, std::string_view) -> std::optional<std::string> {
      ADD_FAILURE() << "unexpected save dialog";
      return std::nullopt;
    };
    o.openDialog = [](std::string_view) -> std::optional<std::string> {
      ADD_FAILURE() << "unexpected open dialog";
      return std::nullopt;
    };
    o.showURL = [](std::string_view address) { ADD_FAILURE() << "unexpected ShowURL " << address; };
    return o;
  }

  std::vector<std::string> messages_;
  seams::ScopedOverrides overrides_;
};

}  // namespace platform::testing
