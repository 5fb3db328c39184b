#pragma once

#include <QString>

// The quick code of a category name: the lower-case pinyin initial of each of its
// GB2312 level-1 characters, in order ("餐饮费" gives "cyf", "3月房租" gives "yfz").
// Latin letters, digits, signs, level-2 characters and GBK extensions give nothing, so
// the result may be empty; the caller then keeps the code the category had.
QString quickCodeFor(const QString &name);
