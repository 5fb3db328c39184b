#include "widget_text.h"

#include "plain_decimal.h"
#include "step_failure.h"
#include "tools/perpetual_calendar.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {
QString labelText(const QLabel *label) {
    const QString text = label->text();
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    const QString plain = rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    // A label shows '&' as a mnemonic only when it has a buddy to give the focus to.
    return label->buddy() ? stripMnemonic(plain) : plain;
}
} // namespace

QString stripMnemonic(const QString &text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        result += text.at(i);
    }
    return result;
}

QString captionOf(const Target &target) {
    QWidget *w = target.widget;
    if (!w)
        return QString();
    if (QTabBar *bar = target.tabBar())
        return stripMnemonic(bar->tabText(target.tab));
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return stripMnemonic(button->text());
    if (auto *label = qobject_cast<QLabel *>(w))
        return labelText(label);
    if (auto *group = qobject_cast<QGroupBox *>(w))
        return stripMnemonic(group->title());
    return QString();
}

QString visibleText(const Target &target) {
    QWidget *w = target.widget;
    if (!w)
        fail(QStringLiteral("expected a widget, found it was destroyed"));
    if (target.isTab() || qobject_cast<QAbstractButton *>(w) || qobject_cast<QLabel *>(w) ||
        qobject_cast<QGroupBox *>(w))
        return captionOf(target);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    if (auto *edit = qobject_cast<QTextEdit *>(w))
        return edit->toPlainText();
    if (auto *edit = qobject_cast<QPlainTextEdit *>(w))
        return edit->toPlainText();
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    if (auto *picker = qobject_cast<QDateTimeEdit *>(w)) {
        if (picker->displayedSections() & QDateTimeEdit::DateSections_Mask)
            return picker->date().toString(QStringLiteral("yyyy-MM-dd"));
        return picker->time().toString(QStringLiteral("HH:mm:ss"));
    }
    if (auto *calendar = qobject_cast<QCalendarWidget *>(w))
        return calendar->selectedDate().toString(QStringLiteral("yyyy-MM-dd"));
    if (auto *calendar = qobject_cast<PerpetualCalendar *>(w))
        return calendar->selectedDate().toString(QStringLiteral("yyyy-MM-dd"));
    if (auto *spin = qobject_cast<QSpinBox *>(w))
        return QString::number(spin->value());
    if (auto *spin = qobject_cast<QDoubleSpinBox *>(w))
        return plainDecimal(spin->value());
    if (w->isWindow())
        return w->windowTitle();
    fail(QStringLiteral("expected a widget that shows text, found %1").arg(describe(target)));
}

QString describe(const Target &target) {
    QWidget *w = target.widget;
    if (!w)
        return QStringLiteral("a destroyed widget");
    if (target.isTab())
        return QStringLiteral("tab \"%1\"").arg(captionOf(target));
    if (!w->objectName().isEmpty())
        return w->objectName();
    if (!w->accessibleName().isEmpty())
        return QStringLiteral("\"%1\"").arg(w->accessibleName());
    const QString caption = captionOf(target);
    const QString kind = QString::fromLatin1(w->metaObject()->className());
    return caption.isEmpty() ? kind : QStringLiteral("%1 \"%2\"").arg(kind, caption);
}
