#include "generators/ServiceBadgeGenerator.h"

#include <string>

#include "generators/MarketplaceHosts.h"
#include "text/TextPrimitives.h"

namespace shopcode {
namespace {

// The chat link and the online-status image, each with the encoded account as its uid;
// the query parameters are joined by a bare "&".
std::string badgeSnippet(std::string_view encodedAccount, std::string_view prompt) {
  const std::string piece1 =
      concatTexts("<a target=\"_blank\" href=\"http://", ChatHost, "/webww/ww.php?ver=3&touid=");
  const std::string piece3 =
      concatTexts("&siteid=cntaobao&status=1&charset=utf-8\"><img border=\"0\" src=\"http://",
                  StatusImageHost, "/online.aw?v=2&uid=");
  constexpr std::string_view piece5 = "&site=cntaobao&s=1&charset=utf-8\" alt=\"";
  constexpr std::string_view piece7 = "\" /></a>";
  return concatTexts(piece1, encodedAccount, piece3, encodedAccount, piece5, prompt, piece7);
}

}  // namespace

void generateServiceBadge(GeneratorForm& form, const EventPump& pumpEvents) {
  if (textEquals(form.readText(Field::编辑框1), "")) return;
  if (textEquals(form.readText(Field::编辑框2), "")) return;
  form.writeText(Field::编辑框3, "");
  // The encoding lets the window handle its events; the user may edit the prompt
  // meanwhile (read only afterwards) or even close the window, which ends the action.
  const std::string encodedAccount = encode(form.readText(Field::编辑框1), pumpEvents);
  if (form.isGone()) return;
  const std::string prompt = form.readText(Field::编辑框2);
  form.writeText(Field::编辑框3, badgeSnippet(encodedAccount, prompt));
}

}  // namespace shopcode
