#include "ledger/account_totals.h"

#include "store/database.h"

bool RecalcAccountTotals(Database &db) {
    Transaction tx(db);
    // Each total is an index range sum per account (the indexes cover the summed
    // column), so the rebuild reads every source row once. Only accounts whose figures
    // changed are written: an unchanged ledger then costs no disk write at all.
    // money_sum() gives a real number where a sum leaves the range; only whole numbers
    // are kept, so such a figure is left empty (the balance too, and SQLite's own
    // arithmetic turns an overflowing balance into a real number as well).
    db.exec(QStringLiteral(
        "WITH fresh AS MATERIALIZED ("
        " SELECT id,"
        "  coalesce((SELECT money_sum(s_jine) FROM s_shouru"
        "   WHERE s_zhanghuid = z.id AND f_class = 'S'), 0) AS shouru,"
        "  coalesce((SELECT money_sum(s_jine) FROM s_shouru"
        "   WHERE s_zhanghuid = z.id AND f_class = 'Z'), 0) AS zhichu,"
        "  coalesce((SELECT money_sum(j_yuMoney) FROM s_jie"
        "   WHERE z_id = z.id AND j_class = 'S'), 0) AS jieru,"
        "  coalesce((SELECT money_sum(j_yuMoney) FROM s_jie"
        "   WHERE z_id = z.id AND j_class = 'Z'), 0) AS jiechu,"
        "  coalesce((SELECT money_sum(zXmoney) FROM s_zhanghistory WHERE zh2 = z.id), 0) AS "
        "zhuanru,"
        "  coalesce((SELECT money_sum(zXmoney) FROM s_zhanghistory WHERE zh1 = z.id), 0) AS "
        "zhuanchu"
        " FROM z_zhanghu z),"
        " whole AS MATERIALIZED ("
        " SELECT id, iif(typeof(shouru) = 'integer', shouru, NULL) AS shouru,"
        "  iif(typeof(zhichu) = 'integer', zhichu, NULL) AS zhichu,"
        "  iif(typeof(jieru) = 'integer', jieru, NULL) AS jieru,"
        "  iif(typeof(jiechu) = 'integer', jiechu, NULL) AS jiechu,"
        "  iif(typeof(zhuanru) = 'integer', zhuanru, NULL) AS zhuanru,"
        "  iif(typeof(zhuanchu) = 'integer', zhuanchu, NULL) AS zhuanchu"
        " FROM fresh),"
        " target AS MATERIALIZED ("
        " SELECT w.*, iif(typeof(y) = 'integer', y, NULL) AS yue FROM ("
        "  SELECT whole.*,"
        "   z.z_qcje + shouru + jieru + zhuanru - zhichu - jiechu - zhuanchu AS y"
        "  FROM whole JOIN z_zhanghu z ON z.id = whole.id) w)"
        " UPDATE z_zhanghu SET z_shouru = t.shouru, z_zhichu = t.zhichu, z_jieru = t.jieru,"
        "  z_jiechu = t.jiechu, z_zhuanru = t.zhuanru, z_zhuanchu = t.zhuanchu, z_yue = t.yue"
        " FROM target t"
        " WHERE t.id = z_zhanghu.id AND (z_shouru IS NOT t.shouru OR z_zhichu IS NOT t.zhichu"
        "  OR z_jieru IS NOT t.jieru OR z_jiechu IS NOT t.jiechu OR z_zhuanru IS NOT t.zhuanru"
        "  OR z_zhuanchu IS NOT t.zhuanchu OR z_yue IS NOT t.yue)"));
    // Totals are NULL only where a sum left the range; a balance is NULL besides that
    // only for an empty starting amount.
    const bool inRange =
        !db.scalar(QStringLiteral(
                       "select 1 from z_zhanghu where z_shouru is null or z_zhichu is null"
                       " or z_jieru is null or z_jiechu is null or z_zhuanru is null"
                       " or z_zhuanchu is null or (z_yue is null and z_qcje is not null) limit 1"))
             .isValid();
    tx.commit();
    return inRange;
}
