#include "text/PairReplacer.h"

#include "text/TextPrimitives.h"

namespace shopcode {

std::string PairReplacer(std::string_view text, const PairReplacerOptions& options, ReplacePair pair1,
                         ReplacePair pair2, ReplacePair pair3, ReplacePair pair4, ReplacePair pair5) {
  const int start = options.start == 0 ? 1 : options.start;
  std::string current(text);
  // Each step sees the output of the one before, so later pairs also scan earlier insertions.
  for (const ReplacePair& pair : {pair1, pair2, pair3, pair4, pair5}) {
    if (pair.find.empty()) continue;  // replaceText would return its input unchanged
    current = replaceText(current, pair.find, pair.replacement, start, options.count, options.caseSensitive);
  }
  return current;
}

}  // namespace shopcode
