#pragma once

#include <QStyledItemDelegate>
#include <functional>

// Edits a text cell with a line editor that takes no more characters than the column
// holds, and reports every change the user makes to the text as it happens.
class TextCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using TextEdited = std::function<void(int row, const QString &text)>;

    explicit TextCellDelegate(int maxLength, QObject *parent = nullptr);

    void setTextEdited(TextEdited handler) { m_textEdited = std::move(handler); }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;

  private:
    int m_maxLength;
    TextEdited m_textEdited;
};
