#include "ui/CodeBoxActions.h"

#include "form/Literals.h"
#include "text/CharacterReferences.h"
#include "text/TextPrimitives.h"

namespace shopcode {

std::string previewFilePath(Platform& platform) {
  return concatTexts(platform.desktopFolder(), literals().previewFileSuffix);
}

void copyCode(GeneratorForm& form, Platform& platform) {
  // No test for an empty box: copying it leaves an empty text on the clipboard. Programs that
  // read Unicode get exactly the characters the box shows; those that read code page 936 get
  // the box's text as readText gives it, which a browser shows with the same characters.
  const std::u16string shown = form.readCharacters(Field::编辑框3);
  platform.putOnClipboard(gbkWithReferences(shown), shown);
}

void previewCode(GeneratorForm& form, Platform& platform) {
  if (textEquals(form.readText(Field::编辑框3), "")) return;
  const std::string path = previewFilePath(platform);
  // A failed write is not looked at: the shell then opens an older preview, if there is one.
  platform.writeFile(path, textToBytes(form.readText(Field::编辑框3)));
  platform.openWithShell(previewFilePath(platform));
}

void putMarqueeSample(GeneratorForm& form) {
  form.writeText(Field::编辑框3, literals().marqueeSample);
}

}  // namespace shopcode
