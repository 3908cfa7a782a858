#pragma once

#include <string>

#include "shop/quote/quote.h"

namespace lz::shop {

// An amount in Chinese capital numerals, as written on quotes, invoices and cheques so that
// no digit can be altered: "壹佰贰拾叁元肆角伍分" for 123.45 yuan, "壹仟肆佰零玖元伍角整",
// "壹拾万柒仟元零伍角叁分", "零元整". Runs of zeros are read as one 零; a zero 元 digit
// before 角 is read as 零 too; "整" ends an amount without 分. A negative amount starts
// with "负".
std::string amountInCapitals(Fen fen);

}  // namespace lz::shop
