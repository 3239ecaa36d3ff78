#pragma once

// The cell delegate of a data-aware grid: check boxes drawn and toggled in place, and the plain text
// editor of the other cells.

#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <functional>

// Draws a check-box column's box centred in its cell and toggles it by a click (a single click when
// SingleClickCheckBox, else a double click) or by the space bar, when CanEdit allows the cell. Other
// editable cells are edited in a one-line editor that starts with the value's text and writes the text
// back to the model, which converts it to the field's type.
class TDBGridDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit TDBGridDelegate(QObject* AParent = nullptr) : QStyledItemDelegate(AParent) {}

  bool SingleClickCheckBox = false;
  // Whether a cell may be changed now; empty: every cell the model lets change.
  std::function<bool(const QModelIndex&)> CanEdit;
  // Told of every cell editor made.
  std::function<void(QWidget*)> OnCreateEditor;
  // Sees each key pressed in a cell editor before the delegate's own handling (Tab, Enter, Esc); true
  // takes the key.
  std::function<bool(QKeyEvent&)> OnEditorKey;

  void paint(QPainter* APainter, const QStyleOptionViewItem& AOption, const QModelIndex& AIndex) const override;
  QWidget* createEditor(QWidget* AParent, const QStyleOptionViewItem& AOption,
                        const QModelIndex& AIndex) const override;
  void setEditorData(QWidget* AEditor, const QModelIndex& AIndex) const override;
  void setModelData(QWidget* AEditor, QAbstractItemModel* AModel, const QModelIndex& AIndex) const override;

  // The box of a check-box cell within its rectangle.
  static QRect CheckBoxRect(const QStyleOptionViewItem& AOption);
  // Toggles a check-box cell; false when it is not one or may not change.
  bool Toggle(QAbstractItemModel& AModel, const QModelIndex& AIndex) const;

 protected:
  bool editorEvent(QEvent* AEvent, QAbstractItemModel* AModel, const QStyleOptionViewItem& AOption,
                   const QModelIndex& AIndex) override;
  bool eventFilter(QObject* AObject, QEvent* AEvent) override;
};
