#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace lz::windows {

namespace detail {
// Joins constant texts at compile time, so that every page address follows its site root
// when the root changes.
template <const std::string_view&... parts>
struct Joined {
    static constexpr std::size_t size = (parts.size() + ...);
    static constexpr std::array<char, size> chars = [] {
        std::array<char, size> out{};
        std::size_t at = 0;
        for (std::string_view part : {parts...}) {
            for (char c : part) {
                out[at++] = c;
            }
        }
        return out;
    }();
    static constexpr std::string_view value{chars.data(), size};
};
}  // namespace detail

// The two web sites the program points to. Both live under reserved example domains so
// that no real site is ever reached by accident; plain http, as the sites serve it. The
// company address is short because the status bar shows it in a 200-pixel pane.
inline constexpr std::string_view kCompanySite = "http://www.lanyue.example/";
inline constexpr std::string_view kOnlineQuerySite = "http://www.zhoucheng-query.example/";

// Paths of the online site's pages below its root.
inline constexpr std::string_view kImportedPricePath = "imprice.asp";
inline constexpr std::string_view kDomesticPricePath = "guochan/";
inline constexpr std::string_view kArticleListPath = "NewsClass.asp?BigClass=新闻";

inline constexpr std::string_view kOnlineQueryHome = kOnlineQuerySite;
inline constexpr std::string_view kImportedPricePage =
    detail::Joined<kOnlineQuerySite, kImportedPricePath>::value;
inline constexpr std::string_view kDomesticPricePage =
    detail::Joined<kOnlineQuerySite, kDomesticPricePath>::value;
inline constexpr std::string_view kArticleListPage =
    detail::Joined<kOnlineQuerySite, kArticleListPath>::value;

}  // namespace lz::windows
