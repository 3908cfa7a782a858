#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lz::query_cli::test {

// A few rows for the command line: bearings that interchange under one new designation
// (and one that does not), a designation holding a quote, prices with commas, quotes, NULLs
// and whole numbers in the double column.
inline constexpr std::string_view kSmallRows = R"sql(
INSERT INTO bearing VALUES (1,'NSK 6205DDU 轴承','6205-2RS','180205','25','52','15','6205DDU',
    'NSK','深沟球轴承','两面带密封圈（接触式）的深沟球轴承 （60000-2RS 型）',NULL);
INSERT INTO bearing VALUES (2,'NTN 6205LLU 轴承','6205-2RS',NULL,'25','52','15','6205LLU',
    'NTN','深沟球轴承','两面带密封圈（接触式）的深沟球轴承 （60000-2RS 型）',NULL);
INSERT INTO bearing VALUES (3,'SKF 6205-2RSH 轴承','6205-2RS','180205','25','52','15',
    '6205-2RSH','SKF','深沟球轴承','两面带密封圈（接触式）的深沟球轴承 （60000-2RS 型）',NULL);
INSERT INTO bearing VALUES (4,'SKF 6205-2RZ 轴承','6205-2RZ','160205','25','52','15',
    '6205-2RZ','SKF','深沟球轴承','两面带密封圈（非接触式）的深沟球轴承 （60000-2RZ 型）',NULL);
INSERT INTO bearing VALUES (5,'FAG 30205 轴承','30205','7205E','25','52','16.25','30205','FAG',
    '圆锥滚子轴承','圆锥滚子轴承（30000 型）',NULL);
INSERT INTO bearing VALUES (6,'X 62''05 轴承','62''05',NULL,'125','200','30','62''05','X',
    NULL,NULL,NULL);
INSERT INTO prjk VALUES (NULL,NULL,'深沟球轴承（62XX系列）','0','0');
INSERT INTO prjk VALUES (3.0,'NACHI','6000 C3','5.3','6.201');
INSERT INTO prjk VALUES (4,'SKF','6000, "ZZ"','1','2');
INSERT INTO prgc VALUES (13691,'204','6204','10.5','12.3','哈尔滨');
INSERT INTO prgc VALUES (2,'205','6205',NULL,NULL,'洛阳');
)sql";

// The bytes of a catalogue file holding the catalogue's schema and `rows`.
std::vector<std::byte> smallCatalogueImage(std::string_view rows = kSmallRows);

// The bytes of the file at `path`.
std::vector<std::byte> fileBytes(const std::string& path);

}  // namespace lz::query_cli::test
