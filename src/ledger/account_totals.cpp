#include "ledger/account_totals.h"

#include "store/database.h"

void RecalcAccountTotals(Database &db) {
    Transaction tx(db);
    // Each total is an index range sum per account (the indexes cover the summed
    // column), so the rebuild reads every source row once. Only accounts whose figures
    // changed are written: an unchanged ledger then costs no disk write at all.
    db.exec(QStringLiteral(
        "WITH fresh AS MATERIALIZED ("
        " SELECT id,"
        "  coalesce((SELECT sum(s_jine) FROM s_shouru"
        "   WHERE s_zhanghuid = z.id AND f_class = 'S'), 0) AS shouru,"
        "  coalesce((SELECT sum(s_jine) FROM s_shouru"
        "   WHERE s_zhanghuid = z.id AND f_class = 'Z'), 0) AS zhichu,"
        "  coalesce((SELECT sum(j_yuMoney) FROM s_jie"
        "   WHERE z_id = z.id AND j_class = 'S'), 0) AS jieru,"
        "  coalesce((SELECT sum(j_yuMoney) FROM s_jie"
        "   WHERE z_id = z.id AND j_class = 'Z'), 0) AS jiechu,"
        "  coalesce((SELECT sum(zXmoney) FROM s_zhanghistory WHERE zh2 = z.id), 0) AS zhuanru,"
        "  coalesce((SELECT sum(zXmoney) FROM s_zhanghistory WHERE zh1 = z.id), 0) AS zhuanchu"
        " FROM z_zhanghu z),"
        " target AS MATERIALIZED ("
        " SELECT fresh.*, z.z_qcje + shouru + jieru + zhuanru - zhichu - jiechu - zhuanchu AS yue"
        " FROM fresh JOIN z_zhanghu z ON z.id = fresh.id)"
        " UPDATE z_zhanghu SET z_shouru = t.shouru, z_zhichu = t.zhichu, z_jieru = t.jieru,"
        "  z_jiechu = t.jiechu, z_zhuanru = t.zhuanru, z_zhuanchu = t.zhuanchu, z_yue = t.yue"
        " FROM target t"
        " WHERE t.id = z_zhanghu.id AND (z_shouru IS NOT t.shouru OR z_zhichu IS NOT t.zhichu"
        "  OR z_jieru IS NOT t.jieru OR z_jiechu IS NOT t.jiechu OR z_zhuanru IS NOT t.zhuanru"
        "  OR z_zhuanchu IS NOT t.zhuanchu OR z_yue IS NOT t.yue)"));
    tx.commit();
}
