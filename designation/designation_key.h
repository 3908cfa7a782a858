#pragma once

#include <string>
#include <string_view>

namespace lz::designation {

// Reduces a bearing designation, as people write or stamp it, to the text two writings of
// one designation share, so that "6205llu", "6205 LLU" and "６２０５ＬＬＵ" all meet
// "6205LLU". The key:
// - folds full-width ASCII (U+FF01..U+FF5E) to half-width and the ideographic space to a
//   space;
// - upper-cases ASCII letters (other characters stand as they are);
// - drops the separators: spaces (and other ASCII white space), "-", "/", "." and "·";
// - except that a run of separators between two digits leaves one "-" behind. Writers
//   put a separator exactly where the digits of two features meet: "605-2Z" (605, two
//   shields) is not "6052-Z" (6052, one shield), nor "62/22" (bore 22 mm) "6222" (bore
//   110 mm), and both pairs are in the catalogue. So "6205-2RS", "6205 2RS" and
//   "6205/2RS" meet, while "62052RS" stays apart from them.
// Nothing else changes, so different features never meet: "2RS"/"2RZ", "Z"/"2Z" and a
// clearance suffix such as "C3" against none all keep their keys apart. Invalid UTF-8 is
// kept byte for byte. The key of a text without letters or digits is empty.
std::string designationKey(std::string_view designation);
// The same key, written into `key` (replacing what it held), so that a caller keying many
// designations reuses one buffer.
void designationKeyInto(std::string_view designation, std::string& key);

}  // namespace lz::designation
