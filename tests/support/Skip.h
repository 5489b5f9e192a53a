#pragma once
// A test whose conditions are missing here skips: SHOPCODE_SKIP() << "why";. A run that
// promises every condition (CI sets SHOPCODE_NO_SKIP=1) turns each such skip into a
// failure, so a broken set-up cannot pass as a green run of fewer tests.
#include <gtest/gtest.h>

#include <cstdlib>

namespace shopcode::support {

inline bool skipsAreFailures() {
  const char* value = std::getenv("SHOPCODE_NO_SKIP");
  return value != nullptr && *value != '\0' && *value != '0';
}

}  // namespace shopcode::support

// GoogleTest's own GTEST_SKIP, with the result chosen at run time.
#define SHOPCODE_SKIP()                                                                                    \
  return GTEST_MESSAGE_AT_(                                                                                \
      __FILE__, __LINE__,                                                                                  \
      ::shopcode::support::skipsAreFailures() ? "Skipped where this run allows no skip (SHOPCODE_NO_SKIP)" \
                                              : "Skipped",                                                 \
      ::shopcode::support::skipsAreFailures() ? ::testing::TestPartResult::kFatalFailure                   \
                                              : ::testing::TestPartResult::kSkip)
