#pragma once

#include <QHash>
#include <QStyledItemDelegate>
#include <functional>
#include <memory>

// Edits a text cell with a line editor that takes no more characters than the column
// holds, and reports every change the user makes to the text as it happens.
class TextCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using TextEdited = std::function<void(int row, const QString &text)>;
    using RowHook = std::function<void(int row)>;

    explicit TextCellDelegate(int maxLength, QObject *parent = nullptr);

    void setTextEdited(TextEdited handler) { m_textEdited = std::move(handler); }
    // An editor opened on the row, and one closed after typing with its text thrown
    // away (Escape): what the typing changed elsewhere in the row can be put back.
    void setEditOpened(RowHook handler) { m_opened = std::move(handler); }
    void setEditAbandoned(RowHook handler) { m_abandoned = std::move(handler); }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

private:
    struct Edit {
        bool typed = false;
        bool kept = false;
    };

    int m_maxLength;
    TextEdited m_textEdited;
    RowHook m_opened;
    RowHook m_abandoned;
    mutable QHash<const QWidget *, std::shared_ptr<Edit>> m_edits; // open editors
};
