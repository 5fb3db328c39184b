#include "mainwin/navigation_bar.h"

#include "widgets/art.h"
#include "widgets/clickable_label.h"

namespace {
struct ItemPlace {
    const char *caption;
    int y;
};

// Captions keep their inner blanks exactly.
constexpr ItemPlace Places[NavigationBar::ItemCount] = {
    {"支 出", 41},         {"收 入", 72},        {"账 户", 101},       {"收 入 类 别", 136},
    {"支 出 类 别", 168},  {"借 入 借 出", 208}, {"账 户 转 账", 235}, {"流 水 报 表", 273},
    {"分 类 报 表", 300},  {"人 员 报 表", 324}, {"预 算 设 定", 358}, {"实 用 工具", 392},
    {"系  统 设 置", 415},
};

constexpr int SeparatorYs[] = {124, 194, 260, 348, 383};
} // namespace

NavigationBar::NavigationBar(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("navigationBar"));
    setFixedSize(193, 511);
    auto *background = new QLabel(this);
    background->setPixmap(artPixmap(QStringLiteral("navbar"), size()));
    background->setGeometry(rect());

    for (int y : SeparatorYs) {
        auto *line = new QLabel(this);
        line->setGeometry(31, y, 130, 2);
        line->setStyleSheet(QStringLiteral("border-bottom: 1px solid rgba(120,100,60,110);"));
    }

    for (int i = 0; i < ItemCount; ++i) {
        const Item item = Item(i);
        auto *label = new ClickableLabel(QString::fromUtf8(Places[i].caption), this);
        label->setObjectName(QStringLiteral("navItem%1").arg(i + 1));
        label->setProperty("navItem", true);
        QFont font = label->font();
        font.setFamilies({QStringLiteral("宋体"), QStringLiteral("WenQuanYi Micro Hei")});
        if (isMainItem(item)) {
            font.setPixelSize(13);
            font.setBold(true);
            label->setGeometry(56, Places[i].y, 90, 20);
        } else {
            font.setPixelSize(12);
            label->setAlignment(Qt::AlignCenter);
            label->setGeometry(31, Places[i].y, 130, 18);
        }
        label->setFont(font);
        connect(label, &ClickableLabel::clicked, this, [this, item] { emit itemClicked(item); });
        m_items[i] = label;
        paint(item, false);
    }

    // The product name and the web site's address, drawn as the foot of the bar; a click
    // opens the site.
    auto *link = new ClickableLabel(QString(), this);
    link->setObjectName(QStringLiteral("webLink"));
    link->setAccessibleName(QStringLiteral("网站链接"));
    link->setPixmap(artPixmap(QStringLiteral("web_link"), QSize(129, 49)));
    link->setGeometry(32, 446, 129, 49);
    connect(link, &ClickableLabel::clicked, this, &NavigationBar::webLinkClicked);
}

void NavigationBar::paint(Item item, bool highlighted) {
    ClickableLabel *label = m_items[item];
    label->setProperty("highlighted", highlighted);
    if (isMainItem(item))
        label->setStyleSheet(highlighted
                                 ? QStringLiteral("color: #ff0000; background: transparent;")
                                 : QStringLiteral("color: #000000; background: transparent;"));
    else
        label->setStyleSheet(highlighted
                                 ? QStringLiteral("color: #000000; background: #00ff00;")
                                 : QStringLiteral("color: #000000; background: transparent;"));
}

void NavigationBar::clearHighlight() {
    for (int i = 0; i < ItemCount; ++i)
        paint(Item(i), false);
}

void NavigationBar::highlight(Item item) {
    paint(item, true);
}
