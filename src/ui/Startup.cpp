#include "ui/Startup.h"

#include "text/TextDescrambler.h"
#include "ui/CodeBoxActions.h"
#include "ui/StoredTexts.h"

namespace shopcode {

void prepareWindow(GeneratorForm& form) {
  ShowMessage show = [&form](std::string_view text, unsigned style) { form.showMessage(text, style); };
  const StoredTexts& stored = storedTexts();
  // Each text is written as it comes, an empty one (a failed key check) included.
  form.setWindowCaption(descramble(stored.caption, "", show));
  form.setLinkCaption(descramble(stored.linkCaption, "", show));
  std::string firstPass = descramble(stored.linkTarget, "", show);
  form.setLinkTarget(descramble(firstPass, "", show));
}

void removePreviewFile(Platform& platform) {
  // The same path the preview writes; a missing or locked file changes nothing.
  platform.deleteFile(previewFilePath(platform));
}

}  // namespace shopcode
