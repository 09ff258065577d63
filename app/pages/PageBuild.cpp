// The control makers the pages share: named labels, buttons, lists and edits,
// the page form, and the printable-ASCII, SRM text and nine-digit MMSI inputs.
#include "app/pages/PageBuild.h"

#include <QRegularExpressionValidator>

#include <cstdio>

QLabel* NewLabel(QWidget* parent, const char* name, const QString& caption) {
  return Named(new QLabel(caption, parent), name);
}

TSpeedButton* NewButton(QWidget* parent, const char* name, const QString& caption) {
  return Named(new TSpeedButton(caption, parent), name);
}

QComboBox* NewList(QWidget* parent, const char* name, const QStringList& items) {
  auto* c = Named(new QComboBox(parent), name);
  c->addItems(items);
  if (!items.isEmpty()) c->setCurrentIndex(0);
  return c;
}

TLabeledEdit* NewLabeledEdit(QWidget* parent, const char* name, const QString& caption) {
  return Named(new TLabeledEdit(caption, parent), name);
}

TLabeledEdit* NewSrmTextEdit(QWidget* parent, const char* name, const QString& caption,
                             const QString& text) {
  auto* e = NewLabeledEdit(parent, name, caption);
  e->setMaxLength(16);
  e->SetUpperCaseOnly();
  e->setValidator(PrintableAscii(e));
  e->setText(text);
  e->setMinimumWidth(200);
  return e;
}

TEdit* NewMmsiEdit(QWidget* parent, const char* name) {
  auto* e = Named(new TEdit(parent), name);
  e->setMaxLength(9);
  e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,9}"), e));
  e->setText("000000000");
  return e;
}

TLabeledEdit* NewReadout(QWidget* parent, const char* name, const QString& caption) {
  auto* e = NewLabeledEdit(parent, name, caption);
  e->setReadOnly(true);
  e->setFocusPolicy(Qt::ClickFocus);
  return e;
}

QWidget* NewPage(QTabWidget* pages, const char* name, const QString& caption) {
  auto* w = Named(new QWidget(pages), name);
  pages->addTab(w, caption);
  return w;
}

void AddRow(QFormLayout* form, TLabeledEdit* edit) { form->addRow(edit->EditLabel, edit); }

QFormLayout* NewPageForm() {
  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  return form;
}

QValidator* PrintableAscii(QObject* parent) {
  return new QRegularExpressionValidator(QRegularExpression("[\\x20-\\x7E]*"), parent);
}

QString NineDigits(long value) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%09ld", value);
  return QString::fromLatin1(buffer);
}
