-- Tallybee database: tables, views, indexes and the rows a new household starts with.
-- Money columns count ten-thousandths of a yuan (12.5 is 125000).
-- Date columns hold 'YYYY-MM-DD HH:MM:SS'; a day has the time 00:00:00.

PRAGMA user_version = 1;

-- Income and expense entries.
CREATE TABLE s_shouru (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    f_fenleiid  INTEGER,
    s_jine      INTEGER CHECK (typeof(s_jine) IN ('integer', 'null')),
    s_userid    INTEGER,
    s_other     TEXT CHECK (length(s_other) <= 250),
    s_zhanghuid INTEGER,
    s_date      TEXT CHECK (s_date GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'),
    f_class     TEXT CHECK (f_class IN ('S', 'Z'))
);
CREATE INDEX ix_shouru_day ON s_shouru (f_class, s_date, s_jine);
CREATE INDEX ix_shouru_category ON s_shouru (f_fenleiid, s_date, f_class, s_jine);
CREATE INDEX ix_shouru_account ON s_shouru (s_zhanghuid, f_class, s_jine);
CREATE INDEX ix_shouru_user ON s_shouru (s_userid);

-- Categories: top level has f_id 0, a sub-category the id of its top level.
-- Names are unique over both kinds, ignoring ASCII case.
CREATE TABLE s_fenlei (
    id       INTEGER PRIMARY KEY AUTOINCREMENT,
    f_id     INTEGER NOT NULL DEFAULT 0,
    f_class  TEXT CHECK (f_class IN ('S', 'Z')),
    f_name   TEXT NOT NULL COLLATE NOCASE UNIQUE CHECK (length(f_name) BETWEEN 1 AND 50),
    f_pinyin TEXT
);
CREATE INDEX ix_fenlei_parent ON s_fenlei (f_id, f_class);
CREATE INDEX ix_fenlei_class ON s_fenlei (f_class, f_id);

-- Members: the people who log in, and payers and payees of entries.
CREATE TABLE s_user (
    id       INTEGER PRIMARY KEY AUTOINCREMENT,
    sys_name TEXT COLLATE NOCASE CHECK (length(sys_name) <= 50),
    sys_pwd  TEXT
);

-- Accounts with their cached totals (rebuilt by the account recomputation).
CREATE TABLE z_zhanghu (
    id         INTEGER PRIMARY KEY AUTOINCREMENT,
    z_name     TEXT COLLATE NOCASE CHECK (length(z_name) <= 50),
    z_qcje     INTEGER CHECK (typeof(z_qcje) IN ('integer', 'null')),
    z_shouru   INTEGER CHECK (typeof(z_shouru) IN ('integer', 'null')),
    z_zhichu   INTEGER CHECK (typeof(z_zhichu) IN ('integer', 'null')),
    z_jieru    INTEGER CHECK (typeof(z_jieru) IN ('integer', 'null')),
    z_jiechu   INTEGER CHECK (typeof(z_jiechu) IN ('integer', 'null')),
    z_zhuanru  INTEGER CHECK (typeof(z_zhuanru) IN ('integer', 'null')),
    z_zhuanchu INTEGER CHECK (typeof(z_zhuanchu) IN ('integer', 'null')),
    z_yue      INTEGER CHECK (typeof(z_yue) IN ('integer', 'null')),
    z_other    TEXT
);

-- Loans: j_class 'S' money borrowed, 'Z' money lent.
CREATE TABLE s_jie (
    id           INTEGER PRIMARY KEY AUTOINCREMENT,
    j_class      TEXT CHECK (length(j_class) <= 50),
    j_date       TEXT CHECK (j_date GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'),
    z_id         INTEGER,
    j_chuMoney   INTEGER CHECK (typeof(j_chuMoney) IN ('integer', 'null')),
    j_ruMoney    INTEGER CHECK (typeof(j_ruMoney) IN ('integer', 'null')),
    j_yuMoney    INTEGER CHECK (typeof(j_yuMoney) IN ('integer', 'null')),
    j_shoudate   TEXT CHECK (j_shoudate GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'),
    j_jiege      TEXT CHECK (length(j_jiege) <= 50),
    j_jiekuanren TEXT CHECK (length(j_jiekuanren) <= 50),
    j_other      TEXT CHECK (length(j_other) <= 250)
);
CREATE INDEX ix_jie_account ON s_jie (z_id, j_class, j_yuMoney);
CREATE INDEX ix_jie_class ON s_jie (j_class);

-- Transfers: zh1 pays, zh2 receives.
CREATE TABLE s_zhanghistory (
    id      INTEGER PRIMARY KEY AUTOINCREMENT,
    zh1     INTEGER,
    zh2     INTEGER,
    zdate   TEXT CHECK (zdate GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'),
    zXmoney INTEGER CHECK (typeof(zXmoney) IN ('integer', 'null')),
    other   TEXT CHECK (length(other) <= 250)
);
CREATE INDEX ix_history_from ON s_zhanghistory (zh1, zXmoney);
CREATE INDEX ix_history_to ON s_zhanghistory (zh2, zXmoney);
CREATE INDEX ix_history_date ON s_zhanghistory (zdate);

-- Monthly budget, one row per top-level expense category.
CREATE TABLE s_yushuan (
    id      INTEGER PRIMARY KEY AUTOINCREMENT,
    f_id    INTEGER,
    y_money INTEGER CHECK (typeof(y_money) IN ('integer', 'null')),
    y_x     TEXT CHECK (length(y_x) <= 50)
);
CREATE INDEX ix_yushuan_category ON s_yushuan (f_id);

-- Diary.
CREATE TABLE notebook (
    id     INTEGER PRIMARY KEY AUTOINCREMENT,
    n_date TEXT CHECK (n_date GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'),
    n_info TEXT
);
CREATE INDEX ix_notebook_day ON notebook (n_date);

-- Settings: exactly one row, id 1.
CREATE TABLE sys_sys (
    id     INTEGER PRIMARY KEY,
    isji   INTEGER CHECK (isji IN (0, 1)),
    isuser TEXT,
    ispwd  TEXT,
    daytxt TEXT,
    skinx  TEXT
);

-- Scratch tables: each belongs to one report or recomputation, which empties and
-- refills it on every run.
CREATE TABLE s_ls (
    s_date TEXT CHECK (s_date GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'),
    s_a    INTEGER CHECK (typeof(s_a) IN ('integer', 'null')),
    s_b    INTEGER CHECK (typeof(s_b) IN ('integer', 'null'))
);
CREATE TABLE s_renls (
    sdate TEXT CHECK (length(sdate) <= 50),
    sname TEXT CHECK (length(sname) <= 100),
    s_s   INTEGER CHECK (typeof(s_s) IN ('integer', 'null')),
    s_z   INTEGER CHECK (typeof(s_z) IN ('integer', 'null'))
);
CREATE TABLE x_shou (xmoney INTEGER, xid INTEGER);
CREATE TABLE x_zhi (xmoney INTEGER, xid INTEGER);
CREATE TABLE x_jie (xmoney INTEGER, xid INTEGER);
CREATE TABLE x_chu (xmoney INTEGER, xid INTEGER);
CREATE TABLE x_zr (xmoney INTEGER, xid INTEGER);
CREATE TABLE x_zc (xmoney INTEGER, xid INTEGER);

-- Every entry, with its category, member and account names. Left joins: an entry
-- whose member or account is gone is still listed, so no report hides it.
CREATE VIEW s_z_all AS
SELECT s.id, s.s_date, s.s_jine, s.s_other, s.f_class, f.f_name, u.sys_name, z.z_name
FROM s_shouru s
LEFT JOIN s_fenlei f ON f.id = s.f_fenleiid
LEFT JOIN s_user u ON u.id = s.s_userid
LEFT JOIN z_zhanghu z ON z.id = s.s_zhanghuid;

-- Every entry under its top-level category.
CREATE VIEW v_flbb AS
SELECT top.id AS f_id, top.f_name AS dfenlei, sub.f_name AS xfenlei,
       s.s_jine, s.s_date, s.f_class
FROM s_shouru s
JOIN s_fenlei sub ON sub.id = s.f_fenleiid
JOIN s_fenlei top ON top.id = sub.f_id;

-- Expense entries under their top-level category, for the budget comparison.
CREATE VIEW s_ys AS
SELECT top.id AS xid, top.f_name, s.s_jine, s.s_date
FROM s_shouru s
JOIN s_fenlei sub ON sub.id = s.f_fenleiid
JOIN s_fenlei top ON top.id = sub.f_id
WHERE s.f_class = 'Z';

-- The rows a new household starts with.
INSERT INTO sys_sys (id, isji, isuser, ispwd, daytxt, skinx)
VALUES (1, 0, '', '', '记好每一笔账，日子越过越红火！', 'x4');

INSERT INTO s_user (id, sys_name, sys_pwd) VALUES (1, '管理员', '');

INSERT INTO s_fenlei (id, f_id, f_class, f_name, f_pinyin) VALUES
    (1, 0, 'S', '职业收入', 'zysr'),
    (2, 1, 'S', '工资收入', 'gzsr'),
    (3, 1, 'S', '奖金收入', 'jjsr'),
    (4, 0, 'Z', '日常生活', 'rcsh'),
    (5, 4, 'Z', '餐饮费', 'cyf'),
    (6, 4, 'Z', '日用品', 'ryp'),
    (7, 4, 'Z', '水电燃气', 'sdrq'),
    (8, 1, 'S', '兼职收入', 'jzsr'),
    (9, 0, 'S', '其他收入', 'qtsr'),
    (10, 9, 'S', '利息收入', 'lxsr'),
    (11, 9, 'S', '礼金收入', 'ljsr'),
    (12, 0, 'Z', '居家住房', 'jjzf'),
    (13, 12, 'Z', '房租', 'fz'),
    (14, 12, 'Z', '物业费', 'wyf'),
    (15, 0, 'Z', '交通通讯', 'jttx'),
    (16, 15, 'Z', '公交地铁', 'gjdt'),
    (17, 15, 'Z', '话费网费', 'hfwf'),
    (18, 0, 'Z', '医疗教育', 'yljy'),
    (19, 18, 'Z', '学费', 'xf'),
    (20, 18, 'Z', '医药费', 'yyf'),
    (21, 0, 'Z', '休闲娱乐', 'xxyl'),
    (22, 21, 'Z', '旅游', 'ly'),
    (23, 21, 'Z', '服饰', 'fs');

INSERT INTO s_yushuan (f_id, y_money, y_x) VALUES
    (4, 20000000, '吃穿用度'),
    (12, 30000000, '房租与物业'),
    (15, 5000000, '出行与通讯'),
    (18, 10000000, '看病与上学'),
    (21, 8000000, '玩乐与衣着');

INSERT INTO z_zhanghu (id, z_name, z_qcje, z_shouru, z_zhichu, z_jieru, z_jiechu,
                       z_zhuanru, z_zhuanchu, z_yue, z_other)
VALUES (1, '现金', 0, 0, 0, 0, 0, 0, 0, 0, '钱包里的现金');
