#!/usr/bin/env bash
# Rebuilds wechat_bill.xlsx from the hand-written parts in wechat_xlsx/.
# The first sheet lives at xl/worksheets/bill.xml (not sheet1.xml) so that reading it
# goes through the workbook's relationships.
set -euo pipefail
cd "$(dirname "$0")"
rm -f wechat_bill.xlsx
(cd wechat_xlsx && zip -X -D -r -q ../wechat_bill.xlsx '[Content_Types].xml' _rels xl)
