#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace shopcode {

struct ReplacePair {
  std::string_view find;
  std::string_view replacement;
};

struct PairReplacerOptions {
  std::optional<int> count;  // none: every occurrence
  int start = 0;             // 0: the first byte
  bool caseSensitive = false;
};

// Applies up to five (find, replacement) pairs one after the other; pairs left out are empty.
std::string PairReplacer(std::string_view text, const PairReplacerOptions& options, ReplacePair pair1,
                         ReplacePair pair2 = {}, ReplacePair pair3 = {}, ReplacePair pair4 = {},
                         ReplacePair pair5 = {});

}  // namespace shopcode
