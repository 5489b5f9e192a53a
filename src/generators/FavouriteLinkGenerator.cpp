#include "generators/FavouriteLinkGenerator.h"

#include "form/Literals.h"
#include "generators/MarketplaceHosts.h"
#include "text/TextPrimitives.h"

namespace shopcode {
namespace {

// The add-to-favourites page for the shop, opened by a click on the image; the query
// parameters are joined by the entity "&amp;".
std::string favouriteSnippet(std::string_view shopId, std::string_view imageAddress) {
  const std::string piece1 =
      concatTexts("<a href=\"http://", FavouritesHost, "/popup/add_collection.htm?id=");
  constexpr std::string_view piece3 = "&amp;itemid=";
  constexpr std::string_view piece5 = "&amp;itemtype=0\" target=\"_self\" title=\"\"><img src=\"";
  constexpr std::string_view piece7 = "\" /></a>";
  return concatTexts(piece1, shopId, piece3, shopId, piece5, imageAddress, piece7);
}

}  // namespace

std::string extractShopId(std::string_view address, std::string_view marker, std::string_view terminator) {
  const int length = byteLength(address);
  // An absent marker (-1) is not treated apart: the cut then starts at the marker's
  // length minus 1, inside the scheme of an address such as http://.
  const int start = truncateToInt(static_cast<double>(findText(address, marker)) + byteLength(marker));
  const std::string rest = midPart(address, start, length);
  const int end = findText(rest, terminator);
  return midPart(rest, 1, truncateToInt(static_cast<double>(end) - 1));
}

void generateFavouriteLink(GeneratorForm& form) {
  if (textEquals(form.readText(Field::编辑框4), "")) return;
  if (textEquals(form.readText(Field::编辑框5), "")) return;
  form.writeText(Field::编辑框3, "");
  const std::string address = form.readText(Field::编辑框4);
  const std::string shopId = extractShopId(address, "shop", ".");
  // Only an initial address has the shop's number after "shop". Refused: an address with
  // no "shop" (whatever its scheme or blanks), no id after "shop", or an id starting with
  // "tp", which is what a later domain gives when the id is cut from its "http://".
  if (findText(address, "shop") == -1 || textEquals(shopId, "") || textEquals(leftPart(shopId, 2), "tp")) {
    form.showMessage(literals().favouritesRefusal, MessageIconError);
    return;
  }
  form.writeText(Field::编辑框3, favouriteSnippet(shopId, form.readText(Field::编辑框5)));
}

}  // namespace shopcode
