#include "widgets/text_cell_delegate.h"

#include <QLineEdit>
#include <QPersistentModelIndex>

TextCellDelegate::TextCellDelegate(int maxLength, QObject *parent)
    : QStyledItemDelegate(parent), m_maxLength(maxLength) {}

QWidget *TextCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const {
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line)
        return editor;
    if (m_maxLength > 0)
        line->setMaxLength(m_maxLength);

    // The row may move while the editor is open (a row added above); follow it. A row
    // removed, or the list read afresh, invalidates the index and nothing is reported.
    const QPersistentModelIndex cell(index);
    const auto edit = std::make_shared<Edit>();
    m_edits.insert(line, edit);
    if (m_opened)
        m_opened(index.row());
    connect(line, &QLineEdit::textEdited, line, [this, cell, edit](const QString &text) {
        edit->typed = true;
        if (cell.isValid() && m_textEdited)
            m_textEdited(cell.row(), text);
    });
    // The view closes an editor on Escape without asking this delegate to keep its text,
    // so the only sign of it is an editor gone without setModelData.
    connect(line, &QObject::destroyed, this, [this, cell, edit, line] {
        m_edits.remove(line);
        if (edit->typed && !edit->kept && cell.isValid() && m_abandoned)
            m_abandoned(cell.row());
    });
    return editor;
}

void TextCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const {
    // A change elsewhere in the row (the quick code written as the name is typed) makes
    // the view refresh its open editors; what the user has typed must stay.
    if (auto *line = qobject_cast<QLineEdit *>(editor); line && line->isModified())
        return;
    QStyledItemDelegate::setEditorData(editor, index);
}

void TextCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                    const QModelIndex &index) const {
    if (const auto edit = m_edits.value(editor))
        edit->kept = true;
    QStyledItemDelegate::setModelData(editor, model, index);
}
