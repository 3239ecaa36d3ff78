#include "platform/grids/DBGridDelegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "platform/data/DataSet.h"

QRect TDBGridDelegate::CheckBoxRect(const QStyleOptionViewItem& AOption) {
  const QStyle* estilo = AOption.widget ? AOption.widget->style() : QApplication::style();
  QStyleOptionButton caja;
  const QRect marca = estilo->subElementRect(QStyle::SE_CheckBoxIndicator, &caja, AOption.widget);
  QRect rect(QPoint(0, 0), marca.size());
  rect.moveCenter(AOption.rect.center());
  return rect;
}

void TDBGridDelegate::paint(QPainter* APainter, const QStyleOptionViewItem& AOption, const QModelIndex& AIndex) const {
  const QVariant estado = AIndex.data(Qt::CheckStateRole);
  if (!estado.isValid()) return QStyledItemDelegate::paint(APainter, AOption, AIndex);
  // The cell's background and selection as any cell, then the box alone, centred.
  QStyleOptionViewItem opcion = AOption;
  initStyleOption(&opcion, AIndex);
  opcion.features &= ~QStyleOptionViewItem::HasCheckIndicator;
  opcion.text.clear();
  const QStyle* estilo = opcion.widget ? opcion.widget->style() : QApplication::style();
  estilo->drawControl(QStyle::CE_ItemViewItem, &opcion, APainter, opcion.widget);
  QStyleOptionButton caja;
  caja.rect = CheckBoxRect(AOption);
  caja.state =
      QStyle::State_Enabled | (estado.value<Qt::CheckState>() == Qt::Checked ? QStyle::State_On : QStyle::State_Off);
  estilo->drawPrimitive(QStyle::PE_IndicatorCheckBox, &caja, APainter, opcion.widget);
}

bool TDBGridDelegate::Toggle(QAbstractItemModel& AModel, const QModelIndex& AIndex) const {
  const QVariant estado = AIndex.data(Qt::CheckStateRole);
  if (!estado.isValid() || !AIndex.flags().testFlag(Qt::ItemIsUserCheckable) || (CanEdit && !CanEdit(AIndex)))
    return false;
  const Qt::CheckState nuevo = estado.value<Qt::CheckState>() == Qt::Checked ? Qt::Unchecked : Qt::Checked;
  return AModel.setData(AIndex, nuevo, Qt::CheckStateRole);
}

bool TDBGridDelegate::editorEvent(QEvent* AEvent, QAbstractItemModel* AModel, const QStyleOptionViewItem& AOption,
                                  const QModelIndex& AIndex) {
  if (!AIndex.data(Qt::CheckStateRole).isValid())
    return QStyledItemDelegate::editorEvent(AEvent, AModel, AOption, AIndex);
  switch (AEvent->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
      const auto* raton = static_cast<QMouseEvent*>(AEvent);
      if (raton->button() != Qt::LeftButton || !AOption.rect.contains(raton->position().toPoint())) return false;
      // A double click toggles once: in single-click mode its clicks already did.
      const bool doble = AEvent->type() == QEvent::MouseButtonDblClick;
      if (doble == SingleClickCheckBox) return doble;
      return Toggle(*AModel, AIndex);
    }
    case QEvent::KeyPress:
      return static_cast<QKeyEvent*>(AEvent)->key() == Qt::Key_Space && Toggle(*AModel, AIndex);
    default:
      return false;
  }
}

QWidget* TDBGridDelegate::createEditor(QWidget* AParent, const QStyleOptionViewItem&, const QModelIndex&) const {
  auto* editor = new QLineEdit(AParent);
  editor->setFrame(false);
  if (OnCreateEditor) OnCreateEditor(editor);
  return editor;
}

bool TDBGridDelegate::eventFilter(QObject* AObject, QEvent* AEvent) {
  if (AEvent->type() == QEvent::KeyPress && OnEditorKey && OnEditorKey(*static_cast<QKeyEvent*>(AEvent))) return true;
  return QStyledItemDelegate::eventFilter(AObject, AEvent);
}

void TDBGridDelegate::setEditorData(QWidget* AEditor, const QModelIndex& AIndex) const {
  static_cast<QLineEdit*>(AEditor)->setText(ValueText(AIndex.data(Qt::EditRole)));
}

void TDBGridDelegate::setModelData(QWidget* AEditor, QAbstractItemModel* AModel, const QModelIndex& AIndex) const {
  const QString texto = static_cast<QLineEdit*>(AEditor)->text();
  if (texto != ValueText(AIndex.data(Qt::EditRole))) AModel->setData(AIndex, texto.isEmpty() ? QVariant() : texto);
}
