#pragma once
// Hosts of the marketplace endpoints that the snippets link to (after "http://").
namespace shopcode {
inline constexpr const char* ChatHost = "www.taobao.com";
inline constexpr const char* StatusImageHost = "amos.alicdn.com";
inline constexpr const char* FavouritesHost = "favorite.taobao.com";
}  // namespace shopcode
