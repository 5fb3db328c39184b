#pragma once

#include <QString>
#include <QtGlobal>

// Texts about the maker that the windows show, and the web addresses.
namespace SiteTexts {

// The web site; TALLYBEE_SITE stands in for it (a test's local server, a mirror).
inline QString site() {
    const QString other = qEnvironmentVariable("TALLYBEE_SITE");
    return other.isEmpty() ? QStringLiteral("https://www.tallybee.cn") : other;
}
inline QString helpUrl() {
    return site() + QStringLiteral("/newhelp.htm?id=x163");
}
// The page the web-site link at the foot of the navigation bar opens.
inline QString webSiteUrl() {
    return site() + QStringLiteral("/?id=50");
}
// Answers the version check with the newest version's token, as plain text.
inline QString updateCheckUrl() {
    return site() + QStringLiteral("/update/version.txt");
}
inline const QString DesignCaption = QStringLiteral("欢迎使用Tallybee 5.2");
inline const QString ShownCaption = QStringLiteral("Tallybee 家庭记账 5.2 —— 记好每一笔，家更安心");
inline const QString PrintTitle = QStringLiteral("Tallybee 家庭");
inline const QString Contact = QStringLiteral("网站：www.tallybee.cn  电话：400-820-5200");
inline const QString ExpenseTip = QStringLiteral("小贴士：每天花一分钟，记下每一笔开销。");
inline const QString Dedication =
    QStringLiteral("^-^亲爱的我会爱你一生一世，仅此献给我最亲的老婆^-^");

} // namespace SiteTexts
