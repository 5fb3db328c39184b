#include "account_totals.h"

#include "database.h"

void RecalcAccountTotals(Database &db) {
    Transaction tx(db);
    // Each total is an index range sum per account (the indexes cover the summed
    // column), so the whole rebuild reads every source row once.
    db.exec(QStringLiteral(
        "UPDATE z_zhanghu SET "
        " z_shouru = coalesce((SELECT sum(s_jine) FROM s_shouru"
        "   WHERE s_zhanghuid = z_zhanghu.id AND f_class = 'S'), 0),"
        " z_zhichu = coalesce((SELECT sum(s_jine) FROM s_shouru"
        "   WHERE s_zhanghuid = z_zhanghu.id AND f_class = 'Z'), 0),"
        " z_jieru = coalesce((SELECT sum(j_yuMoney) FROM s_jie"
        "   WHERE z_id = z_zhanghu.id AND j_class = 'S'), 0),"
        " z_jiechu = coalesce((SELECT sum(j_yuMoney) FROM s_jie"
        "   WHERE z_id = z_zhanghu.id AND j_class = 'Z'), 0),"
        " z_zhuanru = coalesce((SELECT sum(zXmoney) FROM s_zhanghistory"
        "   WHERE zh2 = z_zhanghu.id), 0),"
        " z_zhuanchu = coalesce((SELECT sum(zXmoney) FROM s_zhanghistory"
        "   WHERE zh1 = z_zhanghu.id), 0)"));
    db.exec(QStringLiteral("UPDATE z_zhanghu SET "
                           "z_yue = z_qcje + z_shouru + z_jieru + z_zhuanru"
                           " - z_zhichu - z_jiechu - z_zhuanchu"));
    tx.commit();
}
