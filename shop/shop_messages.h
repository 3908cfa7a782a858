#pragma once

// Every message the shop's file and the stock-list readers give a user, in one place so
// that the windows, the command line and the tests say the same thing. UTF-8.
namespace lz::shop::messages {

// Reading a stock list. Nothing is written when one of these comes up.
inline constexpr const char* kEmptyFile = "文件是空的";
inline constexpr const char* kNoHeader = "找不到表头（型号、数量……）";
inline constexpr const char* kEncrypted = "工作簿已加密，无法读取";
inline constexpr const char* kDamaged = "文件不完整或已损坏";
inline constexpr const char* kCellTooLarge = "单元格超过 64 KiB";
inline constexpr const char* kUnpackedTooLarge = "压缩内容过大";
inline constexpr const char* kTooManyCells = "表格的单元格太多";
inline constexpr const char* kFileTooLarge = "文件太大";
inline constexpr const char* kUnknownFormat =
    "无法识别的文件格式（可读 .xlsx、.xls、CSV 或网页表格）";
inline constexpr const char* kCannotRead = "无法读取文件";
inline constexpr const char* kNoSheets = "工作簿里没有工作表";
inline constexpr const char* kSheetNotFound = "找不到工作表";
inline constexpr const char* kNoLines = "表头下面没有库存行";

// Problems of one line, shown beside it; the line is still imported.
inline constexpr const char* kQuantityNotNumber = "数量不是数字";
inline constexpr const char* kQuantityNotWhole = "数量不是整数";
inline constexpr const char* kPriceNotNumber = "单价不是数字";
inline constexpr const char* kCostNotNumber = "进价不是数字";

// The shop file. The program goes on without shop data after the first five.
inline constexpr const char* kShopFileNotOurs =
    "本店数据文件不是本程序的文件，未作任何改动；本次不使用本店数据";
inline constexpr const char* kShopFileDamaged =
    "本店数据文件已损坏，未作任何改动；本次不使用本店数据";
inline constexpr const char* kShopFileNewer =
    "本店数据文件由较新版本的程序写入，未作任何改动；本次不使用本店数据";
inline constexpr const char* kShopFileCannotOpen = "无法打开本店数据文件；本次不使用本店数据";
inline constexpr const char* kShopFileUpgradeFailed =
    "本店数据文件升级失败，未作任何改动；本次不使用本店数据";
inline constexpr const char* kBackupFailed = "无法备份本店数据文件，未作任何改动";
inline constexpr const char* kImportFailed = "导入失败，本店库存保持原样";
inline constexpr const char* kImportCancelled = "导入已取消，本店库存保持原样";
inline constexpr const char* kNothingToUndo = "没有可以撤销的导入";
inline constexpr const char* kUndoFailed = "撤销失败，本店库存保持原样";
inline constexpr const char* kSaveFailed = "保存失败，本店数据保持原样";
inline constexpr const char* kReadFailed = "读取本店数据出错";

// Quotes kept in the shop file.
inline constexpr const char* kBadQuoteNumber = "单号无效（应为日期加序号，如 20261208-001）";
inline constexpr const char* kQuoteNotFound = "没有这个单号的报价单";
inline constexpr const char* kQuoteNumbersUsedUp = "当天的报价单号已用完";

// Importing from the window.
inline constexpr const char* kCatalogueUnavailable = "无法读取轴承数据，不能匹配本店库存";
inline constexpr const char* kChooseALine = "请先在上面的列表中选中一行";
inline constexpr const char* kChooseABearing = "请先选中一个候选轴承";

}  // namespace lz::shop::messages
