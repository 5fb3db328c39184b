#pragma once

#include <QtGlobal>

class CsvWriter;
class Database;

// Writes every entry, oldest first, as CSV rows under the heading 日期 收支 项目 大类
// 收付款人 账户 金额 备注: dates as YYYY-MM-DD, amounts as plain decimals. The rows are
// read one at a time, so a ledger of any size takes little memory. Gives the number of
// entries written. Throws DbError; a failed write shows in writer.ok().
qint64 exportEntries(Database &db, CsvWriter &writer);
