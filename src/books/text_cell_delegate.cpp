#include "text_cell_delegate.h"

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
    if (m_textEdited) {
        // The row may move while the editor is open (a row added above); follow it.
        const QPersistentModelIndex cell(index);
        connect(line, &QLineEdit::textEdited, line, [this, cell](const QString &text) {
            if (cell.isValid() && m_textEdited)
                m_textEdited(cell.row(), text);
        });
    }
    return editor;
}

void TextCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const {
    // A change elsewhere in the row (the quick code written as the name is typed) makes
    // the view refresh its open editors; what the user has typed must stay.
    if (auto *line = qobject_cast<QLineEdit *>(editor); line && line->isModified())
        return;
    QStyledItemDelegate::setEditorData(editor, index);
}
