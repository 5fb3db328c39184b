#pragma once

#include <QChar>
#include <QString>

// Whether a key typed into the entry page's amount field goes in, judged on the text
// before the key (wherever the caret is): digits, one point, blank and backspace only,
// and nothing but backspace once two decimals follow the point. The backspace key is
// '\b'. Values the calculator writes do not pass through here.
bool amountKeyAccepted(const QString &text, QChar key);
